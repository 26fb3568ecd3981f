#include "writers.h"

namespace ondavi::explain {
namespace {

void AppendStep(std::string& out, const Step& step, Translate translate, int depth) {
  out.append(static_cast<std::size_t>(2 * depth), ' ');
  out += Filled(Sentence(step, translate), step, Inline);
  for (std::size_t i = 0; i < step.math.size(); ++i) {
    out += i == 0 ? " " : " = ";
    out += Inline(step.math[i]);
  }
  out += '\n';
  for (const Step& sub : step.steps) AppendStep(out, sub, translate, depth + 1);
}

}  // namespace

void AppendText(std::string& out, const Solution& solution, Translate translate) {
  for (const Step& step : solution.steps) AppendStep(out, step, translate, 0);
}

}  // namespace ondavi::explain

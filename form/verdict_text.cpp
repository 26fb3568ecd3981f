#include "verdict_text.h"

#include "transcript.h"
#include "translation.h"
#include "words.h"
#include "writers.h"

namespace ondavi::form {
namespace {

std::string_view Translated(std::string_view context, std::string_view english) {
  return Tr(context, english);
}

// The sentences a verdict's message says, marked here as well, so that the page, which keeps
// only the translations of the files whose texts it shows, keeps theirs.
[[maybe_unused]] constexpr const char* kSaid[] = {
    ONDAVI_WORD("explain", "Line %1 of %2: %3"),
    ONDAVI_WORD("explain", "%1 is right, but not in lowest terms: %2."),
    ONDAVI_WORD("explain", "As a mixed number: %1."),
    ONDAVI_WORD("explain", "%1 is %2, not %3."),
    ONDAVI_WORD("explain", "True: %1"),
    ONDAVI_WORD("explain", "False: %1"),
    ONDAVI_WORD("explain", "So %1"),
};

// The steps that carry the verdict: the notes on an answer, the verdict itself.
bool Says(const explain::Step& step) {
  using enum explain::Kind;
  return step.kind == kNotLowestTerms || step.kind == kAsMixed || step.kind == kNotTheAnswer ||
         step.kind == kVerdict;
}

}  // namespace

std::string VerdictMessage(const Judged& judged) {
  const explain::Solution& solution = judged.solution;
  if (!judged.verdict.decided) {
    return solution.failure == explain::Detail::kTooLarge ? CalculationWords().too_large
                                                          : CalculationWords().divide_by_zero;
  }
  explain::Solution said;
  const bool chain = !solution.steps.empty() && solution.steps.back().kind == explain::Kind::kLink;
  const std::vector<explain::Step>& last = chain ? solution.steps.back().steps : solution.steps;
  if (chain && judged.verdict.holds) {  // every line true: the whole chain is
    explain::Step verdict = explain::MakeVerdict(true, judged.written);
    said.steps.push_back(std::move(verdict));
  } else {
    if (chain) {
      explain::Step heading = solution.steps.back();
      heading.steps.clear();
      said.steps.push_back(std::move(heading));
    }
    for (const explain::Step& step : last) {
      if (Says(step)) said.steps.push_back(step);
    }
  }
  std::string lines;
  explain::AppendText(lines, said, Translated);
  // The message box's lines end as every message's do.
  std::string text;
  for (char c : lines) c == '\n' ? text += transcript::kLineEnd : text += c;
  const std::string_view end = transcript::kLineEnd;
  while (text.ends_with(end)) text.resize(text.size() - end.size());
  return text;
}

std::string VerdictLine(const Judged& judged) {
  const explain::Verdict& verdict = judged.verdict;
  if (!verdict.decided) return {};
  if (judged.asked) return verdict.links[0];
  return (verdict.holds ? "true " : "false ") + judged.written;
}

}  // namespace ondavi::form

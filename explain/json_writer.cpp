#include <cstdio>

#include "writers.h"

namespace ondavi::explain {
namespace {

// A JSON string: quotes, backslashes and control characters escaped; UTF-8 as it stands.
void AppendString(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  out += '"';
}

void AppendNumber(std::string& out, const char* name, const std::optional<std::int64_t>& n) {
  if (!n) return;
  out += ",\"";
  out += name;
  out += "\":";
  out += std::to_string(*n);
}

void AppendSteps(std::string& out, const std::vector<Step>& steps, Translate translate) {
  out += '[';
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    if (i > 0) out += ',';
    out += "{\"kind\":";
    AppendString(out, KindName(step.kind));
    out += ",\"text\":";
    AppendString(out, Filled(Sentence(step, translate), step, Inline));
    out += ",\"math\":[";
    for (std::size_t m = 0; m < step.math.size(); ++m) {
      if (m > 0) out += ',';
      AppendString(out, Inline(step.math[m]));
    }
    out += ']';
    AppendNumber(out, "lcd", step.lcd);
    AppendNumber(out, "gcf", step.gcf);
    AppendNumber(out, "factor", step.factor);
    out += ",\"steps\":";
    AppendSteps(out, step.steps, translate);
    out += '}';
  }
  out += ']';
}

}  // namespace

void AppendJson(std::string& out, std::string_view problem, const Solution* solution,
                std::string_view answer_line, std::string_view message, Translate translate) {
  out += "{\"problem\":";
  AppendString(out, problem);
  if (message.empty()) {
    out += ",\"answer\":";
    AppendString(out, answer_line);
  } else {
    out += ",\"message\":";
    AppendString(out, message);
  }
  if (solution) {
    out += ",\"steps\":";
    AppendSteps(out, solution->steps, translate);
  }
  out += "}\n";
}

}  // namespace ondavi::explain

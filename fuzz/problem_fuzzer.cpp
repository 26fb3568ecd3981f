// Drives ReadProblem with arbitrary lines, with the point and with the comma as the decimal
// separator, and aborts on what the reader must never give: a problem whose boxes hold anything
// but what they take, steps that do not fit its operands, or a refusal that points outside the
// line or names a long text whole.
//
// Input: the line, as it is.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "problem.h"
#include "statement.h"

namespace {

using ondavi::form::OperandTexts;
using ondavi::form::Problem;
using ondavi::form::Refusal;

[[noreturn]] void Violation(const char* what, std::string_view line) {
  std::fprintf(stderr, "VIOLATION: %s\n  line = \"%.*s\"\n", what, static_cast<int>(line.size()),
               line.data());
  std::abort();
}

bool AllDigits(std::string_view text) {
  return text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A whole-number box's text: digits with a sign in front, or a decimal; or a lone "-" before a
// fraction.
bool SoundWhole(std::string_view whole, bool fraction) {
  if (whole.starts_with('-')) whole.remove_prefix(1);
  if (whole.empty()) return fraction;
  const std::size_t point = whole.find('.');
  if (point == std::string_view::npos) return AllDigits(whole);
  return !fraction && whole.size() > 1 && AllDigits(whole.substr(0, point)) &&
         AllDigits(whole.substr(point + 1));
}

void CheckProblem(const Problem& problem, std::string_view line) {
  if (problem.steps.empty() || problem.operands.size() != problem.steps.size() + 1) {
    Violation("the steps do not fit the operands", line);
  }
  for (std::size_t i = 0; i < problem.operands.size(); ++i) {
    const OperandTexts& operand = problem.operands[i];
    // One number alone: its one step adds the empty second operand.
    if (problem.lone && i + 1 == problem.operands.size() && operand == OperandTexts{}) continue;
    const bool fraction = !operand[1].empty();
    if (fraction == operand[2].empty() || !AllDigits(operand[1]) || !AllDigits(operand[2]) ||
        !SoundWhole(operand[0], fraction)) {
      Violation("an operand the boxes do not take", line);
    }
  }
  for (std::size_t k = 0; k < problem.steps.size(); ++k) {
    for (const auto& operand : {problem.steps[k].first, problem.steps[k].second}) {
      const bool written =
          operand.written >= 0 && operand.written < static_cast<int>(problem.operands.size());
      const bool earlier = operand.earlier_step >= 0 && operand.earlier_step < static_cast<int>(k);
      if (written == earlier) Violation("a step's operand is neither written nor earlier", line);
    }
  }
}

void CheckRefusal(const Refusal& refusal, std::string_view line) {
  std::size_t characters = 0;
  for (char c : line) characters += (static_cast<unsigned char>(c) >> 6) != 2;
  const std::size_t last = refusal.reason == Refusal::Reason::kNotText ? line.size() : characters;
  if (refusal.at < 1 || refusal.at > last + 1) Violation("a refusal outside the line", line);
  if (refusal.first.size() > 43 || refusal.second.size() > 43) {
    Violation("a refusal names a long text whole", line);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  for (char separator : {'.', ','}) {
    Refusal refusal;
    if (const auto problem = ondavi::form::ReadProblem(line, separator, refusal)) {
      CheckProblem(*problem, line);
    } else {
      CheckRefusal(refusal, line);
    }
    // A comparison, statement or chain: every side read as a problem, or a refusal in the line.
    ondavi::form::Judged judged;
    if (ondavi::form::JudgeStatement(line, separator, {}, judged) && !judged.read) {
      CheckRefusal(judged.refusal, line);
    }
  }
  return 0;
}

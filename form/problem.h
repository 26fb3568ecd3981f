#pragma once

// A whole problem written on one line, as in homework or notes ("3 1/4 - 1 2/3",
// "(2/3 + 1/4) ÷ 5/6"), read into the steps a person works by hand: one step per operator, each
// a calculation of the six operand boxes.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form.h"

namespace ondavi::form {

// The three texts of an operand's boxes: whole number, numerator, denominator.
using OperandTexts = std::array<std::string, 3>;

// One operand of a step: written in the problem, or the answer of an earlier step.
struct StepOperand {
  int written = -1;       // the index in Problem::operands of an operand written in the problem
  int earlier_step = -1;  // otherwise the index of the step whose answer it is
};

struct Step {
  StepOperand first, second;
  Action action = Action::kNone;  // the operator's button
};

struct Problem {
  // The operands written in the problem, from left to right, as their boxes take them.
  std::vector<OperandTexts> operands;
  // In the order a person works them: a bracket's steps before what uses it, the left operand's
  // steps before the right one's, then the operator. The last step's answer is the problem's.
  std::vector<Step> steps;
  // An operand written with a denominator of 0 ("5/0"): the problem has no answer.
  bool zero_denominator = false;

  // The box texts of an operand written in the problem.
  const OperandTexts& Written(const StepOperand& operand) const {
    return operands[static_cast<std::size_t>(operand.written)];
  }
};

// Reads operands and operators, with brackets that may nest, an optional "=" at the end, and
// blanks and a line end around. An operand is a whole number ("5", "-5", or a decimal the
// whole-number box takes, "1.5"), a fraction ("2/3", "-2/3") or a mixed number ("3 1/4",
// "-3 1/4"); numerators and denominators are digits. Operators: + - x X * × / ÷; "x" and "/" go
// before "+" and "-", and operators of the same rank from left to right. What word processors,
// phones and pasted text write is read as what it stands for: the minus sign U+2212 and the en
// dash, the fraction slash U+2044 and the division slash, vulgar fractions ("½", "1½" for 1 1/2),
// full-width digits, operators and brackets, and the no-break, thin, figure and ideographic
// spaces. A "/" operator needs a blank beside it, so that "1/2/3" is no problem rather than a
// guess; nor is an operator without an operand, two operands side by side, an unbalanced or
// empty bracket, a minus sign before a bracket, or text that is not UTF-8. Where decimals are
// written with a comma (`decimal_separator`), "2,5" is 2.5 too. Reads in time linear in the
// length of the line.
std::optional<Problem> ReadProblem(std::string_view line, char decimal_separator = '.');

// An operand as it is written: "3 1/4", "-1/4", "5", "1.5".
std::string WrittenOperand(const OperandTexts& texts);

}  // namespace ondavi::form

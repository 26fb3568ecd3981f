#pragma once

// A whole problem written on one line, as in homework or notes ("3 1/4 - 1 2/3"), read into the
// six operand boxes' texts and the operator button to press.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "form.h"

namespace ondavi::form {

struct Problem {
  std::array<std::string, 6> operands;  // Text1 to Text6
  Action action = Action::kNone;        // the operator's button
};

// Reads OPERAND OPERATOR OPERAND with an optional "=" after it, and blanks and a line end
// around. An operand is a whole number ("5", "-5", or a decimal the whole-number box takes,
// "1.5"), a fraction ("2/3", "-2/3") or a mixed number ("3 1/4", "-3 1/4"); numerators and
// denominators are digits. Operators: + - x X * × / ÷. Pasted text is read too: the minus sign
// U+2212, the fraction slash U+2044, vulgar fractions ("½", "1½" for 1 1/2). A "/" operator needs
// a blank beside it, and text that reads as a problem in more than one way ("1/2/3") is no
// problem: nothing is guessed.
std::optional<Problem> ReadProblem(std::string_view line);

}  // namespace ondavi::form

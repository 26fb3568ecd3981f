#pragma once

// What "Explain" shows: the worked solution of the last calculation, a click's or a whole
// problem's (the one Show Work's transcript belongs to), and the view a window opens for it.
#include <optional>
#include <string>

#include "builder.h"
#include "problem.h"
#include "steps.h"

namespace ondavi::form {

struct Explanation {
  // The problem as written ("3 1/4 - 1 2/3"); empty before any calculation.
  std::string problem;
  // Its worked solution; nothing before any calculation, or for a calculation that has none
  // (a whole-number box the worked solution cannot write): `hint` then says why, or what to do.
  std::optional<explain::Solution> solution;
  std::string hint;
};

// A window's view of the worked solution, opened by "Explain".
class ExplanationView {
 public:
  virtual ~ExplanationView() = default;
  virtual void Show(const Explanation& explanation) = 0;
  // Whether it is showing one now: each new calculation is then shown in it at once.
  virtual bool Open() const = 0;
};

// An operand's three boxes as a problem writes the operand ("3 1/4", "-1/2", "5", "0.25"), once
// the calculation has normalised them: blanks and a plus sign dropped, a zero fraction left out, a
// decimal whole number beside a fraction written as the one fraction they make. Nothing for a
// whole-number box that holds anything else Val reads (such as "&H10").
std::optional<OperandTexts> PlainOperand(std::string whole, std::string numerator,
                                         std::string denominator, char decimal_separator);

}  // namespace ondavi::form

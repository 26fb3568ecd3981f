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
  // One number alone ("18/24", "0.375", "35%"): its one step adds the empty second operand.
  bool lone = false;
  // The operands written with a percent sign, which their boxes take as the fraction over 100.
  struct Percent {
    int operand = -1;     // the index in operands
    std::string written;  // as written: "35%", "1 1/2%"
  };
  std::vector<Percent> percents;

  // The box texts of an operand written in the problem.
  const OperandTexts& Written(const StepOperand& operand) const {
    return operands[static_cast<std::size_t>(operand.written)];
  }
};

// Why a line is no whole problem: the rule it breaks, where, and the texts the rule names.
struct Refusal {
  enum class Reason {
    kEmpty,                  // nothing but blanks
    kNotText,                // not UTF-8 text; `at` counts bytes
    kUnknownCharacter,       // `first` names the character
    kLineEnd,                // a line end inside the problem
    kLoneNumber,             // `first`, a whole number or a sign, with no operator
    kLoneOperand,            // not given: a fraction or mixed number alone is one number
    kNoNumberAfter,          // the operator, sign or bracket `first` has no operand after it
    kNoNumberBefore,         // the operator `first` has no operand before it
    kSideBySide,             // two operands `first` and `second` with no operator between
    kGroupedDigits,          // a number written in groups of digits; `first` joins them
    kDecimalBesideFraction,  // the decimal `first` beside the fraction `second`
    kSlashWithoutBlank,      // a "/" that could divide or join, in `first`
    kFractionSlashAlone,     // a fraction slash (U+2044) where an operator belongs
    kMinusBeforeBracket,
    kBracketLeftOpen,
    kBracketNotOpened,
    kAfterEquals,       // something after "="
    kMixedLeadingZero,  // a mixed number's numerator with a leading zero
    kMixedTooLarge,     // a mixed number's fraction of 2 or more
    kOutOfPlace,        // `first` where it cannot stand
  };
  Reason reason = Reason::kEmpty;
  std::size_t at = 0;  // where the rule is broken: the character, counted from 1
  // As written in the line (or, for the mixed numbers, the two ways to write what was meant:
  // "10000/3" and "10 + 000/3"); an invisible character is named by its code, "U+200B".
  std::string first, second;
};

// Reads operands and operators, with brackets that may nest, an optional "=" at the end, and
// blanks around. An operand is a whole number ("5", "-5", or a decimal the
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
// A mixed number's numerator has no leading zero and is less than twice its denominator
// ("2 15/12" is the borrowing step's 2 + 15/12; "10 000/3" and "1 500/2" are refused, not read
// as 10 + 0/3 or 1 + 500/2). A line end may stand before and after the problem, not inside it.
// A percent sign after a number makes it the fraction over 100 ("35%" is 35/100, "12.5%"
// 125/1000), and "= ?" ends a problem as "=" does. A fraction, mixed number, decimal or percent
// alone is a problem of one step: it plus the empty second operand. A whole number alone is not,
// since a box is being filled with it.
std::optional<Problem> ReadProblem(std::string_view line, char decimal_separator = '.');
// The same, saying in `refusal` why the line is no whole problem.
std::optional<Problem> ReadProblem(std::string_view line, char decimal_separator, Refusal& refusal);

// One side of a comparison: as ReadProblem, and a whole number alone is one number too.
std::optional<Problem> ReadSide(std::string_view line, char decimal_separator, Refusal& refusal);

// An operand as it is written: "3 1/4", "-1/4", "5", "1.5".
std::string WrittenOperand(const OperandTexts& texts);

}  // namespace ondavi::form

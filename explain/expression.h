#pragma once

// A number or a calculation as a worked solution writes it: a whole number, a fraction, a mixed
// number, a decimal as written, an operation on two expressions, a bracket, or a quotient whose
// parts are calculations ("(3 x 4 + 1)/4"). No notation is chosen here: each writer writes
// expressions its own way.
#include <cstdint>
#include <string>
#include <vector>

namespace ondavi::explain {

struct Expression {
  enum class Kind {
    kWhole,      // value
    kFraction,   // numerator/denominator; the numerator carries the sign
    kMixed,      // whole numerator/denominator, all magnitudes, with `negative`
    kDecimal,    // text, as written ("0.25", "-1.5")
    kOperation,  // parts[0] op parts[1]
    kBracket,    // (parts[0])
    kQuotient,   // parts[0] over parts[1]
  };
  Kind kind = Kind::kWhole;
  std::int64_t value = 0;  // kWhole; kMixed: the whole part
  std::int64_t numerator = 0, denominator = 1;
  bool negative = false;  // kMixed
  char op = 0;            // kOperation: '+', '-', 'x' or '/'
  std::string text;       // kDecimal
  std::vector<Expression> parts;
};

Expression Whole(std::int64_t value);
Expression Fraction(std::int64_t numerator, std::int64_t denominator);
Expression Mixed(bool negative, std::int64_t whole, std::int64_t numerator,
                 std::int64_t denominator);
Expression Decimal(std::string text);
Expression Operation(Expression left, char op, Expression right);
Expression Bracket(Expression inner);
Expression Quotient(Expression top, Expression bottom);

// How tightly an operator binds: x and / before + and -.
inline int Rank(char op) {
  return op == '+' || op == '-' ? 1 : 2;
}

// Whether an operand of `op` needs brackets for the order of working: a calculation of a lower
// rank, or of the same rank on the right.
bool NeedsBrackets(const Expression& operand, char op, bool right);

// Whether print sets an operand of `op` in brackets: where the order of working needs them, and
// a right operand that begins with a minus sign too ("3 - (-1/2)").
bool NeedsBracketsInPrint(const Expression& operand, char op, bool right);

// The calculator's own notation, which `ondavi --calculate` reads: "3 1/4", "13/4", "-5/2",
// "(3 x 4 + 1)/4", "5/2 x 4/5", "1/2 / 5/6", with brackets where the order needs them.
std::string Inline(const Expression& e);

}  // namespace ondavi::explain

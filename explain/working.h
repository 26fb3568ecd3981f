#pragma once

// What the builders of a worked solution share: exact numbers, the numbers as the working shows
// them, and one function per part of the working. Internal to the builders.
#include <cstdint>
#include <optional>
#include <vector>

#include "expression.h"
#include "problem.h"
#include "settings.h"
#include "steps.h"

namespace ondavi::explain {

// An exact fraction; the denominator is positive.
struct Rational {
  std::int64_t num = 0;
  std::int64_t den = 1;
};

std::int64_t Gcd(std::int64_t a, std::int64_t b);  // of the magnitudes; Gcd(0, 0) is 0
Rational Reduced(Rational r);

// A number as the working shows it: its expression, and its value in parts.
struct Term {
  enum class Form { kWhole, kFraction, kMixed, kDecimal } form = Form::kWhole;
  Expression shown;
  bool negative = false;
  std::int64_t whole = 0, num = 0, den = 1;  // kWhole and kMixed: the magnitude's parts
  Rational value;                            // the exact value (kDecimal: in lowest terms)
};

// An operand as written in the problem.
Term WrittenTerm(const WrittenOperand& written);
// An operation's answer as its working ended: a fraction, or a whole or mixed number.
Term FractionTerm(Rational r);
Term MixedTerm(bool negative, std::int64_t whole, std::int64_t num, std::int64_t den);

// The operand as the calculator forms it (the improper fraction over its denominator times that
// of a decimal whole number), or nothing when a number it reads or forms reaches 2^53.
std::optional<Rational> CalculatorOperand(const WrittenOperand& written);
// Whether the calculator answers a op b: kNone with the answer in lowest terms, or kTooLarge when
// a number it forms reaches 2^53, or kDivideByZero.
Detail Refusal(Rational a, char op, Rational b, Rational* answer);

// The steps that write a number as a fraction (a whole number over 1, a decimal over a power of
// ten, a mixed number as an improper fraction); its value as that fraction.
Rational AsFraction(const Term& term, std::vector<Step>& out);

// The least common denominator of two different denominators, with the steps that find it.
std::int64_t CommonDenominator(std::int64_t a, std::int64_t b, const Settings& settings,
                               std::vector<Step>& out);

// A fraction renamed over a multiple of its denominator: 1/4 = (1 x 3)/(4 x 3) = 3/12.
Step Rename(std::int64_t num, std::int64_t den, std::int64_t lcd);

// The steps of each operation; each returns the answer as its working ends.
Term AddOrSubtract(Term a, char op, Term b, const Settings& settings, std::vector<Step>& out);
Term MultiplyOrDivide(const Term& a, char op, const Term& b, const Settings& settings,
                      std::vector<Step>& out);

// A fraction brought to lowest terms, with the step that names the greatest common factor (or
// says it is already in lowest terms).
Term Simplified(Rational r, std::vector<Step>& out);

// Equations and facts.
Step MakeStep(Kind kind, std::vector<Expression> math, Detail detail = Detail::kNone);

}  // namespace ondavi::explain

#pragma once

// The exact value of a worked solution's expression, worked out here with the tests' own
// rationals: nothing for a division by zero.
#include <optional>
#include <string>

#include "exact_fraction.h"
#include "expression.h"

namespace ondavi::testing {

inline std::optional<Fraction> ValueOf(const explain::Expression& e) {
  using Kind = explain::Expression::Kind;
  switch (e.kind) {
    case Kind::kWhole:
      return Fraction{e.value, 1};
    case Kind::kFraction:
      if (e.denominator == 0) return std::nullopt;
      return Normalised({e.numerator, e.denominator});
    case Kind::kMixed: {
      if (e.denominator == 0) return std::nullopt;
      // As the calculator reads it: a minus sign before the whole number covers the fraction.
      const Int magnitude = Abs(e.value) * e.denominator + e.numerator;
      const bool negative = e.negative || e.value < 0;
      return Normalised({negative ? -magnitude : magnitude, e.denominator});
    }
    case Kind::kDecimal: {
      bool negative = false;
      const Fraction f = WholeOf(e.text, &negative);
      return Fraction{negative ? -f.num : f.num, f.den};
    }
    case Kind::kBracket:
      return ValueOf(e.parts[0]);
    case Kind::kOperation:
    case Kind::kQuotient: {
      const std::optional<Fraction> a = ValueOf(e.parts[0]), b = ValueOf(e.parts[1]);
      if (!a || !b) return std::nullopt;
      const char op = e.kind == Kind::kQuotient ? '/' : e.op;
      Fraction r;
      if (op == '+') r = {a->num * b->den + b->num * a->den, a->den * b->den};
      if (op == '-') r = {a->num * b->den - b->num * a->den, a->den * b->den};
      if (op == 'x') r = {a->num * b->num, a->den * b->den};
      if (op == '/') r = {a->num * b->den, a->den * b->num};
      if (r.den == 0) return std::nullopt;
      return Normalised(r);
    }
  }
  return std::nullopt;
}

inline bool operator==(const Fraction& a, const Fraction& b) {
  return a.num == b.num && a.den == b.den;
}

}  // namespace ondavi::testing

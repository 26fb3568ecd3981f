// Multiplying and dividing: both as fractions; dividing multiplies by the divisor's reciprocal;
// the sign decided by the rule of signs; common factors of a numerator and a denominator
// cancelled before multiplying; then numerators times numerators over denominators times
// denominators.
#include <array>
#include <cstdlib>
#include <utility>

#include "working.h"

namespace ondavi::explain {
namespace {

Expression Of(Rational r) {
  return Fraction(r.num, r.den);
}

Expression Times(Rational a, Rational b) {
  return Operation(Of(a), 'x', Of(b));
}

}  // namespace

Term MultiplyOrDivide(const Term& a, char op, const Term& b, const Settings& settings,
                      std::vector<Step>& out) {
  if (op == 'x' && a.form == Term::Form::kWhole && b.form == Term::Form::kWhole) {
    const std::int64_t r = a.value.num * b.value.num;
    out.push_back(MakeStep(Kind::kWholeNumbers, {Operation(a.shown, op, b.shown), Whole(r)}));
    return MixedTerm(r < 0, std::llabs(r), 0, 1);
  }
  Rational qa = AsFraction(a, out), qb = AsFraction(b, out);
  if (op == '/') {  // keep, change, flip; the sign stays on the numerator
    const Rational flipped = qb.num < 0 ? Rational{-qb.den, -qb.num} : Rational{qb.den, qb.num};
    out.push_back(
        MakeStep(Kind::kReciprocal, {Operation(Of(qa), '/', Of(qb)), Times(qa, flipped)}));
    qb = flipped;
  }
  if (qa.num < 0 && qb.num < 0) {
    const Rational pa{-qa.num, qa.den}, pb{-qb.num, qb.den};
    out.push_back(
        MakeStep(Kind::kSignRule, {Times(qa, qb), Times(pa, pb)}, Detail::kNegativeTimesNegative));
    qa = pa;
    qb = pb;
  } else if ((qa.num < 0 && qb.num > 0) || (qa.num > 0 && qb.num < 0)) {
    out.push_back(MakeStep(Kind::kSignRule, {}, Detail::kNegativeTimesPositive));
  }
  std::array<std::int64_t, 2> num{qa.num, qb.num}, den{qa.den, qb.den};
  if (settings.cancel) {
    Step cancel = MakeStep(Kind::kCancel, {Times(qa, qb)});
    // Each numerator with the other denominator, then with its own; one pass leaves no common
    // factor, as the numbers only shrink.
    for (const auto& [i, j] :
         {std::pair{0, 1}, std::pair{1, 0}, std::pair{0, 0}, std::pair{1, 1}}) {
      const std::int64_t g = Gcd(num[i], den[j]);
      if (num[i] == 0 || g < 2) continue;
      Step pair = MakeStep(Kind::kCancelPair, {});
      pair.args = {Whole(std::llabs(num[i])), Whole(den[j]), Whole(g),
                   Whole(std::llabs(num[i]) / g), Whole(den[j] / g)};
      pair.factor = g;
      cancel.steps.push_back(std::move(pair));
      num[i] /= g;
      den[j] /= g;
    }
    if (!cancel.steps.empty()) {
      cancel.math.push_back(Times({num[0], den[0]}, {num[1], den[1]}));
      out.push_back(std::move(cancel));
    }
  }
  const Rational product{num[0] * num[1], den[0] * den[1]};
  out.push_back(MakeStep(Kind::kMultiply, {Times({num[0], den[0]}, {num[1], den[1]}),
                                           Quotient(Operation(Whole(num[0]), 'x', Whole(num[1])),
                                                    Operation(Whole(den[0]), 'x', Whole(den[1]))),
                                           Of(product)}));
  return Simplified(product, out);
}

}  // namespace ondavi::explain

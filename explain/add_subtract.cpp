// Adding and subtracting: the signs first (subtracting a negative is adding), then either the
// whole numbers and the fractions apart, carrying or borrowing a whole, or both operands as
// fractions over their least common denominator.
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "wide_arithmetic.h"
#include "working.h"

namespace ondavi::explain {
namespace {

Term Negated(Term t) {
  t.negative = !t.negative;
  t.value.num = -t.value.num;
  switch (t.form) {
    case Term::Form::kDecimal:
      t.shown.text = t.negative ? "-" + t.shown.text : t.shown.text.substr(1);
      break;
    case Term::Form::kFraction:
      t.shown.numerator = -t.shown.numerator;
      break;
    case Term::Form::kMixed:
      t.shown.negative = t.negative;
      break;
    case Term::Form::kWhole:
      t.shown.value = -t.shown.value;
      break;
  }
  return t;
}

// Whether a >= b, for two numbers that are not negative: their cross products compared in full.
bool NotLess(Rational a, Rational b) {
  const Product128 x =
      MultiplyWide(static_cast<std::uint64_t>(a.num), static_cast<std::uint64_t>(b.den));
  const Product128 y =
      MultiplyWide(static_cast<std::uint64_t>(b.num), static_cast<std::uint64_t>(a.den));
  return x.high != y.high ? x.high > y.high : x.low >= y.low;
}

// A whole number, or a mixed number or fraction whose fraction is less than 1: what the method
// apart takes.
bool WholeOrMixed(const Term& t) {
  return t.form == Term::Form::kWhole ||
         ((t.form == Term::Form::kMixed || t.form == Term::Form::kFraction) && t.num < t.den);
}

// W F/d as its parts make it: "W", "F/d" or "W F/d"; F may be d or more (after borrowing).
Expression MixedOf(std::int64_t whole, std::int64_t num, std::int64_t den) {
  if (num == 0) return Whole(whole);
  if (whole == 0) return Fraction(num, den);
  return Mixed(false, whole, num, den);
}

Term Apart(const Term& a, char op, const Term& b, const Settings& settings,
           std::vector<Step>& out) {
  std::int64_t fa = a.num, fb = b.num, den = fa != 0 ? a.den : b.den;
  if (fa != 0 && fb != 0 && a.den != b.den) {
    den = CommonDenominator(a.den, b.den, settings, out);
    if (den != a.den) out.push_back(Rename(fa, a.den, den));
    if (den != b.den) out.push_back(Rename(fb, b.den, den));
    fa *= den / a.den;
    fb *= den / b.den;
    out.push_back(MakeStep(Kind::kRewrite,
                           {Operation(a.shown, op, b.shown),
                            Operation(MixedOf(a.whole, fa, den), op, MixedOf(b.whole, fb, den))}));
  }
  std::int64_t wa = a.whole;
  if (op == '-' && fa < fb) {  // regroup one whole of the first as a fraction
    Expression regrouped = Operation(Whole(wa - 1), '+', Fraction(den, den));
    if (fa != 0) regrouped = Operation(std::move(regrouped), '+', Fraction(fa, den));
    Step borrow = MakeStep(Kind::kBorrow, {MixedOf(wa, fa, den), std::move(regrouped),
                                           MixedOf(wa - 1, fa + den, den)});
    borrow.args = {fa == 0 ? Whole(0) : Fraction(fa, den), Fraction(fb, den), Fraction(den, den)};
    out.push_back(std::move(borrow));
    wa -= 1;
    fa += den;
  }
  const std::int64_t whole = op == '+' ? wa + b.whole : wa - b.whole;
  const std::int64_t num = op == '+' ? fa + fb : fa - fb;
  Expression fractions = fb == 0   ? Fraction(fa, den)
                         : fa == 0 ? Fraction(fb, den)
                                   : Bracket(Operation(Fraction(fa, den), op, Fraction(fb, den)));
  Step apart = MakeStep(Kind::kWholesAndFractions,
                        {Operation(MixedOf(wa, fa, den), op, MixedOf(b.whole, fb, den)),
                         Operation(b.whole == 0 ? Whole(wa)
                                   : wa == 0    ? Whole(b.whole)
                                                : Bracket(Operation(Whole(wa), op, Whole(b.whole))),
                                   '+', std::move(fractions)),
                         Operation(Whole(whole), '+', Fraction(num, den))});
  if (num < den) apart.math.push_back(MixedOf(whole, num, den));
  apart.args = {Whole(whole), Fraction(num, den)};
  out.push_back(std::move(apart));
  std::int64_t result_whole = whole, result_num = num;
  if (num >= den) {  // carry the whole the fractions make
    result_whole += 1;
    result_num -= den;
    Expression carried = Operation(Whole(whole), '+', Whole(1));
    if (result_num != 0) carried = Operation(std::move(carried), '+', Fraction(result_num, den));
    Step carry =
        MakeStep(Kind::kCarry, {Operation(Whole(whole), '+', Fraction(num, den)),
                                std::move(carried), MixedOf(result_whole, result_num, den)});
    carry.args = {Fraction(num, den)};
    out.push_back(std::move(carry));
  }
  const std::int64_t gcf = Gcd(result_num, den);
  if (result_num != 0 && gcf > 1) {
    Step simplify = MakeStep(Kind::kSimplify, {MixedOf(result_whole, result_num, den),
                                               MixedOf(result_whole, result_num / gcf, den / gcf)});
    simplify.args = {Whole(result_num), Whole(den), Whole(gcf)};
    simplify.gcf = gcf;
    out.push_back(std::move(simplify));
  } else if (result_num != 0) {
    Step lowest = MakeStep(Kind::kLowestTerms, {});
    lowest.args = {Fraction(result_num, den)};
    out.push_back(std::move(lowest));
  }
  return MixedTerm(false, result_whole, result_num / std::max<std::int64_t>(gcf, 1),
                   den / std::max<std::int64_t>(gcf, 1));
}

Term AsFractions(const Term& a, char op, const Term& b, const Settings& settings,
                 std::vector<Step>& out) {
  const Rational qa = AsFraction(a, out), qb = AsFraction(b, out);
  std::int64_t lcd = qa.den;
  if (qa.den == qb.den) {
    Step same = MakeStep(Kind::kSameDenominator, {});
    same.args = {Whole(lcd)};
    out.push_back(std::move(same));
  } else {
    lcd = CommonDenominator(qa.den, qb.den, settings, out);
    if (lcd != qa.den) out.push_back(Rename(qa.num, qa.den, lcd));
    if (lcd != qb.den) out.push_back(Rename(qb.num, qb.den, lcd));
  }
  const std::int64_t n1 = qa.num * (lcd / qa.den), n2 = qb.num * (lcd / qb.den);
  const std::int64_t sum = op == '+' ? n1 + n2 : n1 - n2;
  out.push_back(
      MakeStep(Kind::kCombineNumerators,
               {Operation(Fraction(n1, lcd), op, Fraction(n2, lcd)),
                Quotient(Operation(Whole(n1), op, Whole(n2)), Whole(lcd)), Fraction(sum, lcd)},
               op == '+' ? Detail::kAdd : Detail::kSubtract));
  return Simplified({sum, lcd}, out);
}

}  // namespace

Step Rename(std::int64_t num, std::int64_t den, std::int64_t lcd) {
  const std::int64_t factor = lcd / den;
  Step step = MakeStep(Kind::kRename, {Fraction(num, den),
                                       Quotient(Operation(Whole(num), 'x', Whole(factor)),
                                                Operation(Whole(den), 'x', Whole(factor))),
                                       Fraction(num * factor, lcd)});
  step.args = {Whole(lcd), Whole(factor)};
  step.factor = factor;
  return step;
}

Term AddOrSubtract(Term a, char op, Term b, const Settings& settings, std::vector<Step>& out) {
  if (b.negative) {
    const Term positive = Negated(b);
    out.push_back(MakeStep(Kind::kSignRule,
                           {Operation(a.shown, op, b.shown),
                            Operation(a.shown, op == '-' ? '+' : '-', positive.shown)},
                           op == '-' ? Detail::kSubtractingANegative : Detail::kAddingANegative));
    op = op == '-' ? '+' : '-';
    b = positive;
  }
  if (a.form == Term::Form::kWhole && b.form == Term::Form::kWhole) {
    const std::int64_t r = op == '+' ? a.value.num + b.value.num : a.value.num - b.value.num;
    out.push_back(MakeStep(Kind::kWholeNumbers, {Operation(a.shown, op, b.shown), Whole(r)}));
    return MixedTerm(r < 0, std::llabs(r), 0, 1);
  }
  if (b.value.num == 0 || (a.value.num == 0 && op == '+')) {  // the other number as it stands
    const Term& kept = b.value.num == 0 ? a : b;
    out.push_back(MakeStep(Kind::kAddZero, {Operation(a.shown, op, b.shown), kept.shown}));
    const bool lowest =
        kept.form == Term::Form::kWhole ||
        (kept.form == Term::Form::kMixed && kept.num < kept.den && Gcd(kept.num, kept.den) == 1);
    return lowest ? kept : Simplified(AsFraction(kept, out), out);
  }
  const bool difference_not_negative = op == '+' || a.negative || NotLess(a.value, b.value);
  const bool apart = settings.mixed != Settings::MixedNumbers::kImproper && !a.negative &&
                     WholeOrMixed(a) && WholeOrMixed(b) && (a.whole > 0 || b.whole > 0) &&
                     difference_not_negative;
  return apart ? Apart(a, op, b, settings, out) : AsFractions(a, op, b, settings, out);
}

}  // namespace ondavi::explain

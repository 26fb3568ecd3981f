#include "compare.h"

#include <cstdlib>
#include <utility>

#include "decimal_digits.h"
#include "wide_arithmetic.h"
#include "working.h"

namespace ondavi::explain {
namespace {

// Which is larger: -1, 0 or 1 for a < b, a = b, a > b (denominators positive).
int Order(Rational a, Rational b) {
  const bool a_negative = a.num < 0, b_negative = b.num < 0;
  if (a_negative != b_negative) return a_negative ? -1 : 1;
  const Product128 left = MultiplyWide(static_cast<std::uint64_t>(std::llabs(a.num)),
                                       static_cast<std::uint64_t>(b.den));
  const Product128 right = MultiplyWide(static_cast<std::uint64_t>(std::llabs(b.num)),
                                        static_cast<std::uint64_t>(a.den));
  int magnitude = left.high != right.high ? (left.high < right.high ? -1 : 1)
                  : left.low != right.low ? (left.low < right.low ? -1 : 1)
                                          : 0;
  return a_negative ? -magnitude : magnitude;
}

bool Holds(Relation relation, int order) {
  switch (relation) {
    case Relation::kLess:
      return order < 0;
    case Relation::kGreater:
      return order > 0;
    case Relation::kEqual:
      return order == 0;
    case Relation::kLessOrEqual:
      return order <= 0;
    case Relation::kGreaterOrEqual:
      return order >= 0;
    case Relation::kNotEqual:
      return order != 0;
    case Relation::kAsk:
      break;
  }
  return true;
}

Rational ValueOf(const Solution& solution) {
  return {solution.numerator, solution.denominator};
}

// A value as its mixed number, or whole number, or fraction below 1: "1 7/12", "-2", "3/4".
Expression MixedForm(Rational r) {
  const std::int64_t magnitude = std::llabs(r.num);
  if (r.den == 1) return Whole(r.num);
  if (magnitude < r.den) return Fraction(r.num, r.den);
  return Mixed(r.num < 0, magnitude / r.den, magnitude % r.den, r.den);
}

// Whether two fractions renamed over their least common denominator stay small enough for a
// teacher to write: the denominator at most 1000, the numerators below 2^53.
bool SmallCommonDenominator(Rational a, Rational b, std::int64_t* lcd) {
  constexpr std::int64_t kLargestDenominator = 1000;
  constexpr std::int64_t kLargest = std::int64_t{1} << 53;
  std::int64_t scaled = 0;
  return !MultiplyOverflows(a.den / Gcd(a.den, b.den), b.den, lcd) && *lcd <= kLargestDenominator &&
         !MultiplyOverflows(std::llabs(a.num), *lcd / a.den, &scaled) && scaled < kLargest &&
         !MultiplyOverflows(std::llabs(b.num), *lcd / b.den, &scaled) && scaled < kLargest;
}

// Both sides over one denominator, or as decimals where that denominator is large, and which is
// larger.
Step Compared(Rational a, Rational b, int order, const Settings& settings, std::vector<Step>& out) {
  Expression left = Fraction(a.num, a.den), right = Fraction(b.num, b.den);
  std::int64_t lcd = 0;
  // Equal numbers, in lowest terms, are over one denominator already.
  if (a.den == b.den) {
    // compared as they stand
  } else if (SmallCommonDenominator(a, b, &lcd)) {
    CommonDenominator(a.den, b.den, settings, out);
    if (a.den != lcd) out.push_back(Rename(a.num, a.den, lcd));
    if (b.den != lcd) out.push_back(Rename(b.num, b.den, lcd));
    left = Fraction(a.num * (lcd / a.den), lcd);
    right = Fraction(b.num * (lcd / b.den), lcd);
  } else {
    DecimalsApart decimals = DecimalsOf(a, b);
    Step written = MakeStep(Kind::kAsDecimals, {});
    written.args = {MixedForm(a), Decimal(std::move(decimals.left_going_on)), MixedForm(b),
                    Decimal(std::move(decimals.right_going_on))};
    left = Decimal(std::move(decimals.left));
    right = Decimal(std::move(decimals.right));
    out.push_back(std::move(written));
  }
  Step step = MakeStep(Kind::kComparison, {},
                       order > 0   ? Detail::kGreater
                       : order < 0 ? Detail::kLess
                                   : Detail::kEqual);
  step.args = {std::move(left), std::move(right)};
  return step;
}

// The notes on a true "PROBLEM = NUMBER": the number not in lowest terms, or an improper
// fraction a mixed number writes.
void AnswerNotes(const WrittenOperand& number, Rational value, Verdict& verdict,
                 std::vector<Step>& out) {
  const Term written = WrittenTerm(number);
  if (written.form == Term::Form::kDecimal) return;
  const Rational as_written = written.value;
  if (Gcd(as_written.num, as_written.den) > 1) {
    verdict.not_lowest = true;
    Step step = MakeStep(Kind::kNotLowestTerms, {});
    step.args = {written.shown, MixedForm(value)};
    out.push_back(std::move(step));
  } else if (written.form == Term::Form::kFraction && std::llabs(value.num) > value.den) {
    verdict.mixed = Inline(MixedForm(value));
    Step step = MakeStep(Kind::kAsMixed, {});
    step.args = {MixedForm(value)};
    out.push_back(std::move(step));
  }
}

}  // namespace

std::string_view RelationSign(Relation relation) {
  constexpr std::string_view kSigns[] = {"?", "<", ">", "=", "<=", ">=", "!="};
  return kSigns[static_cast<std::size_t>(relation)];
}

Step MakeVerdict(bool holds, const std::string& written) {
  Step step = MakeStep(Kind::kVerdict, {}, holds ? Detail::kTrue : Detail::kFalse);
  step.args = {Decimal(written)};
  return step;
}

Solution BuildComparison(const std::vector<Side>& sides, const std::vector<Relation>& relations,
                         const Settings& settings, Verdict& verdict) {
  Solution solution;
  verdict = {};
  const std::size_t count = relations.size();
  std::vector<bool> worked(sides.size(), false);
  for (std::size_t k = 0; k < count; ++k) {
    std::vector<Step>* out = &solution.steps;
    const Relation relation = relations[k];
    if (count > 1) {
      Step heading = MakeStep(Kind::kLink, {});
      heading.args = {Whole(static_cast<std::int64_t>(k + 1)),
                      Whole(static_cast<std::int64_t>(count)),
                      Decimal(sides[k].written + " " + std::string(RelationSign(relation)) + " " +
                              sides[k + 1].written)};
      solution.steps.push_back(std::move(heading));
      out = &solution.steps.back().steps;
    }
    for (std::size_t s : {k, k + 1}) {
      const Side& side = sides[s];
      if (!side.number && !worked[s]) {
        Step work = MakeStep(Kind::kWorkSide, {});
        work.args = {Decimal(side.written)};
        work.steps = side.solution.steps;
        out->push_back(std::move(work));
        worked[s] = true;
      }
      if (!side.solution.answered) {
        solution.failure = side.solution.failure;
        if (side.number) out->push_back(MakeStep(Kind::kNoAnswer, {}, side.solution.failure));
        return solution;
      }
    }
    const Rational a = ValueOf(sides[k].solution), b = ValueOf(sides[k + 1].solution);
    const int order = Order(a, b);
    out->push_back(Compared(a, b, order, settings, *out));
    const Relation shown = relation != Relation::kAsk ? relation
                           : order > 0                ? Relation::kGreater
                           : order < 0                ? Relation::kLess
                                                      : Relation::kEqual;
    const std::string link =
        sides[k].written + " " + std::string(RelationSign(shown)) + " " + sides[k + 1].written;
    verdict.links.push_back(link);
    const bool holds = Holds(relation, order);
    const bool answer_check = relation == Relation::kEqual && sides[k + 1].number.has_value();
    if (answer_check && holds) AnswerNotes(*sides[k + 1].number, b, verdict, *out);
    if (answer_check && !holds) {
      verdict.answer = Inline(MixedForm(a));
      Step step = MakeStep(Kind::kNotTheAnswer, {});
      step.args = {Decimal(sides[k].written), MixedForm(a), Decimal(sides[k + 1].written)};
      out->push_back(std::move(step));
    }
    Step ends = MakeVerdict(holds, link);
    if (relation == Relation::kAsk) ends.detail = Detail::kAsk;
    out->push_back(std::move(ends));
    if (!holds) {
      verdict.holds = false;
      verdict.false_link = static_cast<int>(k);
      break;
    }
  }
  verdict.decided = true;
  solution.judged = true;
  return solution;
}

}  // namespace ondavi::explain

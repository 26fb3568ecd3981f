// A fraction in lowest terms: the greatest common factor of its parts named (with the factors
// of each listed while they are few) and both divided by it.
#include <cstdlib>

#include "divisors.h"
#include "working.h"

namespace ondavi::explain {
namespace {

// Factors are listed for numbers up to this.
constexpr std::int64_t kListFactorsUpTo = 100;

Step FactorsOf(std::int64_t n) {
  Step step = MakeStep(Kind::kFactors, {});
  step.args.push_back(Whole(n));
  for (std::uint64_t d : Divisors(static_cast<std::uint64_t>(n))) {
    step.args.push_back(Whole(static_cast<std::int64_t>(d)));
  }
  return step;
}

}  // namespace

Term Simplified(Rational r, std::vector<Step>& out) {
  if (r.num == 0) {
    if (r.den != 1) out.push_back(MakeStep(Kind::kZero, {Fraction(0, r.den), Whole(0)}));
    return MixedTerm(false, 0, 0, 1);
  }
  const std::int64_t magnitude = std::llabs(r.num);
  const std::int64_t gcf = Gcd(magnitude, r.den);
  if (gcf > 1) {
    Step step = MakeStep(Kind::kSimplify, {Fraction(r.num, r.den),
                                           Quotient(Operation(Whole(r.num), '/', Whole(gcf)),
                                                    Operation(Whole(r.den), '/', Whole(gcf))),
                                           Fraction(r.num / gcf, r.den / gcf)});
    step.args = {Whole(magnitude), Whole(r.den), Whole(gcf)};
    step.gcf = gcf;
    if (magnitude <= kListFactorsUpTo && r.den <= kListFactorsUpTo) {
      step.steps.push_back(FactorsOf(magnitude));
      step.steps.push_back(FactorsOf(r.den));
    }
    out.push_back(std::move(step));
    return FractionTerm({r.num / gcf, r.den / gcf});
  }
  if (r.den != 1) {
    Step step = MakeStep(Kind::kLowestTerms, {});
    step.args = {Fraction(r.num, r.den)};
    out.push_back(std::move(step));
  }
  return FractionTerm(r);
}

}  // namespace ondavi::explain

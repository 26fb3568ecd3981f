// The least common denominator, found by listing the multiples of the larger denominator until
// one is a multiple of the smaller, or from the prime factors of both.
#include <algorithm>
#include <map>

#include "divisors.h"
#include "working.h"

namespace ondavi::explain {
namespace {

// By default multiples while the LCD is at most this; chosen, while at most this many.
constexpr std::int64_t kMultiplesUpTo = 100;
constexpr std::int64_t kMostMultiples = 20;

std::vector<std::uint64_t> Primes(std::int64_t n) {
  return n > 1 ? PrimeFactors(static_cast<std::uint64_t>(n)) : std::vector<std::uint64_t>{};
}

// 2 x 2 x 3; a prime or 1 alone.
Expression Product(const std::vector<std::uint64_t>& primes, std::int64_t n) {
  if (primes.size() < 2) return Whole(n);
  Expression e = Whole(static_cast<std::int64_t>(primes[0]));
  for (std::size_t i = 1; i < primes.size(); ++i) {
    e = Operation(std::move(e), 'x', Whole(static_cast<std::int64_t>(primes[i])));
  }
  return e;
}

Step PrimeFactorsOf(std::int64_t n, const std::vector<std::uint64_t>& primes) {
  Step step = MakeStep(Kind::kPrimeFactors, {Whole(n)});
  step.args.push_back(Whole(n));
  if (primes.size() > 1) step.math.push_back(Product(primes, n));
  return step;
}

}  // namespace

std::int64_t CommonDenominator(std::int64_t a, std::int64_t b, const Settings& settings,
                               std::vector<Step>& out) {
  const std::int64_t lcd = a / Gcd(a, b) * b;
  const std::int64_t larger = std::max(a, b), smaller = std::min(a, b);
  bool multiples = settings.denominator == Settings::Denominator::kMultiples ||
                   (settings.denominator == Settings::Denominator::kAuto && lcd <= kMultiplesUpTo);
  if (lcd / larger > kMostMultiples) multiples = false;
  if (lcd == larger) multiples = true;  // the larger is a multiple of the smaller already
  Step step = MakeStep(Kind::kCommonDenominator, {},
                       multiples ? Detail::kByMultiples : Detail::kByPrimeFactors);
  step.args = {Whole(a), Whole(b), Whole(lcd)};
  step.lcd = lcd;
  if (multiples) {
    Step list = MakeStep(Kind::kMultiples, {});
    list.args = {Whole(larger), Whole(smaller)};
    for (std::int64_t m = larger; m <= lcd; m += larger) list.args.push_back(Whole(m));
    step.steps.push_back(std::move(list));
  } else {
    const std::vector<std::uint64_t> pa = Primes(a), pb = Primes(b);
    step.steps.push_back(PrimeFactorsOf(a, pa));
    step.steps.push_back(PrimeFactorsOf(b, pb));
    // Each prime as often as it appears most in either.
    std::map<std::uint64_t, std::size_t> most;
    for (const auto* primes : {&pa, &pb}) {
      std::map<std::uint64_t, std::size_t> count;
      for (std::uint64_t p : *primes) ++count[p];
      for (const auto& [p, c] : count) most[p] = std::max(most[p], c);
    }
    std::vector<std::uint64_t> taken;
    for (const auto& [p, c] : most) taken.insert(taken.end(), c, p);
    step.steps.push_back(MakeStep(Kind::kLcdFromFactors, {Product(taken, lcd), Whole(lcd)}));
    if (taken.size() < 2) step.steps.back().math.erase(step.steps.back().math.begin());
  }
  out.push_back(std::move(step));
  return lcd;
}

}  // namespace ondavi::explain

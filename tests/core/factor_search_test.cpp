#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "divisors.h"
#include "failure.h"
#include "module1.h"

namespace ondavi {
namespace {

std::vector<double> List(std::initializer_list<double> factors) {
  std::vector<double> list = {static_cast<double>(factors.size())};
  list.insert(list.end(), factors);
  return list;
}

TEST(FindGcf, FindsTheGreatestCommonFactorAndLeastCommonMultiple) {
  const struct {
    double first, second;
    double gcf, lcm;
    double smaller, larger;
  } cases[] = {
      {4, 6, 2, 12, 4, 6},
      {6, 4, 2, 12, 4, 6},  // exchanged first
      {1, 1, 1, 1, 1, 1},
      {13, 6, 1, 78, 6, 13},
      {0, 5, 5, 0, 0, 5},  // gcd(0, n) = n
      {2, 0, 2, 0, 0, 2},
      {0, 0, 1, 0, 0, 0},
      {-2, 3, 1, -6, -2, 3},  // no common whole factor: Gcf 1, Lcm the product
      {2.5, 5, 1, 12.5, 2.5, 5},
      {9007199254740992.0, 2, 2, 9007199254740992.0, 2, 9007199254740992.0},
      {9007199254740994.0, 2, 1, 18014398509481988.0, 2, 9007199254740994.0},
      {67108859.0 * 67108837.0, 67108837, 67108837, 67108859.0 * 67108837.0, 67108837,
       67108859.0 * 67108837.0},
      {360, 96, 24, 1440, 96, 360},  // a power of two in common, and odd parts that differ
      {8664213173616000.0, 8086598962041600.0, 577614211574400.0, 14.0 * 8664213173616000.0,
       8086598962041600.0, 8664213173616000.0},
      {9007199254740991.0, 9007199254740881.0, 1, 9007199254740881.0 * 9007199254740991.0,
       9007199254740881.0, 9007199254740991.0},  // coprime, near 2^53
  };
  for (const auto& c : cases) {
    Module1 m;
    m.Gcf = 77;  // a stale result must never survive a search
    m.Lcm = 77;
    m.FirstNumber = c.first;
    m.SecondNumber = c.second;
    m.FindGcf();
    EXPECT_EQ(m.Gcf, c.gcf) << c.first << ", " << c.second;
    EXPECT_EQ(m.Lcm, c.lcm) << c.first << ", " << c.second;
    EXPECT_EQ(m.FirstNumber, c.smaller);
    EXPECT_EQ(m.SecondNumber, c.larger);
  }
}

TEST(FindGcf, ListsEveryFactorOfWholeNumbersOnly) {
  Module1 m;
  m.FirstNumber = 13;
  m.SecondNumber = 6;
  m.FindGcf();
  m.FirstNumber = 100;  // lists are made when read, of the numbers the search had
  EXPECT_EQ(m.FactorsA, List({1, 2, 3, 6}));
  EXPECT_EQ(m.FactorsB, List({1, 13}));

  m.FirstNumber = 2.5;
  m.SecondNumber = -4;
  m.FindGcf();
  EXPECT_EQ(m.FactorsA, List({}));
  EXPECT_EQ(m.FactorsB, List({}));

  m.FirstNumber = 0;
  m.SecondNumber = 4;
  m.FindGcf();
  EXPECT_EQ(m.FactorsA, List({}));
  EXPECT_EQ(m.FactorsB, List({1, 2, 4}));

  m.FirstNumber = 55440;  // 120 factors: more than a fixed list of 100 could hold
  m.SecondNumber = 55440;
  m.FindGcf();
  EXPECT_EQ(m.FactorsA[0], 120);
  EXPECT_EQ(m.FactorsA.size(), 121u);
  EXPECT_EQ(m.FactorsA.back(), 55440);
  EXPECT_EQ(m.Gcf, 55440);
}

TEST(FindGcf, AProductBeyondTheDoubleRangeFailsAfterSettingGcf) {
  Module1 m;
  m.Lcm = 5;
  m.FirstNumber = 1e200;
  m.SecondNumber = 1e200;
  EXPECT_THROW(m.FindGcf(), Failure);
  EXPECT_EQ(m.Gcf, 1);
  EXPECT_EQ(m.Lcm, 5);
}

// Checks Divisors against trial division for every n up to a bound and for chosen hard cases.
TEST(Divisors, AgreesWithTrialDivision) {
  const auto by_trial = [](std::uint64_t n) {
    std::vector<std::uint64_t> divisors;
    for (std::uint64_t d = 1; d <= n; ++d) {
      if (n % d == 0) divisors.push_back(d);
    }
    return divisors;
  };
  for (std::uint64_t n = 1; n <= 3000; ++n) ASSERT_EQ(Divisors(n), by_trial(n)) << n;
}

TEST(Divisors, FactorisesLargeNumbers) {
  const struct {
    std::uint64_t n;
    std::vector<std::uint64_t> primes;
  } cases[] = {
      {9007199254740881ull, {9007199254740881ull}},             // prime near 2^53
      {67108859ull * 67108837ull, {67108837ull, 67108859ull}},  // two primes near 2^26
      {963761198400ull, {2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 5, 5, 7, 11, 13, 17, 19, 23}},
      {9973ull * 9973ull * 9967ull, {9967, 9973, 9973}},
      {9007199254740992ull, std::vector<std::uint64_t>(53, 2)},  // 2^53
      {18446744073709551557ull, {18446744073709551557ull}},      // largest 64-bit prime
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PrimeFactors(c.n), c.primes) << c.n;
    const std::vector<std::uint64_t> divisors = Divisors(c.n);
    EXPECT_EQ(std::adjacent_find(divisors.begin(), divisors.end(), std::greater_equal<>()),
              divisors.end());  // strictly increasing
    for (std::uint64_t d : divisors) EXPECT_EQ(c.n % d, 0u);
  }
  EXPECT_EQ(Divisors(963761198400ull).size(), 6720u);
  const std::vector<std::uint64_t> most = Divisors(8086598962041600ull);  // most below 2^53
  EXPECT_EQ(most.size(), 41472u);
  EXPECT_EQ(std::adjacent_find(most.begin(), most.end(), std::greater_equal<>()), most.end());
}

}  // namespace
}  // namespace ondavi

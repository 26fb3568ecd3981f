// For random operands of the kinds a person types, every answer equals the exact value computed
// here with 128-bit integer arithmetic and is in lowest terms, whatever was calculated before; or,
// exactly when a number the calculation forms reaches 2^53, the run is refused as too large.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>

#include "run_calculation.h"

namespace ondavi::testing {
namespace {

__extension__ typedef __int128 Int;  // holds every product of two numbers below 2^53
constexpr Int kExactLimit = Int{1} << 53;

Int Abs(Int x) {
  return x < 0 ? -x : x;
}
Int Gcd(Int a, Int b) {
  a = Abs(a), b = Abs(b);
  while (b != 0) a = std::exchange(b, a % b);
  return a;
}

struct Fraction {
  Int num = 0;
  Int den = 1;  // kept positive; unreduced where the calculator forms it so
};

Fraction Normalised(Fraction f) {
  if (f.den < 0) f.num = -f.num, f.den = -f.den;
  const Int g = Gcd(f.num, f.den);
  return g == 0 ? f : Fraction{f.num / g, f.den / g};
}

// The operand as the calculator forms it, over its own denominator: an empty or zero denominator
// makes the fraction 0/1, and the whole number's sign (or a lone "-") covers the fraction.
Fraction Improper(const std::string& whole, const std::string& num, const std::string& den) {
  const Int d = den.empty() ? 0 : std::stoll(den);
  const Int n = d == 0 || num.empty() ? 0 : std::stoll(num);
  const Int fd = d == 0 ? 1 : d;
  if (whole == "-") return {-n, fd};
  const Int w = whole.empty() ? 0 : std::stoll(whole);
  return {w < 0 ? w * fd - n : w * fd + n, fd};
}

// The unreduced result and whether any number formed on the way (the improper numerators, the
// common denominator, the scaled numerators, the result's parts) reaches 2^53 in magnitude.
struct Outcome {
  Fraction result;
  bool too_large = false;
};

Outcome Exact(Fraction a, Fraction b, const std::string& operation) {
  Outcome o;
  const auto large = [&](Int x) { o.too_large = o.too_large || Abs(x) >= kExactLimit; };
  large(a.num), large(b.num);
  if (operation == "+" || operation == "-") {
    const Int lcm = a.den / Gcd(a.den, b.den) * b.den;
    const Int n1 = lcm / a.den * a.num, n2 = lcm / b.den * b.num;
    large(lcm), large(n1), large(n2);
    o.result = {operation == "+" ? n1 + n2 : n1 - n2, lcm};
  }
  if (operation == "x") o.result = {a.num * b.num, a.den * b.den};
  if (operation == "/") o.result = {a.num * b.den, a.den * b.num};
  large(o.result.num), large(o.result.den);
  return o;
}

// Reads a box as written by the calculator: digits with an optional leading "-" and blanks.
Int Number(std::string text) {
  std::erase(text, ' ');
  return text.empty() ? 0 : std::stoll(text);
}

// A number of one to nine digits: with one to three, results pass 2^31 often while every product
// stays below 2^53; with more, numbers the calculation forms reach 2^53 and must be refused.
std::uint32_t RandomNumber(std::mt19937& rng) {
  const std::uint32_t limits[] = {10,        100,        1000,        10'000,       100'000,
                                  1'000'000, 10'000'000, 100'000'000, 1'000'000'000};
  return static_cast<std::uint32_t>(rng() % limits[rng() % 9]);
}

std::string RandomWhole(std::mt19937& rng) {
  switch (rng() % 6) {
    case 0:
      return "";
    case 1:
      return "-";
    case 2:
      return "0";
    case 3:
      return "-" + std::to_string(1 + RandomNumber(rng));
    default:
      return std::to_string(RandomNumber(rng));
  }
}

std::string RandomDigits(std::mt19937& rng) {
  const unsigned roll = rng() % 8;
  return roll == 0 ? "" : std::to_string(roll == 1 ? 0 : RandomNumber(rng));
}

Operands RandomOperands(std::mt19937& rng) {
  return {RandomWhole(rng), RandomDigits(rng), RandomDigits(rng),
          RandomWhole(rng), RandomDigits(rng), RandomDigits(rng)};
}

TEST(Property, AnswersAreExactAndInLowestTermsAfterAnyEarlierCalculation) {
  std::mt19937 rng(20261208);
  const char* operations[] = {"+", "-", "x", "/"};
  for (int run = 0; run < 4000; ++run) {
    const Operands operands = RandomOperands(rng);
    const std::string operation = operations[run % 4];
    Calculator used;
    used.Run(RandomOperands(rng), operations[rng() % 4]);
    used.prompt.shown.clear();
    Calculator fresh;
    const auto& answer = used.Run(operands, operation);
    ASSERT_EQ(answer, fresh.Run(operands, operation)) << "run " << run;
    ASSERT_EQ(used.module.Work, fresh.module.Work) << "run " << run;

    const std::string where = "run " + std::to_string(run) + ": " + operands[0] + " " +
                              operands[1] + "/" + operands[2] + " " + operation + " " +
                              operands[3] + " " + operands[4] + "/" + operands[5];
    const Outcome outcome = Exact(Improper(operands[0], operands[1], operands[2]),
                                  Improper(operands[3], operands[4], operands[5]), operation);
    if (outcome.too_large || outcome.result.den == 0) {
      ASSERT_EQ(
          used.prompt.shown,
          std::vector<std::string>{outcome.too_large ? kTooLargeMessage : kDivideByZeroMessage})
          << where;
      ASSERT_EQ(used.Text(Box::Text7), "");
      continue;
    }
    ASSERT_TRUE(used.prompt.shown.empty()) << where;
    const Fraction exact = Normalised(outcome.result);

    const Int num = Number(used.Text(Box::Text7));
    const Int den = Number(used.Text(Box::Text8));
    ASSERT_TRUE(num == exact.num && den == exact.den) << where;
    ASSERT_TRUE(Gcd(num, den) == 1) << where;

    const std::string whole_text = used.Text(Box::Text9);
    const bool negative = whole_text.starts_with("-");
    const Int whole = Abs(Number(whole_text));
    const Int mixed_num = Number(used.Text(Box::Text10));
    const Int mixed_den = Number(used.Text(Box::Text11));
    const Fraction part = mixed_den == 0 ? Fraction{0, 1} : Fraction{mixed_num, mixed_den};
    if (Abs(exact.num) >= exact.den) {
      const Fraction mixed =
          Normalised({(whole * part.den + part.num) * (negative ? -1 : 1), part.den});
      ASSERT_TRUE(mixed.num == exact.num && mixed.den == exact.den) << where;
      ASSERT_TRUE(part.num >= 0 && part.num < part.den) << where;
      ASSERT_TRUE(Gcd(part.num, part.den) == 1) << where;
    } else {  // a proper fraction has no mixed form: whole part empty (or "- 0"), fraction 0 0
      ASSERT_TRUE(whole == 0) << where;
      ASSERT_EQ(negative, exact.num < 0) << where;
      ASSERT_EQ(used.Text(Box::Text10), "0") << where;
      ASSERT_EQ(used.Text(Box::Text11), "0") << where;
    }
    const double decimal = static_cast<double>(exact.num) / static_cast<double>(exact.den);
    ASSERT_NEAR(std::stod(used.Text(Box::Text12)), decimal, 1e-14 * std::abs(decimal)) << where;
  }
}

}  // namespace
}  // namespace ondavi::testing

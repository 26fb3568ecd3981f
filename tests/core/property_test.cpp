// For random operands of the kinds a person types, every answer equals the exact value computed
// here with integer arithmetic and is in lowest terms, whatever was calculated before.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>

#include "run_calculation.h"

namespace ondavi::testing {
namespace {

struct Fraction {
  std::int64_t num = 0;
  std::int64_t den = 1;  // kept positive
};

Fraction Normalised(std::int64_t num, std::int64_t den) {
  if (den < 0) num = -num, den = -den;
  const std::int64_t g = std::gcd(num, den);
  return {num / g, den / g};
}

// The value the calculator must read from a whole box and a fraction: an empty or zero
// denominator makes the fraction 0, and the whole number's sign (or a lone "-") covers it.
Fraction OperandValue(const std::string& whole, const std::string& num, const std::string& den) {
  const std::int64_t d = den.empty() ? 0 : std::stoll(den);
  const std::int64_t n = d == 0 || num.empty() ? 0 : std::stoll(num);
  const std::int64_t fd = d == 0 ? 1 : d;
  if (whole == "-") return Normalised(-n, fd);
  const std::int64_t w = whole.empty() ? 0 : std::stoll(whole);
  return Normalised(w < 0 ? w * fd - n : w * fd + n, fd);
}

// Reads a box as written by the calculator: digits with an optional leading "-" and blanks.
std::int64_t Number(std::string text) {
  std::erase(text, ' ');
  return text.empty() ? 0 : std::stoll(text);
}

// A number of one to three digits: results of such operands pass 2^31 often, while every
// product stays far below 2^53.
std::uint32_t RandomNumber(std::mt19937& rng) {
  const std::uint32_t limits[] = {10, 100, 1000};
  return static_cast<std::uint32_t>(rng() % limits[rng() % 3]);
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

    const Fraction a = OperandValue(operands[0], operands[1], operands[2]);
    const Fraction b = OperandValue(operands[3], operands[4], operands[5]);
    if (operation == "/" && b.num == 0) {
      ASSERT_EQ(used.prompt.shown, std::vector<std::string>{kDivideByZeroMessage});
      ASSERT_EQ(used.Text(Box::Text7), "");
      continue;
    }
    ASSERT_TRUE(used.prompt.shown.empty()) << "run " << run;
    Fraction exact;
    if (operation == "+") exact = Normalised(a.num * b.den + b.num * a.den, a.den * b.den);
    if (operation == "-") exact = Normalised(a.num * b.den - b.num * a.den, a.den * b.den);
    if (operation == "x") exact = Normalised(a.num * b.num, a.den * b.den);
    if (operation == "/") exact = Normalised(a.num * b.den, a.den * b.num);

    const std::int64_t num = Number(used.Text(Box::Text7));
    const std::int64_t den = Number(used.Text(Box::Text8));
    const std::string where = "run " + std::to_string(run) + ": " + operands[0] + " " +
                              operands[1] + "/" + operands[2] + " " + operation + " " +
                              operands[3] + " " + operands[4] + "/" + operands[5];
    ASSERT_EQ(num, exact.num) << where;
    ASSERT_EQ(den, exact.den) << where;
    ASSERT_EQ(std::gcd(num, den), 1) << where;

    const std::string whole_text = used.Text(Box::Text9);
    const bool negative = whole_text.starts_with("-");
    const std::int64_t whole = std::llabs(Number(whole_text));
    const std::int64_t mixed_num = Number(used.Text(Box::Text10));
    const std::int64_t mixed_den = Number(used.Text(Box::Text11));
    const Fraction part = mixed_den == 0 ? Fraction{0, 1} : Normalised(mixed_num, mixed_den);
    if (std::llabs(exact.num) >= exact.den) {
      const Fraction mixed =
          Normalised((whole * part.den + part.num) * (negative ? -1 : 1), part.den);
      ASSERT_EQ(mixed.num, exact.num) << where;
      ASSERT_EQ(mixed.den, exact.den) << where;
      ASSERT_LT(part.num, part.den) << where;
      if (mixed_den != 0) {
        ASSERT_EQ(std::gcd(mixed_num, mixed_den), 1) << where;
      }
    } else {  // a proper fraction has no mixed form: whole part empty (or "- 0"), fraction 0 0
      ASSERT_EQ(whole, 0) << where;
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

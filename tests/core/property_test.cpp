// For random operands of the kinds a person types, decimal whole numbers among them, every answer
// equals the exact value computed here with 128-bit integer arithmetic and is in lowest terms,
// whatever was calculated before; or, exactly when a number the calculation forms reaches 2^53, the
// run is refused as too large; a calculation that writes no transcript answers the same.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>

#include "exact_fraction.h"
#include "random_operands.h"
#include "run_calculation.h"

namespace ondavi::testing {
namespace {

using Boxes = std::array<std::string, kBoxCount>;

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
    used.Enter(operands);
    const Boxes entered = used.boxes.texts();
    used.Press(operation);
    const auto& answer = used.boxes.texts();
    const std::string where = "run " + std::to_string(run) + ": " + operands[0] + " " +
                              operands[1] + "/" + operands[2] + " " + operation + " " +
                              operands[3] + " " + operands[4] + "/" + operands[5];
    const Outcome outcome = Exact(Improper(operands[0], operands[1], operands[2]),
                                  Improper(operands[3], operands[4], operands[5]), operation);
    if (outcome.zero_denominator_operand) {  // refused before anything changes
      ASSERT_EQ(used.prompt.shown, std::vector<std::string>{kDivideByZeroMessage}) << where;
      ASSERT_EQ(answer, entered) << where;
      continue;
    }
    ASSERT_EQ(answer, fresh.Run(operands, operation)) << "run " << run;
    ASSERT_EQ(used.module.Work, fresh.module.Work) << "run " << run;
    Calculator silent;  // writes no transcript, and answers the same
    silent.module.KeepWork = false;
    ASSERT_EQ(answer, silent.Run(operands, operation)) << "run " << run;
    ASSERT_EQ(silent.prompt.shown, fresh.prompt.shown) << "run " << run;

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
    if (Abs(exact.num) >= exact.den || exact.num == 0) {  // a whole part, 0 for 0/1
      ASSERT_FALSE(whole_text.empty() || whole_text == "-") << where;
      const Fraction mixed =
          Normalised({(whole * part.den + part.num) * (negative ? -1 : 1), part.den});
      ASSERT_TRUE(mixed.num == exact.num && mixed.den == exact.den) << where;
      ASSERT_TRUE((part.num > 0 && part.num < part.den) || mixed_den == 0) << where;
      ASSERT_TRUE(Gcd(part.num, part.den) == 1) << where;
      // A whole number has no fraction beside it, not even 0 over 0.
      ASSERT_EQ(mixed_den == 0, used.Text(Box::Text10).empty() && used.Text(Box::Text11).empty())
          << where;
    } else {  // a proper fraction: its sign alone in the whole-number box, as the operands write it
      ASSERT_EQ(whole_text, exact.num < 0 ? "-" : "") << where;
      ASSERT_TRUE(mixed_num == Abs(exact.num) && mixed_den == exact.den) << where;
    }
    const double decimal = static_cast<double>(exact.num) / static_cast<double>(exact.den);
    ASSERT_NEAR(std::stod(used.Text(Box::Text12)), decimal, 1e-14 * std::abs(decimal)) << where;
  }
}

}  // namespace
}  // namespace ondavi::testing

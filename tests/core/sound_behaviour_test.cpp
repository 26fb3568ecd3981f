// Cases where a literal reading of the procedure would give a wrong answer or report a failure
// as a result, and the calculator answers soundly instead.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "run_calculation.h"

namespace ondavi::testing {
namespace {

using Boxes = std::array<std::string, kBoxCount>;

TEST(SoundBehaviour, AnswersNegativeMixedNumbersAndDivisors) {
  const struct {
    Operands operands;
    const char* operation;
    Boxes expected;
  } cases[] = {
      // A negative whole number's sign covers its fraction: -3 1/2 is -7/2.
      {{"-3", "1", "2", "", "", ""},
       "+",
       {"-3", "1", "2", "", "0", "1", "- 7", "  2", "- 3", "1", "2", "-3.5"}},
      {{"-0", "1", "2", "", "", ""},
       "+",
       {"-0", "1", "2", "", "0", "1", "- 1", "  2", "-", "1", "2", "-0.5"}},
      {{"1", "1", "2", "-1", "1", "2"},
       "+",
       {"1", "1", "2", "-1", "1", "2", "0", "1", "0", "", "", "0"}},
      // Dividing by a negative operand moves the sign to the numerator.
      {{"", "1", "2", "-", "1", "3"},
       "/",
       {"", "1", "2", "-", "1", "3", "- 3", "  2", "- 1", "1", "2", "-1.5"}},
      {{"-", "1", "2", "-2", "", ""},
       "/",
       {"-", "1", "2", "-2", "0", "1", "1", "4", "", "1", "4", "0.25"}},
      // Reduce exactly up to 2^53, both parts or neither.
      {{"2", "", "", "", "1", "4000000000"},
       "x",
       {"2", "0", "1", "", "1", "4000000000", "1", "2000000000", "", "1", "2000000000",
        "0.0000000005"}},
      {{"", "963761198399", "963761198400", "", "1", "963761198400"},
       "+",
       {"", "963761198399", "963761198400", "", "1", "963761198400", "1", "1", "1", "", "", "1"}},
      {{"", "1", "8086598962041600", "", "1", "8086598962041600"},
       "+",
       {"", "1", "8086598962041600", "", "1", "8086598962041600", "1", "4043299481020800", "", "1",
        "4043299481020800", "2.47322763177447E-16"}},
      {{"", "6442450941", "4294967294", "", "", ""},
       "+",
       {"", "6442450941", "4294967294", "", "0", "1", "3", "2", "1", "1", "2", "1.5"}},
      // A numerator loses only its leading zeros.
      {{"", std::string(40, '0') + "123", "10", "", "", ""},
       "+",
       {"", "123", "10", "", "0", "1", "123", "10", "12", "3", "10", "12.3"}},
      {{"0.3", "1", "2", "", "", ""},
       "+",
       {"0.3", "1", "2", "", "0", "1", "4", "5", "", "4", "5", "0.8"}},
      // A result of exactly 1 has the mixed number 1.
      {{"", "1", "2", "", "1", "2"}, "+", {"", "1", "2", "", "1", "2", "1", "1", "1", "", "", "1"}},
      {{"-", "3", "3", "", "", ""}, "x", {"-", "3", "3", "", "0", "1", "0", "1", "0", "", "", "0"}},
      {{"-", "3", "3", "", "1", "1"},
       "x",
       {"-", "3", "3", "", "1", "1", "- 1", "  1", "- 1", "", "", "-1"}},
      // Factor lists are not limited to 100 entries.
      {{"", "1", "240", "", "1", "231"},
       "x",
       {"", "1", "240", "", "1", "231", "1", "55440", "", "1", "55440", "0.000018037518037518"}},
  };
  for (const auto& test : cases) {
    Calculator c;
    EXPECT_EQ(c.Run(test.operands, test.operation), test.expected)
        << test.operands[0] << " " << test.operands[1] << "/" << test.operands[2] << " "
        << test.operation << " " << test.operands[3] << " " << test.operands[4] << "/"
        << test.operands[5];
    EXPECT_TRUE(c.prompt.shown.empty());
  }
}

TEST(SoundBehaviour, DivisionByANegativeOperandKeepsTheSignInTheAnswerLine) {
  Calculator c;
  c.Run({"", "1", "2", "-", "1", "3"}, "/");
  EXPECT_EQ(c.module.Work,
            "  1/2   /   - -1/3\r    Becomes \r\n"
            " 1/ 2   /  -1/ 3\r\n"
            " 1/ 2   X   3/-1\r\n"
            "    Answer is\r\n"
            "-3/ 2");
}

TEST(SoundBehaviour, TheReductionLinesShowTheReducedAnswerWithItsSign) {
  const struct {
    Operands operands;
    const char* operation;
    const char* ending;
  } cases[] = {
      {{"", "963761198399", "963761198400", "", "1", "963761198400"},
       "+",
       "    After Reduction by GCF 963761198400\r\n 1/ 1"},
      {{"-12", "5", "8", "3", "7", "9"},
       "x",
       "    Answer is\r\n-3434/ 72\r\n    After Reduction by GCF 2\r\n-1717/ 36"},
      {{"-1", "1", "2", "", "1", "2"},
       "+",
       "    Answer is\r\n-2/ 2\r\n    After Reduction by GCF 2\r\n-1/ 1"},
      {{"", "3434", "72", "", "", ""},
       "+",
       "    Answer is\r\n 3434/ 72\r\n    After Reduction by GCF 2\r\n 1717/ 36"},
  };
  for (const auto& test : cases) {
    Calculator c;
    c.Run(test.operands, test.operation);
    EXPECT_TRUE(c.module.Work.Text().ends_with(test.ending)) << c.module.Work.Text();
  }
}

// An answer is exact or refused: every number the calculation forms stays below 2^53, where
// doubles hold every whole number, and such numbers are shown with all their digits.
TEST(SoundBehaviour, AnswersAreExactOrRefusedAsTooLarge) {
  const struct {
    Operands operands;
    const char* operation;
    Boxes expected;
    const char* message;
  } cases[] = {
      {{"999999999999999", "", "", "", "2", "3"},
       "+",
       {"999999999999999", "0", "1", "", "2", "3", "2999999999999999", "3", "999999999999999", "2",
        "3", "1E+15"},
       nullptr},
      {{"", "9007199254740991", "1", "", "", ""},
       "+",
       {"", "9007199254740991", "1", "", "0", "1", "9007199254740991", "1", "9007199254740991", "",
        "", "9007199254740991"},
       nullptr},
      // Scaled numerators beyond 2^53.
      {{"380238", "425895", "452317", "375576", "876229", "299928"},
       "-",
       {"380238", "425895", "452317", "375576", "876229", "299928", "", "", "", "", "", ""},
       kTooLargeMessage},
      // The product reaches 2^53, or passes it.
      {{"4503599627370496", "", "", "2", "", ""},
       "x",
       {"4503599627370496", "0", "1", "2", "0", "1", "", "", "", "", "", ""},
       kTooLargeMessage},
      {{"94906267", "", "", "94906267", "", ""},
       "x",
       {"94906267", "0", "1", "94906267", "0", "1", "", "", "", "", "", ""},
       kTooLargeMessage},
      // An operand box beyond 2^53 stops the run before anything changes.
      {{"", std::string(40, '9'), "7", "", "1", "2"},
       "+",
       {"", std::string(40, '9'), "7", "", "1", "2", "", "", "", "", "", ""},
       kTooLargeMessage},
      {{"1e20", "", "", "", "1", "2"},
       "+",
       {"1e20", "", "", "", "1", "2", "", "", "", "", "", ""},
       kTooLargeMessage},
      {{"3e155", "", "", "2e155", "", ""},
       "/",
       {"3e155", "", "", "2e155", "", "", "", "", "", "", "", ""},
       kTooLargeMessage},
      {{"9e15", "", "", "3e-308", "", ""},
       "/",
       {"9e15", "", "", "3e-308", "", "", "", "", "", "", "", ""},
       kTooLargeMessage},
      {{"", "12345678901234567", "10", "", "", "1"},
       "+",
       {"", "12345678901234567", "10", "", "", "1", "", "", "", "", "", ""},
       kTooLargeMessage},
  };
  for (const auto& test : cases) {
    Calculator c;
    EXPECT_EQ(c.Run(test.operands, test.operation), test.expected) << test.operands[0];
    EXPECT_EQ(c.prompt.shown,
              test.message ? std::vector<std::string>{test.message} : std::vector<std::string>{});
    if (test.message && !c.module.Work.empty()) {  // stopped by a number formed on the way
      EXPECT_TRUE(
          c.module.Work.Text().ends_with("    Answer is\r\nNumbers too large to calculate."));
    }
  }
}

// A decimal in a whole-number box is the exact fraction its digits write, so that the answer is a
// fraction of whole numbers whose mixed number agrees with it.
TEST(SoundBehaviour, DecimalWholeNumbersAreTheFractionsTheirDigitsWrite) {
  const struct {
    Operands operands;
    const char* operation;
    std::array<std::string, 6> answer;  // Text7 to Text12; all empty when refused
  } cases[] = {
      {{"0.25", "", "", "", "1", "2"}, "+", {"3", "4", "", "3", "4", "0.75"}},
      {{"2.5", "", "", "", "1", "3"}, "+", {"17", "6", "2", "5", "6", "2.83333333333333"}},
      {{"1.25", "", "", "0.5", "", ""}, "/", {"5", "2", "2", "1", "2", "2.5"}},
      {{"0.1", "", "", "0.2", "", ""}, "+", {"3", "10", "", "3", "10", "0.3"}},
      {{"12345678901234.56", "", "", "0", "", ""},
       "+",
       {"308641972530864", "25", "12345678901234", "14", "25", "12345678901234.6"}},
      {{"-2.5", "1", "3", "", "", ""}, "+", {"- 17", "  6", "- 2", "5", "6", "-2.83333333333333"}},
      {{"1e-3", "", "", "-0.5", "", ""}, "x", {"- 1", "  2000", "-", "1", "2000", "-0.0005"}},
      {{"0.1234567890123456", "", "", "", "", ""},
       "+",
       {"19290123283179", "156250000000000", "", "19290123283179", "156250000000000",
        "0.123456789012346"}},
      // The product of the denominators reaches 2^53.
      {{"0.000000001", "1", "9007200", "", "", ""}, "+", {"", "", "", "", "", ""}},
      // Whole numbers however written, as before.
      {{"2.0", "", "", "1.5e2", "", ""}, "+", {"152", "1", "152", "", "", "152"}},
      {{"&H10", "1", "2", "", "", ""}, "+", {"33", "2", "16", "1", "2", "16.5"}},
  };
  for (const auto& test : cases) {
    Calculator c;
    const auto& boxes = c.Run(test.operands, test.operation);
    EXPECT_EQ(std::vector<std::string>(boxes.begin() + 6, boxes.end()),
              std::vector<std::string>(test.answer.begin(), test.answer.end()))
        << test.operands[0] << " " << test.operation << " " << test.operands[3];
    EXPECT_EQ(boxes[0], test.operands[0]);  // kept as typed
    EXPECT_EQ(c.prompt.shown.empty(), !test.answer[0].empty()) << test.operands[0];
  }
  // Refused before anything is calculated, the earlier answer taken away: the exact fraction is
  // beyond 2^53.
  for (const char* whole : {"4503599627370496.5", "1e-400", "0.12345678901234567"}) {
    Calculator c;
    c.Run({"1", "1", "2", "", "", ""}, "+");
    EXPECT_EQ(c.Run({whole, "", "", "", "", ""}, "+"),
              (Boxes{whole, "", "", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(c.prompt.shown, std::vector<std::string>{kTooLargeMessage}) << whole;
  }
}

TEST(SoundBehaviour, TheStepsShowDecimalWholeNumbersAsFractions) {
  const struct {
    Operands operands;
    const char* operation;
    const char* work;
  } cases[] = {
      {{"0.25", "", "", "", "1", "2"},
       "+",
       " 0.25 0/1   +    1/2\r    Becomes \r\n 1/ 4   +   2/ 4\r\n    Answer is\r\n 3/ 4"},
      {{"1.25", "", "", "0.5", "", ""},
       "/",
       " 1.25 0/1   /   0.5 0/1\r    Becomes \r\n 5/ 4   /   1/ 2\r\n 5/ 4   X   2/ 1\r\n"
       "    Answer is\r\n 10/ 4\r\n    After Reduction by GCF 2\r\n 5/ 2"},
  };
  for (const auto& test : cases) {
    Calculator c;
    c.Run(test.operands, test.operation);
    EXPECT_EQ(c.module.Work, test.work);
  }
}

TEST(SoundBehaviour, DivisionByZeroShowsAMessageInsteadOfAnAnswer) {
  Calculator c;
  c.Run({"-", "1", "2", "", "", ""}, "/");
  EXPECT_EQ(c.prompt.shown, std::vector<std::string>{kDivideByZeroMessage});
  EXPECT_EQ(c.boxes.texts(), (Boxes{"-", "1", "2", "", "0", "1", "", "", "", "", "", ""}));
  EXPECT_EQ(c.module.Work,
            " - -1/2   /    0/1\r    Becomes \r\n"
            "-1/ 2   /   0/ 1\r\n"
            "-1/ 2   X   1/ 0\r\n"
            "    Answer is\r\n"
            "Cannot divide by zero.");
}

TEST(SoundBehaviour, OverflowShowsAMessageInsteadOfAnAnswer) {
  Calculator c;
  c.Run({"1", "1", "2", "", "2", "3"}, "+");  // answers that must not survive
  c.Run({"-", "1", "2", "94906265", "", ""}, "x");
  ASSERT_TRUE(c.prompt.shown.empty());
  c.Run({"94906267", "", "", "94906267", "", ""}, "x");
  EXPECT_EQ(c.prompt.shown, std::vector<std::string>{kTooLargeMessage});
  EXPECT_EQ(c.boxes.texts(),
            (Boxes{"94906267", "0", "1", "94906267", "0", "1", "", "", "", "", "", ""}));
  EXPECT_EQ(c.module.Work.Text().substr(c.module.Work.Text().rfind("    Answer is")),
            "    Answer is\r\nNumbers too large to calculate.");
}

TEST(SoundBehaviour, NoAnswerDependsOnAnEarlierCalculation) {
  const Operands later = {"", "1", "2", "", "1", "2"};
  Calculator fresh;
  const Boxes expected = fresh.Run(later, "-");
  for (const Operands& earlier : std::array<Operands, 3>{{{"", "1", "240", "", "1", "231"},
                                                          {"2.5", "", "", "", "", ""},
                                                          {"", "5", "7", "", "", ""}}}) {
    Calculator c;
    c.Run(earlier, "x");
    EXPECT_EQ(c.Run(later, "-"), expected);
    EXPECT_EQ(c.module.Work, fresh.module.Work);
  }
}

}  // namespace
}  // namespace ondavi::testing

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
       {"-0", "1", "2", "", "0", "1", "- 1", "  2", "- 0", "0", "0", "-0.5"}},
      {{"1", "1", "2", "-1", "1", "2"},
       "+",
       {"1", "1", "2", "-1", "1", "2", "0", "1", "", "0", "0", "0"}},
      // Dividing by a negative operand moves the sign to the numerator.
      {{"", "1", "2", "-", "1", "3"},
       "/",
       {"", "1", "2", "-", "1", "3", "- 3", "  2", "- 1", "1", "2", "-1.5"}},
      {{"-", "1", "2", "-2", "", ""},
       "/",
       {"-", "1", "2", "-2", "0", "1", "1", "4", "", "0", "0", "0.25"}},
      // Reduce exactly up to 2^53, both parts or neither.
      {{"2", "", "", "", "1", "4000000000"},
       "x",
       {"2", "0", "1", "", "1", "4000000000", "1", "2000000000", "", "0", "0", "0.0000000005"}},
      {{"", "963761198399", "963761198400", "", "1", "963761198400"},
       "+",
       {"", "963761198399", "963761198400", "", "1", "963761198400", "1", "1", "1", "0", "0", "1"}},
      {{"", "1", "8086598962041600", "", "1", "8086598962041600"},
       "+",
       {"", "1", "8086598962041600", "", "1", "8086598962041600", "1", "4.0432994810208E+15", "",
        "0", "0", "2.47322763177447E-16"}},
      {{"", "6442450941", "4294967294", "", "", ""},
       "+",
       {"", "6442450941", "4294967294", "", "0", "1", "3", "2", "1", "1", "2", "1.5"}},
      // Where only the factor is read, a product beyond the double range is no failure.
      {{"3e155", "", "", "2e155", "", ""},
       "/",
       {"3e155", "0", "1", "2e155", "0", "1", "3E+155", "2E+155", "1", "1E+155", "2E+155", "1.5"}},
      // A numerator keeps the digits typed, however many.
      {{"", "12345678901234567", "10", "", "", ""},
       "x",
       {"", "12345678901234567", "10", "", "0", "1", "0", "1", "", "0", "0", "0"}},
      {{"", "12345678901234567", "10", "", "", "1"},
       "+",
       {"", "12345678901234567", "10", "", "0", "1", "1.23456789012346E+16", "10",
        "1.23456789012346E+15", "4", "5", "1.23456789012346E+15"}},
      {{"0.3", "1", "2", "", "", ""},
       "+",
       {"0.3", "1", "2", "", "0", "1", "1.6", "2", "", "0", "0", "0.8"}},
      // A result of exactly 1 has the mixed number 1.
      {{"", "1", "2", "", "1", "2"},
       "+",
       {"", "1", "2", "", "1", "2", "1", "1", "1", "0", "0", "1"}},
      {{"-", "3", "3", "", "", ""},
       "x",
       {"-", "3", "3", "", "0", "1", "0", "1", "", "0", "0", "0"}},
      {{"-", "3", "3", "", "1", "1"},
       "x",
       {"-", "3", "3", "", "1", "1", "- 1", "  1", "- 1", "0", "0", "-1"}},
      // Factor lists are not limited to 100 entries.
      {{"", "1", "240", "", "1", "231"},
       "x",
       {"", "1", "240", "", "1", "231", "1", "55440", "", "0", "0", "0.000018037518037518"}},
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

TEST(SoundBehaviour, TheReductionLinesFollowAnExactReductionBeyond32Bits) {
  Calculator c;
  c.Run({"", "963761198399", "963761198400", "", "1", "963761198400"}, "+");
  EXPECT_TRUE(c.module.Work.ends_with("    After Reduction by GCF 963761198400\r\n 1/ 1"))
      << c.module.Work;
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
  c.Run({"-", "1", "2", "1e300", "", ""}, "x");
  c.Run({"1e300", "", "", "-", "", ""}, "x");
  ASSERT_TRUE(c.prompt.shown.empty());
  c.Run({"1e200", "", "", "1e200", "", ""}, "x");
  EXPECT_EQ(c.prompt.shown, std::vector<std::string>{kTooLargeMessage});
  EXPECT_EQ(c.boxes.texts(), (Boxes{"1e200", "0", "1", "1e200", "0", "1", "", "", "", "", "", ""}));
  EXPECT_EQ(c.module.Work.substr(c.module.Work.rfind("    Answer is")),
            "    Answer is\r\nNumbers too large to calculate.");

  Calculator d;
  d.Run({"1e300", "", "", "1e-10", "", ""}, "/");  // the operands fit, their quotient does not
  EXPECT_EQ(d.prompt.shown, std::vector<std::string>{kTooLargeMessage});
  EXPECT_EQ(d.boxes.texts(), (Boxes{"1e300", "0", "1", "1e-10", "0", "1", "", "", "", "", "", ""}));
  EXPECT_EQ(d.module.Work.substr(d.module.Work.rfind("    Answer is")),
            "    Answer is\r\n 1E+300/ 0.0000000001\r\nNumbers too large to calculate.");
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

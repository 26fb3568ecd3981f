#include <gtest/gtest.h>

#include <array>
#include <string>

#include "run_calculation.h"

namespace ondavi::testing {
namespace {

using Boxes = std::array<std::string, kBoxCount>;

TEST(Calculate, WorkedExampleMixedPlusProper) {
  Calculator c;
  EXPECT_EQ(c.Run({"1", "1", "2", "", "2", "3"}, "+"),
            (Boxes{"1", "1", "2", "", "2", "3", "13", "6", "2", "1", "6", "2.16666666666667"}));
  EXPECT_EQ(c.module.Work,
            " 1 1/2   +    2/3\r    Becomes \r\n"
            " 9/ 6   +   4/ 6\r\n"
            "    Answer is\r\n"
            " 13/ 6");
  EXPECT_EQ(c.module.Gcf, 1);
  EXPECT_TRUE(c.prompt.shown.empty());
}

TEST(Calculate, WorkedExampleWithReduction) {
  Calculator c;
  EXPECT_EQ(c.Run({"", "1", "2", "", "1", "6"}, "+"),
            (Boxes{"", "1", "2", "", "1", "6", "2", "3", "", "2", "3", "0.666666666666667"}));
  EXPECT_EQ(c.module.Work,
            "  1/2   +    1/6\r    Becomes \r\n"
            " 3/ 6   +   1/ 6\r\n"
            "    Answer is\r\n"
            " 4/ 6\r\n"
            "    After Reduction by GCF 2\r\n"
            " 2/ 3");
}

TEST(Calculate, AnswersEachOperator) {
  const struct {
    Operands operands;
    const char* operation;
    Boxes expected;
  } cases[] = {
      {{"", "", "", "", "", ""}, "+", {"", "0", "1", "", "0", "1", "0", "1", "0", "", "", "0"}},
      // An empty or zero numerator over an empty or zero denominator is 0/1.
      {{"", "00", "", "", "1", "2"},
       "+",
       {"", "0", "1", "", "1", "2", "1", "2", "", "1", "2", "0.5"}},
      {{"3", "", "0", "", "", ""}, "+", {"3", "0", "1", "", "0", "1", "3", "1", "3", "", "", "3"}},
      {{"", "6", "3", "", "", ""}, "+", {"", "6", "3", "", "0", "1", "2", "1", "2", "", "", "2"}},
      {{"", "1", "2", "", "1", "2"}, "-", {"", "1", "2", "", "1", "2", "0", "1", "0", "", "", "0"}},
      {{"", "1", "3", "", "1", "2"},
       "-",
       {"", "1", "3", "", "1", "2", "- 1", "  6", "-", "1", "6", "-0.166666666666667"}},
      {{"2", "1", "3", "1", "1", "2"},
       "x",
       {"2", "1", "3", "1", "1", "2", "7", "2", "3", "1", "2", "3.5"}},
      {{"", "1", "2", "", "1", "3"},
       "/",
       {"", "1", "2", "", "1", "3", "3", "2", "1", "1", "2", "1.5"}},
      {{"", "007", "2", "", "", "0"},
       "+",
       {"", "7", "2", "", "0", "1", "7", "2", "3", "1", "2", "3.5"}},
      {{"-", "1", "2", "", "", ""},
       "+",
       {"-", "1", "2", "", "0", "1", "- 1", "  2", "-", "1", "2", "-0.5"}},
      {{"-", "6", "3", "", "", ""},
       "+",
       {"-", "6", "3", "", "0", "1", "- 2", "  1", "- 2", "", "", "-2"}},
      {{"-", "7", "3", "", "", ""},
       "+",
       {"-", "7", "3", "", "0", "1", "- 7", "  3", "- 2", "1", "3", "-2.33333333333333"}},
      {{"1.5", "", "", "", "", ""},
       "+",
       {"1.5", "0", "1", "", "0", "1", "3", "2", "1", "1", "2", "1.5"}},
      {{"&H10", "", "", " ", "", ""},
       "x",
       {"&H10", "0", "1", " ", "0", "1", "0", "1", "0", "", "", "0"}},
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

TEST(Calculate, SubtractingEqualFractionsReducesByTheCommonDenominatorsFactor) {
  Calculator c;
  c.Run({"", "1", "2", "", "1", "2"}, "-");
  EXPECT_EQ(c.module.Work,
            "  1/2   -    1/2\r    Becomes \r\n"
            " 1/ 2   -   1/ 2\r\n"
            "    Answer is\r\n"
            " 0/ 2\r\n"
            "    After Reduction by GCF 2\r\n"
            " 0/ 1");
}

TEST(Calculate, DivisionShowsTheInvertedSecondOperand) {
  Calculator c;
  c.Run({"", "1", "2", "", "1", "3"}, "/");
  EXPECT_EQ(c.module.Work,
            "  1/2   /    1/3\r    Becomes \r\n"
            " 1/ 2   /   1/ 3\r\n"
            " 1/ 2   X   3/ 1\r\n"
            "    Answer is\r\n"
            " 3/ 2");
}

// A run stopped before anything is calculated changes no box, but for a number too large to
// calculate, which leaves no earlier answer beside the operands.
TEST(Calculate, EntryChecksStopTheRunBeforeAnythingIsCalculated) {
  const struct {
    Operands operands;
    const char* message;
  } cases[] = {
      {{"", "-1", "2", "", "", ""}, kNegativeSignMessage},
      {{"", "1", "2", "", "", "-3"}, kNegativeSignMessage},
      {{"", "1 ", "2", "", "", ""}, kNonNumericMessage},
      {{"", "1", ".", "", "", ""}, kNonNumericMessage},
      {{"", "1", "2", "", "+1", ""}, kNonNumericMessage},
      {{"", "1", "2", "", "", "x"}, kNonNumericMessage},
      {{"", "1", "2", "", "", "\xc2\xbd"}, kNonNumericMessage},  // "½"
      // A whole-number box that Val would read only in part.
      {{"1 1/2", "", "", "", "", ""}, kNonNumericMessage},
      {{"3/4", "", "", "", "1", "3"}, kNonNumericMessage},
      {{"1,5", "", "", "", "1", "3"}, kNonNumericMessage},
      {{"", "1", "2", "12abc", "", ""}, kNonNumericMessage},
      {{"abc", "", "", "", "", ""}, kNonNumericMessage},
      {{"+", "", "", ".", "", ""}, kNonNumericMessage},
      {{"&H", "", "", "", "", ""}, kNonNumericMessage},
      {{"", "", "", "1e", "", ""}, kNonNumericMessage},
      {{"&H1G", "", "", "", "", ""}, kNonNumericMessage},
      {{" - ", "1", "2", "", "", ""}, kNonNumericMessage},  // a sign alone is "-" exactly
      {{"1e400", "1", "2", "", "", ""}, kTooLargeMessage},
      {{"", "1", "2", "", std::string(400, '9'), ""}, kTooLargeMessage},
      {{"-9007199254740992", "", "", "", "", ""}, kTooLargeMessage},  // 2^53
      {{"", "", "", "", "1", "9007199254740992"}, kTooLargeMessage},
      // A numerator over an empty or zero denominator.
      {{"1", "3", "", "", "", ""}, kDivideByZeroMessage},
      {{"", "5", "0", "", "1", "2"}, kDivideByZeroMessage},
      {{"", "1", "2", "", "7", ""}, kDivideByZeroMessage},
      {{"-", "5", "00", "", "", ""}, kDivideByZeroMessage},
  };
  for (const auto& test : cases) {
    Calculator c;
    c.Run({"1", "1", "2", "", "2", "3"}, "+");
    const Boxes before = c.boxes.texts();
    const std::string work_before = c.module.Work;
    c.Enter(test.operands);
    Boxes expected = before;
    for (int i = 0; i < 6; ++i) expected[i] = test.operands[i];
    if (test.message == std::string(kTooLargeMessage)) {
      for (int i = 6; i < kBoxCount; ++i) expected[i] = "";
    }
    c.Press("x");
    EXPECT_EQ(c.prompt.shown, std::vector<std::string>{test.message}) << test.operands[1];
    EXPECT_EQ(c.boxes.texts(), expected);
    EXPECT_EQ(c.module.Work, work_before);
  }
}

TEST(Calculate, WholeBoxesTakeAnythingValReadsToTheEnd) {
  const struct {
    const char* whole;
    const char* decimal;  // of whole and 1/2
  } cases[] = {
      {"", "0.5"},      {"  ", "0.5"},  {"-", "-0.5"},     {"- 3", "-3.5"},   {"+1", "1.5"},
      {"1.5", "2"},     {"-0", "-0.5"}, {"1e3", "1000.5"}, {"1d-3", "0.501"}, {"&H1F", "31.5"},
      {"&O17", "15.5"}, {".5", "1"},    {"1.", "1.5"},     {"\t2\n", "2.5"},
  };
  for (const auto& test : cases) {
    Calculator c;
    c.Run({test.whole, "1", "2", "", "", ""}, "+");
    EXPECT_TRUE(c.prompt.shown.empty()) << '"' << test.whole << '"';
    EXPECT_EQ(c.Text(Box::Text12), test.decimal) << '"' << test.whole << '"';
    EXPECT_EQ(c.Text(Box::Text1), test.whole);
  }
}

}  // namespace
}  // namespace ondavi::testing

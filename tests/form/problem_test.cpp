// Whole problems read from one line, as typed or pasted, into their steps: each step's operands
// as the texts of their boxes (or the answer of an earlier step) and its operator; and lines
// that are no whole problem.
#include "problem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ondavi::form {
namespace {

// "(3|1|4)" for an operand's three box texts, "#1" for the answer of the first step.
std::string Described(const Problem& problem, const StepOperand& operand) {
  if (operand.earlier_step >= 0) return "#" + std::to_string(operand.earlier_step + 1);
  const OperandTexts& texts = problem.Written(operand);
  return "(" + texts[0] + "|" + texts[1] + "|" + texts[2] + ")";
}

std::vector<std::string> Described(const Problem& problem) {
  const char* operators[] = {"", "+", "-", "x", "/"};
  std::vector<std::string> steps;
  for (const Step& step : problem.steps) {
    steps.push_back(Described(problem, step.first) + " " +
                    operators[static_cast<int>(step.action)] + " " +
                    Described(problem, step.second));
  }
  return steps;
}

TEST(ReadProblem, PutsEachPartInTheBoxThatTakesItAndEachStepInTheOrderOfWork) {
  const struct {
    const char* line;
    std::vector<std::string> steps;
  } cases[] = {
      {"3 1/4 - 1 2/3", {"(3|1|4) - (1|2|3)"}},
      {"-3 1/4 + -1/4", {"(-3|1|4) + (-|1|4)"}},
      {"5 x 2/3 =", {"(5||) x (|2|3)"}},
      {"  -5 * 1.5\r\n", {"(-5||) x (1.5||)"}},
      {"1/2 / 1/3", {"(|1|2) / (|1|3)"}},
      {"1/2 /1/3", {"(|1|2) / (|1|3)"}},
      {"6\u00F73", {"(6||) / (3||)"}},    // ÷
      {"6 \u00D7 3", {"(6||) x (3||)"}},  // ×
      {"6 \u00B7 3", {"(6||) x (3||)"}},  // the middle dot of German and Russian schoolbooks
      {"6 : 3", {"(6||) / (3||)"}},       // and their colon for division
      {"2X3", {"(2||) x (3||)"}},
      {"1-2", {"(1||) - (2||)"}},
      {"1--2", {"(1||) - (-2||)"}},
      {".5 + 1.", {"(.5||) + (1.||)"}},
      {"\u22121\u20442 \u2212 \u00BD", {"(-|1|2) - (|1|2)"}},
      {"1\u00BD + \u00BE", {"(1|1|2) + (|3|4)"}},  // 1½ + ¾
      {"1/99999999999999999999 + 1", {"(|1|99999999999999999999) + (1||)"}},
      // What word processors and phones write: an en dash, a division slash, a figure space,
      // an ideographic space, full-width digits, operators and brackets.
      {"3 1/4 \u2013 1 2/3", {"(3|1|4) - (1|2|3)"}},
      {"1\u22152 \u2215 1\u22153", {"(|1|2) / (|1|3)"}},
      {"3\u20071/4\u3000+\u00A01", {"(3|1|4) + (1||)"}},
      {"\uFF11\uFF0F\uFF12\uFF0B\uFF08\uFF13\uFF0D\uFF11\uFF09", {"(3||) - (1||)", "(|1|2) + #1"}},
      // Order: x and / before + and -, the same rank from left to right, brackets first.
      {"1/2 + 1/3 x 3/4 - 1/5", {"(|1|3) x (|3|4)", "(|1|2) + #1", "#2 - (|1|5)"}},
      {"1/2 x 1/3 + 1/4 x 1/5", {"(|1|2) x (|1|3)", "(|1|4) x (|1|5)", "#1 + #2"}},
      {"1 / 2 / 3", {"(1||) / (2||)", "#1 / (3||)"}},
      {"1 - 2 + 3", {"(1||) - (2||)", "#1 + (3||)"}},
      {"(2/3 + 1/4) \u00F7 5/6", {"(|2|3) + (|1|4)", "#1 / (|5|6)"}},
      {"(1/2)/(1/3)", {"(|1|2) / (|1|3)"}},
      {"2 - (1/2 + 1/3)", {"(|1|2) + (|1|3)", "(2||) - #1"}},
      {"((1 + 2) x (3 - 4)) / -5 =", {"(1||) + (2||)", "(3||) - (4||)", "#1 x #2", "#3 / (-5||)"}},
      {"3 1/4 - 1 2/3 x 1/2", {"(1|2|3) x (|1|2)", "(3|1|4) - #1"}},
  };
  for (const auto& test : cases) {
    const std::optional<Problem> problem = ReadProblem(test.line);
    ASSERT_TRUE(problem) << test.line;
    EXPECT_EQ(Described(*problem), test.steps) << test.line;
    EXPECT_FALSE(problem->zero_denominator) << test.line;
  }
}

TEST(ReadProblem, MarksAnOperandWrittenWithAZeroDenominator) {
  for (const char* line : {"-0 1/2 + 007/0", "5/0 + 1", "1 1/0 x 3", "1 + (2 - 3/00)"}) {
    const std::optional<Problem> problem = ReadProblem(line);
    ASSERT_TRUE(problem) << line;
    EXPECT_TRUE(problem->zero_denominator) << line;
  }
}

TEST(ReadProblem, RefusesWhatIsNoWholeProblem) {
  for (const char* line :
       {"", "3 1/4", "(1/2)", "1/2/3", "1/2/3/4", "1 + ", "+ 1", "1 + + 2", "1 2 + 3", "1 -1/2 3",
        "1/-2 + 1", "a + b", "1,5 + 2", "+1 + 2", "1 + 2 = 3", "1.5 1/2 + 1", "1 1/2/3 + 1",
        "\u00BD\u00BD + 1", "1\u20442 \u2044 3", "1.5/2 + 1",
        // brackets: unbalanced, empty, side by side, and a minus sign before one
        "(1 + 2", "1 + 2)", "() + 1", "1/2 (1/3)", "(1/2)(1/3)", "2 (1 + 1)", "-(1/2 + 1/3)",
        "2 x -(1/3)", "(1 + 2 =)",
        // not UTF-8: a stray byte, an overlong "+", a surrogate, a truncated sequence
        "\xff + 1", "1 \xc0\xab 2", "1 \xed\xa0\x80 2", "1 + \xe2\x88"}) {
    EXPECT_FALSE(ReadProblem(line)) << line;
  }
}

TEST(ReadProblem, ReadsLongChainsAndDeepBrackets) {
  std::string chain = "1";
  for (int i = 0; i < 1000; ++i) chain += i % 2 ? " + 1/2" : " x 3";
  const std::optional<Problem> long_one = ReadProblem(chain);
  ASSERT_TRUE(long_one);
  EXPECT_EQ(long_one->steps.size(), 1000u);

  const std::string deep = std::string(50, '(') + "1 + 1" + std::string(50, ')') + " x 2";
  const std::optional<Problem> deep_one = ReadProblem(deep);
  ASSERT_TRUE(deep_one);
  EXPECT_EQ(Described(*deep_one), (std::vector<std::string>{"(1||) + (1||)", "#1 x (2||)"}));
}

}  // namespace
}  // namespace ondavi::form

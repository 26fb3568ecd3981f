// Whole problems read from one line, as typed or pasted, into the six operand boxes' texts and
// the operator; and lines that are no whole problem.
#include "problem.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace ondavi::form {
namespace {

TEST(ReadProblem, PutsEachPartInTheBoxThatTakesIt) {
  using Texts = std::array<std::string, 6>;
  const struct {
    const char* line;
    Texts operands;
    Action action;
  } cases[] = {
      {"3 1/4 - 1 2/3", {"3", "1", "4", "1", "2", "3"}, Action::kSubtract},
      {"-3 1/4 + -1/4", {"-3", "1", "4", "-", "1", "4"}, Action::kAdd},
      {"5 x 2/3 =", {"5", "", "", "", "2", "3"}, Action::kMultiply},
      {"  -5 * 1.5\r\n", {"-5", "", "", "1.5", "", ""}, Action::kMultiply},
      {"1/2 / 1/3", {"", "1", "2", "", "1", "3"}, Action::kDivide},
      {"1/2 /1/3", {"", "1", "2", "", "1", "3"}, Action::kDivide},
      {"6\u00F73", {"6", "", "", "3", "", ""}, Action::kDivide},      // ÷
      {"6 \u00D7 3", {"6", "", "", "3", "", ""}, Action::kMultiply},  // ×
      {"2X3", {"2", "", "", "3", "", ""}, Action::kMultiply},
      {"1-2", {"1", "", "", "2", "", ""}, Action::kSubtract},
      {"1--2", {"1", "", "", "-2", "", ""}, Action::kSubtract},
      {"\u22121\u20442 \u2212 \u00BD", {"-", "1", "2", "", "1", "2"}, Action::kSubtract},
      {"1\u00BD + \u00BE", {"1", "1", "2", "", "3", "4"}, Action::kAdd},  // 1½ + ¾
      {"-0 1/2 + 007/0", {"-0", "1", "2", "", "007", "0"}, Action::kAdd},
      {"1/99999999999999999999 + 1", {"", "1", "99999999999999999999", "1", "", ""},
       Action::kAdd},
  };
  for (const auto& test : cases) {
    const std::optional<Problem> problem = ReadProblem(test.line);
    ASSERT_TRUE(problem) << test.line;
    EXPECT_EQ(problem->operands, test.operands) << test.line;
    EXPECT_EQ(problem->action, test.action) << test.line;
  }
}

TEST(ReadProblem, RefusesWhatIsNoWholeProblem) {
  for (const char* line : {"", "3 1/4", "1/2/3", "1/2/3/4", "1 + 2 + 3", "1 + ", "+ 1",
                           "1 2 + 3", "1 -1/2 3", "1/-2 + 1", "1 / 2 / 3", "a + b", "1,5 + 2",
                           "+1 + 2", "1 + 2 = 3", "1.5 1/2 + 1", "1 1/2/3 + 1", "½½ + 1",
                           "1\u20442 \u2044 3", "\xff + 1"}) {
    EXPECT_FALSE(ReadProblem(line)) << line;
  }
}

}  // namespace
}  // namespace ondavi::form

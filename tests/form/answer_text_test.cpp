// The answer boxes' mixed number, and the answer as a screen reader hears it and as the answer
// line writes it: the three agree, in the operand boxes' convention (a lone "-" in the
// whole-number box makes the fraction beside it negative; no "0" over "0").
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "answer_text.h"
#include "form_actions.h"
#include "recording_prompt.h"
#include "translation.h"

namespace ondavi::form {
namespace {

class AnswerText : public ::testing::Test {
 protected:
  void TearDown() override { ChooseLanguage({}); }  // English again for the other tests

  // The mixed number's three boxes after solving `problem`.
  std::array<std::string, 3> Solve(const char* problem) {
    EXPECT_TRUE(actions_.Solve(problem)) << problem;
    EXPECT_TRUE(prompt_.shown.empty()) << problem;
    return {boxes_.Text(Box::Text9), boxes_.Text(Box::Text10), boxes_.Text(Box::Text11)};
  }
  const BoxPanel& boxes() const { return boxes_; }

 private:
  Module1 module_;
  InMemoryBoxPanel boxes_;
  testing::RecordingPrompt prompt_;
  FormActions actions_{module_, boxes_, prompt_};
};

TEST_F(AnswerText, TheMixedNumberTheSpokenAnswerAndTheAnswerLineAgree) {
  const struct {
    const char* problem;
    std::array<std::string, 3> mixed;  // Text9, Text10, Text11
    const char* spoken;
    const char* line;
  } cases[] = {
      {"1 1/2 + 2/3",
       {"2", "1", "6"},
       "13 over 6, mixed number 2 and 1 over 6, decimal 2.16666666666667",
       "13/6 = 2 1/6 = 2.16666666666667"},
      {"2 1/2 / 1 1/4", {"2", "", ""}, "2 over 1, mixed number 2, decimal 2", "2/1 = 2 = 2"},
      {"-6/3 + 0",
       {"- 2", "", ""},
       "minus 2 over 1, mixed number minus 2, decimal -2",
       "-2/1 = -2 = -2"},
      {"1/2 + 1/3",
       {"", "5", "6"},
       "5 over 6, decimal 0.833333333333333",
       "5/6 = 0.833333333333333"},
      {"3/5 - 5/8", {"-", "1", "40"}, "minus 1 over 40, decimal -0.025", "-1/40 = -0.025"},
      {"1/2 - 1/2", {"0", "", ""}, "0 over 1, decimal 0", "0/1 = 0"},
      {"-7/3 + 0",
       {"- 2", "1", "3"},
       "minus 7 over 3, mixed number minus 2 and 1 over 3, decimal -2.33333333333333",
       "-7/3 = -2 1/3 = -2.33333333333333"},
      // The decimal is rounded once, from the exact answer 0.70588235294117647…
      {"12/17 + 0",
       {"", "12", "17"},
       "12 over 17, decimal 0.705882352941176",
       "12/17 = 0.705882352941176"},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(Solve(test.problem), test.mixed) << test.problem;
    EXPECT_EQ(ResultAnnouncement(boxes()), test.spoken) << test.problem;
    EXPECT_EQ(AnswerLine(boxes()), test.line) << test.problem;
  }
}

// A minus sign is said as a word of its own, before the fraction, also where the denominator is
// said first; Russian and Ukrainian say a fraction as a division and a mixed number in words
// that agree with every number.
TEST_F(AnswerText, TheSpokenAnswerSaysTheSignAndTheFractionInEachLanguage) {
  const struct {
    const char* language;
    const char* problem;
    const char* spoken;
  } cases[] = {
      {"ja", "-13/6 + 0", "マイナス6分の13、帯分数 マイナス2と6分の1、小数 -2.16666666666667"},
      {"ja", "3/5 - 5/8", "マイナス40分の1、小数 -0.025"},
      {"zh_CN", "-13/6 + 0", "负6分之13，带分数 负2又6分之1，小数 -2.16666666666667"},
      {"ru", "13/6 + 0",
       "13 делить на 6, смешанное число: целая часть 2, дробная часть 1 делить на 6, "
       "десятичная дробь 2.16666666666667"},
      {"ru", "-7/6 + 0",
       "минус 7 делить на 6, смешанное число: минус, целая часть 1, дробная часть 1 делить на "
       "6, десятичная дробь -1.16666666666667"},
      {"uk", "-13/6 + 0",
       "мінус 13 поділити на 6, мішане число: мінус, ціла частина 2, дробова частина 1 поділити "
       "на 6, десятковий дріб -2.16666666666667"},
      {"uk", "-6/3 + 0", "мінус 2 поділити на 1, мішане число мінус 2, десятковий дріб -2"},
  };
  for (const auto& test : cases) {
    ChooseLanguage(std::vector<std::string>{test.language});
    Solve(test.problem);
    EXPECT_EQ(ResultAnnouncement(boxes()), test.spoken) << test.language << " " << test.problem;
  }
}

}  // namespace
}  // namespace ondavi::form

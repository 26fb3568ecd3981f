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
      // A mixed number's fraction below 2, as the borrowing step writes it, and line ends of
      // every kind around the problem.
      {"2 15/12 - 1 8/12", {"(2|15|12) - (1|8|12)"}},
      {"1 0/5 + 1 9/5", {"(1|0|5) + (1|9|5)"}},
      {"1 19999999999999999999/010000000000000000000 x 2",
       {"(1|19999999999999999999|010000000000000000000) x (2||)"}},
      {"\r\n\u2028 1 + 2 =\u0085\u2029\v\f\n", {"(1||) + (2||)"}},
  };
  for (const auto& test : cases) {
    const std::optional<Problem> problem = ReadProblem(test.line);
    ASSERT_TRUE(problem) << test.line;
    EXPECT_EQ(Described(*problem), test.steps) << test.line;
    EXPECT_FALSE(problem->zero_denominator) << test.line;
  }
}

// One number alone is its own problem: it plus the empty second operand, as the boxes answer
// it; a percent is its fraction over 100 wherever it stands, checked against its exact value.
TEST(ReadProblem, ReadsOneNumberAloneAndPercentsAsHundredths) {
  const struct {
    const char* line;
    std::vector<std::string> steps;
    bool lone;
    std::vector<std::string> percents;
    long long num, den;  // the exact value of the first step's first operand
  } cases[] = {
      {"18/24", {"(|18|24) + (||)"}, true, {}, 18, 24},
      {"0.375", {"(0.375||) + (||)"}, true, {}, 3, 8},
      {"1\u00BD", {"(1|1|2) + (||)"}, true, {}, 3, 2},
      {"-6/4 = ?", {"(-|6|4) + (||)"}, true, {}, -6, 4},
      {"(2 3/4)", {"(2|3|4) + (||)"}, true, {}, 11, 4},
      {"35%", {"(|35|100) + (||)"}, true, {"35%"}, 7, 20},
      {"-12.5\uFF05", {"(-|125|1000) + (||)"}, true, {"-12.5%"}, -1, 8},
      {"1 1/2%", {"(|3|200) + (||)"}, true, {"1 1/2%"}, 3, 200},
      {"\u00BD%", {"(|1|200) + (||)"}, true, {"1/2%"}, 1, 200},
      {".5%", {"(|5|1000) + (||)"}, true, {".5%"}, 1, 200},
      {"25% x 3/4", {"(|25|100) x (|3|4)"}, false, {"25%"}, 1, 4},
      {"1/2 + 10% =?", {"(|1|2) + (|10|100)"}, false, {"10%"}, 1, 2},
      {"2 - 3/4 = ?", {"(2||) - (|3|4)"}, false, {}, 2, 1},
  };
  for (const auto& test : cases) {
    const std::optional<Problem> problem = ReadProblem(test.line);
    ASSERT_TRUE(problem) << test.line;
    EXPECT_EQ(Described(*problem), test.steps) << test.line;
    EXPECT_EQ(problem->lone, test.lone) << test.line;
    std::vector<std::string> percents;
    for (const auto& percent : problem->percents) percents.push_back(percent.written);
    EXPECT_EQ(percents, test.percents) << test.line;
    const OperandTexts& first = problem->Written(problem->steps[0].first);
    const long long whole =
        first[0].empty() || first[0] == "-" || first[0].find('.') != std::string::npos
            ? 0
            : std::stoll(first[0]);
    long long num = first[1].empty() ? 0 : std::stoll(first[1]);
    long long den = first[2].empty() ? 1 : std::stoll(first[2]);
    if (first[0].find('.') != std::string::npos) {  // a decimal's exact value
      const std::string digits =
          first[0].substr(0, first[0].find('.')) + first[0].substr(first[0].find('.') + 1);
      num = std::stoll(digits);
      den = 1;
      for (std::size_t k = first[0].find('.') + 1; k < first[0].size(); ++k) den *= 10;
    }
    num += (whole < 0 ? -whole : whole) * den;
    if (first[0].starts_with('-')) num = -num;
    EXPECT_EQ(num * test.den, test.num * den) << test.line;
  }
}

TEST(ReadProblem, MarksAnOperandWrittenWithAZeroDenominator) {
  for (const char* line : {"-0 1/2 + 007/0", "5/0 + 1", "1 1/0 x 3", "1 + (2 - 3/00)"}) {
    const std::optional<Problem> problem = ReadProblem(line);
    ASSERT_TRUE(problem) << line;
    EXPECT_TRUE(problem->zero_denominator) << line;
  }
}

// Each refusal names the rule the line breaks, where (the character, from 1), and what it names.
TEST(ReadProblem, RefusesWhatIsNoWholeProblemAndSaysWhy) {
  using enum Refusal::Reason;
  const struct {
    const char* line;
    Refusal::Reason reason;
    std::size_t at;
    const char* first;
    const char* second;
  } cases[] = {
      {"", kEmpty, 1, "", ""},
      {" \t\n", kEmpty, 4, "", ""},
      {"(5)", kLoneNumber, 1, "(5)", ""},
      {"5%%", kOutOfPlace, 3, "%", ""},
      {"%5", kOutOfPlace, 1, "%", ""},
      {"1/2 = ? 1", kAfterEquals, 5, "", ""},
      {"99999999999999999999 1/2%", kOutOfPlace, 25, "%", ""},
      {" 5 ", kLoneNumber, 2, "5", ""},
      {"-", kLoneNumber, 1, "-", ""},
      {"1/2/3", kSlashWithoutBlank, 4, "1/2/3", ""},
      {"1/2/3/4", kSlashWithoutBlank, 4, "1/2/3/4", ""},
      {"1 1/2/3 + 1", kSlashWithoutBlank, 6, "1 1/2/3", ""},
      {"1/-2 + 1", kSlashWithoutBlank, 2, "1/-2", ""},
      {"1.5/2 + 1", kSlashWithoutBlank, 4, "1.5/2", ""},
      {"1 + ", kNoNumberAfter, 3, "+", ""},
      {"1 + + 2", kNoNumberAfter, 3, "+", ""},
      {"1 - -", kNoNumberAfter, 5, "-", ""},
      {"+ 1", kNoNumberBefore, 1, "+", ""},
      {"+1 + 2", kNoNumberBefore, 1, "+", ""},
      {"1 2 + 3", kSideBySide, 3, "1", "2"},
      {"1 -1/2 3", kSideBySide, 8, "1/2", "3"},
      {"1/2 (1/3)", kSideBySide, 5, "1/2", "("},
      {"(1/2)(1/3)", kSideBySide, 6, ")", "("},
      {"2 (1 + 1)", kSideBySide, 3, "2", "("},
      {"\u00BD\u00BD + 1", kSideBySide, 2, "\u00BD", "\u00BD"},
      {"10 000 + 1", kGroupedDigits, 4, "10000", "000"},
      {"1.5 1/2 + 1", kDecimalBesideFraction, 5, "1.5", "1/2"},
      {"1\u20442 \u2044 3", kFractionSlashAlone, 5, "", ""},
      {"a + b", kUnknownCharacter, 1, "a", ""},
      {"1,5 + 2", kUnknownCharacter, 2, ",", ""},
      {"1 \u200B+ 2", kUnknownCharacter, 3, "U+200B", ""},
      {"1 +\U000E0041 2", kUnknownCharacter, 4, "U+E0041", ""},
      {"\u00BD \u0007", kUnknownCharacter, 3, "U+0007", ""},
      {"1 + 2 = 3", kAfterEquals, 7, "", ""},
      {"(1 + 2 =)", kAfterEquals, 8, "", ""},
      // brackets: unbalanced, empty, and a minus sign before one
      {"(1 + 2", kBracketLeftOpen, 1, "", ""},
      {"((1 + 2) x 3", kBracketLeftOpen, 1, "", ""},
      {"1 + 2)", kBracketNotOpened, 6, "", ""},
      {")1 + 2", kBracketNotOpened, 1, "", ""},
      {"() + 1", kNoNumberAfter, 1, "(", ""},
      {"-(1/2 + 1/3)", kMinusBeforeBracket, 1, "", ""},
      {"2 x - (1/3)", kMinusBeforeBracket, 5, "", ""},
      // not UTF-8: a stray byte, an overlong "+", a surrogate, a truncated sequence (bytes)
      {"\xff + 1", kNotText, 1, "", ""},
      {"1 \xc0\xab 2", kNotText, 3, "", ""},
      {"1 \xed\xa0\x80 2", kNotText, 3, "", ""},
      {"1 + \xe2\x88", kNotText, 5, "", ""},
      // A vulgar fraction's denominator does not run on into the digits after it.
      {"\u00BD3 + 0", kSideBySide, 2, "\u00BD", "3"},
      {"1\u00BD3 x 1", kSideBySide, 3, "1\u00BD", "3"},
      {"-\u00BC5 x 4", kSideBySide, 3, "-\u00BC", "5"},
      {"\u21895 + 1", kSideBySide, 2, "\u2189", "5"},
      {"\u00BD\uFF13 + 0", kSideBySide, 2, "\u00BD", "\uFF13"},
      // Two homework lines pasted at once: a line end stands only around a problem.
      {"2 + 5\n3/4 + 1/4", kLineEnd, 6, "", ""},
      {"2 + 5\r\n3/4 + 1/4", kLineEnd, 6, "", ""},
      {"1 +\u2028 2", kLineEnd, 4, "", ""},
      {"1 \u2029+ 2", kLineEnd, 3, "", ""},
      {"(\u00851 + 2)", kLineEnd, 2, "", ""},
      {"1/2 /\n1/3", kLineEnd, 6, "", ""},
      // Thousands grouped with a blank are no mixed number: a mixed number's numerator has no
      // leading zero and is less than twice its denominator.
      {"10 000/3 x 3", kMixedLeadingZero, 1, "10000/3", "10 + 000/3"},
      {"10\u2007000/3 x 3", kMixedLeadingZero, 1, "10000/3", "10 + 000/3"},
      {"10\u00A0000/3 x 3", kMixedLeadingZero, 1, "10000/3", "10 + 000/3"},
      {"10\u202F000/3 x 3", kMixedLeadingZero, 1, "10000/3", "10 + 000/3"},
      {"1 500/2 + 0", kMixedTooLarge, 1, "1500/2", "1 + 500/2"},
      {"2 + -1 24/12", kMixedTooLarge, 5, "-124/12", "-1 - 24/12"},
      {"1 20000000000000000000/10000000000000000000 x 2", kMixedTooLarge, 1,
       "120000000000000000000/100000000000000000...",
       "1 + 20000000000000000000/100000000000000..."},
      {". + 1", kOutOfPlace, 1, ".", ""},
      // A long operand is named by its first 40 bytes, cut at a character's end.
      {"123456789012345678901234567890123456789012345 (1)", kSideBySide, 47,
       "1234567890123456789012345678901234567890...", "("},
      {"\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11 (1)",
       kSideBySide, 16,
       "\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11...", "("},
  };
  for (const auto& test : cases) {
    Refusal refusal;
    EXPECT_FALSE(ReadProblem(test.line, '.', refusal)) << test.line;
    EXPECT_EQ(refusal.reason, test.reason) << test.line;
    EXPECT_EQ(refusal.at, test.at) << test.line;
    EXPECT_EQ(refusal.first, test.first) << test.line;
    EXPECT_EQ(refusal.second, test.second) << test.line;
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

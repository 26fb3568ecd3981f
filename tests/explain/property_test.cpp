// Worked solutions of thousands of random problems (whole numbers, fractions, mixed numbers and
// decimals, negative or not, with brackets), checked with the tests' own exact rationals: every
// equation is true, every least common denominator and greatest common factor is the true one,
// and the solution answers exactly where the calculator answers, with its answer.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "answer_text.h"
#include "expression_value.h"
#include "form_actions.h"
#include "problem.h"
#include "recording_prompt.h"
#include "words.h"
#include "worked_solution.h"

namespace ondavi::explain {
namespace {

using testing::Fraction;
using testing::Int;

// A number as a person writes it on a worksheet: mostly small, now and then large enough that
// the calculation reaches 2^53.
std::string RandomOperand(std::mt19937& rng) {
  const auto number = [&](unsigned limit) { return std::to_string(1 + rng() % limit); };
  const unsigned limit = rng() % 25 == 0 ? 99'999'999u : rng() % 4 == 0 ? 999u : 24u;
  const std::string sign = rng() % 4 == 0 ? "-" : "";
  switch (rng() % 6) {
    case 0:  // now and then with more digits than 2^53 has
      return sign + (rng() % 50 == 0 ? "123456789012345678901" : number(limit));
    case 1:
    case 2:
      return sign + number(limit) + "/" + number(limit);
    case 3:
    case 4: {  // a mixed number's fraction is less than 2, as the reader takes it
      const auto den = static_cast<unsigned>(1 + rng() % limit);
      return sign + std::to_string(rng() % 10) + " " + number(2 * den - 1) + "/" +
             std::to_string(den);
    }
    default:  // the same
      return sign + std::to_string(rng() % 10) + "." +
             (rng() % 50 == 0 ? "12345678901234567" : std::to_string(rng() % 1000));
  }
}

// A problem of one to four operators, bracketed at random where the order allows it.
std::string RandomProblem(std::mt19937& rng) {
  std::string problem = RandomOperand(rng);
  const int operators = 1 + static_cast<int>(rng() % 4);
  for (int i = 0; i < operators; ++i) {
    const char op = "+-x/"[rng() % 4];
    std::string operand = RandomOperand(rng);
    if (rng() % 4 == 0) {
      operand = "(" + operand + " " + "+-x/"[rng() % 4] + " " + RandomOperand(rng) + ")";
    }
    if (rng() % 5 == 0) problem = "(" + problem + ")";
    problem += std::string(" ") + op + " " + operand;
  }
  return problem;
}

// Every equation true, every named LCD, GCF and factor the true one; fails the test otherwise.
void CheckStep(const Step& step, const std::string& problem) {
  std::optional<Fraction> first;
  for (const Expression& e : step.math) {
    if (step.math.size() == 1) break;  // a heading or a number alone: no equation
    const std::optional<Fraction> value = testing::ValueOf(e);
    ASSERT_TRUE(value) << problem << ": " << Inline(e);
    if (!first) first = value;
    EXPECT_TRUE(*value == *first) << problem << ": " << Inline(step.math[0]) << " = " << Inline(e);
  }
  const auto arg = [&](std::size_t i) { return testing::ValueOf(step.args.at(i))->num; };
  if (step.lcd) {
    const Int a = arg(0), b = arg(1);
    EXPECT_EQ(static_cast<std::int64_t>(a / testing::Gcd(a, b) * b), *step.lcd) << problem;
  }
  if (step.gcf) {
    EXPECT_EQ(static_cast<std::int64_t>(testing::Gcd(arg(0), arg(1))), *step.gcf) << problem;
  }
  if (step.kind == Kind::kCancelPair) {
    EXPECT_EQ(arg(0) % *step.factor, 0) << problem;
    EXPECT_EQ(arg(1) % *step.factor, 0) << problem;
  }
  for (const Step& sub : step.steps) CheckStep(sub, problem);
}

struct Calculator {
  Module1 module;
  InMemoryBoxPanel boxes;
  testing::RecordingPrompt prompt;
  form::FormActions actions{module, boxes, prompt};
};

TEST(WorkedSolutionProperty, EveryEquationIsTrueAndTheAnswerIsTheCalculators) {
  std::mt19937 rng(20261210);
  const Settings settings_of[] = {
      {},
      {Settings::Denominator::kPrimeFactors, Settings::MixedNumbers::kImproper, false},
      {Settings::Denominator::kMultiples, Settings::MixedNumbers::kApart, true},
  };
  int answered = 0, refused = 0;
  for (int run = 0; run < 6000; ++run) {
    const std::string problem = RandomProblem(rng);
    const Settings& settings = settings_of[run % 3];
    const std::optional<Solution> solution = form::WorkedSolution(problem, settings);
    ASSERT_TRUE(solution) << problem;
    for (const Step& step : solution->steps) CheckStep(step, problem);
    if (::testing::Test::HasFailure()) return;

    Calculator calculator;
    ASSERT_TRUE(calculator.actions.Solve(problem)) << problem;
    if (!calculator.prompt.shown.empty()) {
      EXPECT_FALSE(solution->answered) << problem;
      EXPECT_EQ(calculator.prompt.shown[0], solution->failure == Detail::kDivideByZero
                                                ? std::string(ondavi::kDivideByZeroMessage)
                                                : std::string(ondavi::kTooLargeMessage))
          << problem;
      EXPECT_EQ(solution->steps.empty()
                    ? Kind::kNoAnswer
                    : (solution->steps.back().steps.empty() ? solution->steps.back()
                                                            : solution->steps.back().steps.back())
                          .kind,
                Kind::kNoAnswer)
          << problem;
      ++refused;
      continue;
    }
    ASSERT_TRUE(solution->answered) << problem;
    const Int num = testing::Number(calculator.boxes.Text(Box::Text7));
    const Int den = testing::Number(calculator.boxes.Text(Box::Text8));
    EXPECT_TRUE(num == solution->numerator && den == solution->denominator) << problem;
    // The last line: the problem as written = the answer, both the calculator's answer.
    const Step& last = solution->steps.back();
    ASSERT_EQ(last.kind, Kind::kAnswer) << problem;
    EXPECT_TRUE(*testing::ValueOf(last.math.front()) == (Fraction{num, den})) << problem;
    ++answered;
  }
  EXPECT_GT(answered, 4000);
  EXPECT_GT(refused, 50);
}

// Every expression of a worked solution is one that the calculator reads as a problem, and
// where it answers, answers with the expression's value.
void CheckReadable(const Step& step, const std::string& problem) {
  for (const Expression& e : step.math) {
    const std::string text = Inline(e);
    const std::optional<Fraction> value = testing::ValueOf(e);
    if (e.kind == Expression::Kind::kOperation || e.kind == Expression::Kind::kQuotient ||
        e.kind == Expression::Kind::kBracket) {
      Calculator calculator;
      ASSERT_TRUE(calculator.actions.Solve(text)) << problem << ": " << text;
      if (!calculator.prompt.shown.empty()) continue;  // read, but beyond 2^53 or over 0
      const Fraction answer{testing::Number(calculator.boxes.Text(Box::Text7)),
                            testing::Number(calculator.boxes.Text(Box::Text8))};
      EXPECT_TRUE(answer == *value) << problem << ": " << text;
    } else {
      EXPECT_TRUE(form::ReadProblem(text + " + 0")) << problem << ": " << text;
    }
  }
  for (const Step& sub : step.steps) CheckReadable(sub, problem);
}

TEST(WorkedSolutionProperty, EveryExpressionIsOneTheCalculatorReads) {
  std::mt19937 rng(31);
  for (int run = 0; run < 400; ++run) {
    const std::string problem = RandomProblem(rng);
    const std::optional<Solution> solution = form::WorkedSolution(problem);
    ASSERT_TRUE(solution) << problem;
    for (const Step& step : solution->steps) CheckReadable(step, problem);
    if (::testing::Test::HasFailure()) return;
  }
}

}  // namespace
}  // namespace ondavi::explain

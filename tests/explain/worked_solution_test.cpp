// Worked solutions of a fractions worksheet, each read once by a person, and what the writers
// make of them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "mathml_writer.h"
#include "statement.h"
#include "verdict_text.h"
#include "worked_example.h"
#include "worked_solution.h"
#include "writers.h"

namespace ondavi::explain {
namespace {

std::string Text(const char* problem, const Settings& settings = {}) {
  std::string out;
  AppendText(out, *form::WorkedSolution(problem, settings), English);
  return out;
}

TEST(WorkedSolution, Worksheet) {
  Settings primes;
  primes.denominator = Settings::Denominator::kPrimeFactors;
  const struct {
    const char* problem;
    const char* text;
    Settings settings = {};
  } cases[] = {
      {"1/2 + 1/3",
       "The least common denominator of 2 and 3, by listing multiples, is 6.\n"
       "  Multiples of 3 until one is a multiple of 2: 3, 6.\n"
       "Rename the fraction over 6: multiply both parts by 3: 1/2 = (1 x 3)/(2 x 3) = 3/6\n"
       "Rename the fraction over 6: multiply both parts by 2: 1/3 = (1 x 2)/(3 x 2) = 2/6\n"
       "Add the numerators; the denominator stays the same: 3/6 + 2/6 = (3 + 2)/6 = 5/6\n"
       "5/6 is already in lowest terms.\n"
       "Answer: 1/2 + 1/3 = 5/6\n"},
      {"5/6 + 3/8",
       "The least common denominator of 6 and 8, by listing multiples, is 24.\n"
       "  Multiples of 8 until one is a multiple of 6: 8, 16, 24.\n"
       "Rename the fraction over 24: multiply both parts by 4: 5/6 = (5 x 4)/(6 x 4) = 20/24\n"
       "Rename the fraction over 24: multiply both parts by 3: 3/8 = (3 x 3)/(8 x 3) = 9/24\n"
       "Add the numerators; the denominator stays the same: 20/24 + 9/24 = (20 + 9)/24 = 29/24\n"
       "29/24 is already in lowest terms.\n"
       "29 divided by 24 is 1, remainder 5: write it as a mixed number: 29/24 = 1 5/24\n"
       "Answer: 5/6 + 3/8 = 1 5/24\n"},
      {"3/4 - 2/3",
       "The least common denominator of 4 and 3, by listing multiples, is 12.\n"
       "  Multiples of 4 until one is a multiple of 3: 4, 8, 12.\n"
       "Rename the fraction over 12: multiply both parts by 3: 3/4 = (3 x 3)/(4 x 3) = 9/12\n"
       "Rename the fraction over 12: multiply both parts by 4: 2/3 = (2 x 4)/(3 x 4) = 8/12\n"
       "Subtract the numerators; the denominator stays the same: 9/12 - 8/12 = (9 - 8)/12 = 1/12\n"
       "1/12 is already in lowest terms.\n"
       "Answer: 3/4 - 2/3 = 1/12\n"},
      {testing::kWorkedExampleProblem, testing::kWorkedExampleSolution},
      {"5 - 2 3/8",
       "0 is less than 3/8, so take 1 from the whole number as 8/8: 5 = 4 + 8/8 = 4 8/8\n"
       "Work out the whole numbers and the fractions apart: 4 8/8 - 2 3/8 = (4 - 2) + (8/8 - 3/8) "
       "= 2 + 5/8 = 2 5/8\n"
       "5/8 is already in lowest terms.\n"
       "Answer: 5 - 2 3/8 = 2 5/8\n"},
      {"4 1/2 - 2 5/6",
       "The least common denominator of 2 and 6, by listing multiples, is 6.\n"
       "  Multiples of 6 until one is a multiple of 2: 6.\n"
       "Rename the fraction over 6: multiply both parts by 3: 1/2 = (1 x 3)/(2 x 3) = 3/6\n"
       "Write the problem with the renamed fractions: 4 1/2 - 2 5/6 = 4 3/6 - 2 5/6\n"
       "3/6 is less than 5/6, so take 1 from the whole number as 6/6: 4 3/6 = 3 + 6/6 + 3/6 = 3 "
       "9/6\n"
       "Work out the whole numbers and the fractions apart: 3 9/6 - 2 5/6 = (3 - 2) + (9/6 - 5/6) "
       "= 1 + 4/6 = 1 4/6\n"
       "The greatest common factor of 4 and 6 is 2; divide both by it: 1 4/6 = 1 2/3\n"
       "Answer: 4 1/2 - 2 5/6 = 1 2/3\n"},
      {"2 3/4 + 1 1/2",
       "The least common denominator of 4 and 2, by listing multiples, is 4.\n"
       "  Multiples of 4 until one is a multiple of 2: 4.\n"
       "Rename the fraction over 4: multiply both parts by 2: 1/2 = (1 x 2)/(2 x 2) = 2/4\n"
       "Write the problem with the renamed fractions: 2 3/4 + 1 1/2 = 2 3/4 + 1 2/4\n"
       "Work out the whole numbers and the fractions apart: 2 3/4 + 1 2/4 = (2 + 1) + (3/4 + 2/4) "
       "= 3 + 5/4\n"
       "5/4 makes a whole or more: carry 1 to the whole number: 3 + 5/4 = 3 + 1 + 1/4 = 4 1/4\n"
       "1/4 is already in lowest terms.\n"
       "Answer: 2 3/4 + 1 1/2 = 4 1/4\n"},
      {"2 3/4 x 1 1/2",
       "Change the mixed number to an improper fraction: 2 3/4 = (2 x 4 + 3)/4 = 11/4\n"
       "Change the mixed number to an improper fraction: 1 1/2 = (1 x 2 + 1)/2 = 3/2\n"
       "Multiply the numerators and the denominators: 11/4 x 3/2 = (11 x 3)/(4 x 2) = 33/8\n"
       "33/8 is already in lowest terms.\n"
       "33 divided by 8 is 4, remainder 1: write it as a mixed number: 33/8 = 4 1/8\n"
       "Answer: 2 3/4 x 1 1/2 = 4 1/8\n"},
      {"5/2 x 4/5",
       "Cancel common factors before multiplying: 5/2 x 4/5 = 1/1 x 2/1\n"
       "  Divide 5 and 5 by their common factor 5: they become 1 and 1.\n"
       "  Divide 4 and 2 by their common factor 2: they become 2 and 1.\n"
       "Multiply the numerators and the denominators: 1/1 x 2/1 = (1 x 2)/(1 x 1) = 2/1\n"
       "2 divided by 1 is 2, remainder 0: a whole number: 2/1 = 2\n"
       "Answer: 5/2 x 4/5 = 2\n"},
      {"2 1/2 ÷ 1 1/4",
       "Change the mixed number to an improper fraction: 2 1/2 = (2 x 2 + 1)/2 = 5/2\n"
       "Change the mixed number to an improper fraction: 1 1/4 = (1 x 4 + 1)/4 = 5/4\n"
       "To divide by a fraction, multiply by its reciprocal (keep, change, flip): 5/2 / 5/4 = 5/2 "
       "x 4/5\n"
       "Cancel common factors before multiplying: 5/2 x 4/5 = 1/1 x 2/1\n"
       "  Divide 5 and 5 by their common factor 5: they become 1 and 1.\n"
       "  Divide 4 and 2 by their common factor 2: they become 2 and 1.\n"
       "Multiply the numerators and the denominators: 1/1 x 2/1 = (1 x 2)/(1 x 1) = 2/1\n"
       "2 divided by 1 is 2, remainder 0: a whole number: 2/1 = 2\n"
       "Answer: 2 1/2 / 1 1/4 = 2\n"},
      {"3 1/3 : 2/3",
       "Change the mixed number to an improper fraction: 3 1/3 = (3 x 3 + 1)/3 = 10/3\n"
       "To divide by a fraction, multiply by its reciprocal (keep, change, flip): 10/3 / 2/3 = "
       "10/3 x 3/2\n"
       "Cancel common factors before multiplying: 10/3 x 3/2 = 5/1 x 1/1\n"
       "  Divide 10 and 2 by their common factor 2: they become 5 and 1.\n"
       "  Divide 3 and 3 by their common factor 3: they become 1 and 1.\n"
       "Multiply the numerators and the denominators: 5/1 x 1/1 = (5 x 1)/(1 x 1) = 5/1\n"
       "5 divided by 1 is 5, remainder 0: a whole number: 5/1 = 5\n"
       "Answer: 3 1/3 / 2/3 = 5\n"},
      {"4 ÷ 2/3",
       "Write the whole number as a fraction over 1: 4 = 4/1\n"
       "To divide by a fraction, multiply by its reciprocal (keep, change, flip): 4/1 / 2/3 = 4/1 "
       "x 3/2\n"
       "Cancel common factors before multiplying: 4/1 x 3/2 = 2/1 x 3/1\n"
       "  Divide 4 and 2 by their common factor 2: they become 2 and 1.\n"
       "Multiply the numerators and the denominators: 2/1 x 3/1 = (2 x 3)/(1 x 1) = 6/1\n"
       "6 divided by 1 is 6, remainder 0: a whole number: 6/1 = 6\n"
       "Answer: 4 / 2/3 = 6\n"},
      {"(1/2 + 1/3) x 6",
       "Step 1 of 2, brackets first: 1/2 + 1/3\n"
       "  The least common denominator of 2 and 3, by listing multiples, is 6.\n"
       "    Multiples of 3 until one is a multiple of 2: 3, 6.\n"
       "  Rename the fraction over 6: multiply both parts by 3: 1/2 = (1 x 3)/(2 x 3) = 3/6\n"
       "  Rename the fraction over 6: multiply both parts by 2: 1/3 = (1 x 2)/(3 x 2) = 2/6\n"
       "  Add the numerators; the denominator stays the same: 3/6 + 2/6 = (3 + 2)/6 = 5/6\n"
       "  5/6 is already in lowest terms.\n"
       "Step 2 of 2: 5/6 x 6\n"
       "  Write the whole number as a fraction over 1: 6 = 6/1\n"
       "  Cancel common factors before multiplying: 5/6 x 6/1 = 5/1 x 1/1\n"
       "    Divide 6 and 6 by their common factor 6: they become 1 and 1.\n"
       "  Multiply the numerators and the denominators: 5/1 x 1/1 = (5 x 1)/(1 x 1) = 5/1\n"
       "5 divided by 1 is 5, remainder 0: a whole number: 5/1 = 5\n"
       "Answer: (1/2 + 1/3) x 6 = 5\n"},
      {"1/2 + 1/3 x 6",
       "Step 1 of 2, x and / before + and -: 1/3 x 6\n"
       "  Write the whole number as a fraction over 1: 6 = 6/1\n"
       "  Cancel common factors before multiplying: 1/3 x 6/1 = 1/1 x 2/1\n"
       "    Divide 6 and 3 by their common factor 3: they become 2 and 1.\n"
       "  Multiply the numerators and the denominators: 1/1 x 2/1 = (1 x 2)/(1 x 1) = 2/1\n"
       "Step 2 of 2: 1/2 + 2/1\n"
       "  The least common denominator of 2 and 1, by listing multiples, is 2.\n"
       "    Multiples of 2 until one is a multiple of 1: 2.\n"
       "  Rename the fraction over 2: multiply both parts by 2: 2/1 = (2 x 2)/(1 x 2) = 4/2\n"
       "  Add the numerators; the denominator stays the same: 1/2 + 4/2 = (1 + 4)/2 = 5/2\n"
       "  5/2 is already in lowest terms.\n"
       "5 divided by 2 is 2, remainder 1: write it as a mixed number: 5/2 = 2 1/2\n"
       "Answer: 1/2 + 1/3 x 6 = 2 1/2\n"},
      {"-2 1/2 x -1 1/4",
       "Change the mixed number to an improper fraction; the minus sign stays in front: -2 1/2 = "
       "-5/2\n"
       "  Change the mixed number to an improper fraction: 2 1/2 = (2 x 2 + 1)/2 = 5/2\n"
       "Change the mixed number to an improper fraction; the minus sign stays in front: -1 1/4 = "
       "-5/4\n"
       "  Change the mixed number to an improper fraction: 1 1/4 = (1 x 4 + 1)/4 = 5/4\n"
       "A negative times a negative is positive: -5/2 x -5/4 = 5/2 x 5/4\n"
       "Multiply the numerators and the denominators: 5/2 x 5/4 = (5 x 5)/(2 x 4) = 25/8\n"
       "25/8 is already in lowest terms.\n"
       "25 divided by 8 is 3, remainder 1: write it as a mixed number: 25/8 = 3 1/8\n"
       "Answer: -2 1/2 x -1 1/4 = 3 1/8\n"},
      {"1 1/2 - -1/2",
       "Subtracting a negative number is adding its opposite: 1 1/2 - -1/2 = 1 1/2 + 1/2\n"
       "Work out the whole numbers and the fractions apart: 1 1/2 + 1/2 = 1 + (1/2 + 1/2) = 1 + "
       "2/2\n"
       "2/2 makes a whole or more: carry 1 to the whole number: 1 + 2/2 = 1 + 1 = 2\n"
       "Answer: 1 1/2 - -1/2 = 2\n"},
      {"0.25 + 1/2",
       "Write the decimal as a fraction over 100, then divide both parts by 25: 0.25 = 25/100 = "
       "1/4\n"
       "The least common denominator of 4 and 2, by listing multiples, is 4.\n"
       "  Multiples of 4 until one is a multiple of 2: 4.\n"
       "Rename the fraction over 4: multiply both parts by 2: 1/2 = (1 x 2)/(2 x 2) = 2/4\n"
       "Add the numerators; the denominator stays the same: 1/4 + 2/4 = (1 + 2)/4 = 3/4\n"
       "3/4 is already in lowest terms.\n"
       "Answer: 0.25 + 1/2 = 3/4\n"},
      {"5/12 + 7/18",
       "The least common denominator of 12 and 18, by prime factors, is 36.\n"
       "  Prime factors of 12: 12 = 2 x 2 x 3\n"
       "  Prime factors of 18: 18 = 2 x 3 x 3\n"
       "  Take each prime factor as often as it appears most in either number: 2 x 2 x 3 x 3 = 36\n"
       "Rename the fraction over 36: multiply both parts by 3: 5/12 = (5 x 3)/(12 x 3) = 15/36\n"
       "Rename the fraction over 36: multiply both parts by 2: 7/18 = (7 x 2)/(18 x 2) = 14/36\n"
       "Add the numerators; the denominator stays the same: 15/36 + 14/36 = (15 + 14)/36 = 29/36\n"
       "29/36 is already in lowest terms.\n"
       "Answer: 5/12 + 7/18 = 29/36\n",
       primes},
      {"18/24 + 0",
       "Adding or subtracting 0 changes nothing: 18/24 + 0 = 18/24\n"
       "The greatest common factor of 18 and 24 is 6; divide both by it: 18/24 = (18 / 6)/(24 / "
       "6) = 3/4\n"
       "  Factors of 18: 1, 2, 3, 6, 9, 18.\n"
       "  Factors of 24: 1, 2, 3, 4, 6, 8, 12, 24.\n"
       "Answer: 18/24 + 0 = 3/4\n"},
      {"1/2 - 1/2",
       "Both fractions have the denominator 2 already.\n"
       "Subtract the numerators; the denominator stays the same: 1/2 - 1/2 = (1 - 1)/2 = 0/2\n"
       "Zero over any number is zero: 0/2 = 0\n"
       "Answer: 1/2 - 1/2 = 0\n"},
      {"5 ÷ 0",
       "No number times 0 gives 1, so 0 has no reciprocal: nothing can be divided by 0.\n"},
      {"(2/3 + 1/4) ÷ 5/6",
       "Step 1 of 2, brackets first: 2/3 + 1/4\n"
       "  The least common denominator of 3 and 4, by listing multiples, is 12.\n"
       "    Multiples of 4 until one is a multiple of 3: 4, 8, 12.\n"
       "  Rename the fraction over 12: multiply both parts by 4: 2/3 = (2 x 4)/(3 x 4) = 8/12\n"
       "  Rename the fraction over 12: multiply both parts by 3: 1/4 = (1 x 3)/(4 x 3) = 3/12\n"
       "  Add the numerators; the denominator stays the same: 8/12 + 3/12 = (8 + 3)/12 = 11/12\n"
       "  11/12 is already in lowest terms.\n"
       "Step 2 of 2: 11/12 / 5/6\n"
       "  To divide by a fraction, multiply by its reciprocal (keep, change, flip): 11/12 / 5/6 = "
       "11/12 x 6/5\n"
       "  Cancel common factors before multiplying: 11/12 x 6/5 = 11/2 x 1/5\n"
       "    Divide 6 and 12 by their common factor 6: they become 1 and 2.\n"
       "  Multiply the numerators and the denominators: 11/2 x 1/5 = (11 x 1)/(2 x 5) = 11/10\n"
       "  11/10 is already in lowest terms.\n"
       "11 divided by 10 is 1, remainder 1: write it as a mixed number: 11/10 = 1 1/10\n"
       "Answer: (2/3 + 1/4) / 5/6 = 1 1/10\n"},
  };
  for (const auto& test : cases) EXPECT_EQ(Text(test.problem, test.settings), test.text);
}

// The rule named in an operation's heading is the one that decides its place: brackets where
// they were needed, x and / where they go before a + or - written to their left.
TEST(WorkedSolution, HeadingsNameTheRuleThatDecidesTheOrder) {
  const struct {
    const char* problem;
    std::vector<std::string> headings;
  } cases[] = {
      {"1/2 - (1/3 - 1/4)", {"Step 1 of 2, brackets first: 1/3 - 1/4", "Step 2 of 2: 1/2 - 1/12"}},
      {"(1/2 x 1/3) + 1/4", {"Step 1 of 2: 1/2 x 1/3", "Step 2 of 2: 1/6 + 1/4"}},
      {"1/2 / (1/3 x 1/4)", {"Step 1 of 2, brackets first: 1/3 x 1/4", "Step 2 of 2: 1/2 / 1/12"}},
      {"1/2 + 1/3 x 1/4 x 1/5",
       {"Step 1 of 3, x and / before + and -: 1/3 x 1/4",
        "Step 2 of 3, x and / before + and -: 1/12 x 1/5", "Step 3 of 3: 1/2 + 1/60"}},
      {"(1/2 + 1/3) x (1/4 - 1/5)",
       {"Step 1 of 3, brackets first: 1/2 + 1/3", "Step 2 of 3, brackets first: 1/4 - 1/5",
        "Step 3 of 3: 5/6 x 1/20"}},
  };
  for (const auto& test : cases) {
    std::vector<std::string> headings;
    std::istringstream lines(Text(test.problem));
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with("Step ")) headings.push_back(line);
    }
    EXPECT_EQ(headings, test.headings) << test.problem;
  }
}

// One number alone: converted as a teacher converts it, and answered with its exact value.
TEST(WorkedSolution, OneNumberIsConvertedToLowestTerms) {
  const struct {
    const char* problem;
    std::int64_t num, den;  // its exact value in lowest terms
    std::vector<std::string> kinds;
    const char* last;  // the answer's line
  } cases[] = {
      {"18/24", 3, 4, {"simplify", "answer"}, "Answer: 18/24 = 3/4"},
      {"0.375", 3, 8, {"decimal_as_fraction", "answer"}, "Answer: 0.375 = 3/8"},
      {"35%", 7, 20, {"percent_as_fraction", "simplify", "answer"}, "Answer: 35% = 7/20"},
      {"7/4", 7, 4, {"lowest_terms", "improper_to_mixed", "answer"}, "Answer: 7/4 = 1 3/4"},
      {"2 3/4", 11, 4, {"mixed_to_improper", "lowest_terms", "answer"}, "Answer: 2 3/4 = 11/4"},
      {"-6/4", -3, 2, {"simplify", "improper_to_mixed", "answer"}, "Answer: -6/4 = -1 1/2"},
      {"1\u00BD", 3, 2, {"mixed_to_improper", "lowest_terms", "answer"}, "Answer: 1 1/2 = 3/2"},
      {"3/4", 3, 4, {"lowest_terms", "answer"}, "Answer: 3/4 = 3/4"},
  };
  for (const auto& test : cases) {
    const std::optional<Solution> solution = form::WorkedSolution(test.problem);
    ASSERT_TRUE(solution && solution->answered) << test.problem;
    EXPECT_EQ(solution->numerator, test.num) << test.problem;
    EXPECT_EQ(solution->denominator, test.den) << test.problem;
    std::vector<std::string> kinds;
    for (const Step& step : solution->steps) kinds.emplace_back(KindName(step.kind));
    EXPECT_EQ(kinds, test.kinds) << test.problem;
    const std::string text = Text(test.problem);
    EXPECT_TRUE(text.ends_with(std::string(test.last) + "\n")) << text;
  }
}

// A number's sign beside another's, by the test's own exact arithmetic.
int Sign(std::int64_t an, std::int64_t ad, std::int64_t bn, std::int64_t bd) {
  const std::int64_t left = an * bd, right = bn * ad;
  return left < right ? -1 : left > right ? 1 : 0;
}

// Comparisons, statements and chains: each side's exact value written here decides each link,
// and the verdict names the first link that is not true.
TEST(WorkedSolution, StatementsAreJudgedByTheSidesExactValues) {
  const struct {
    const char* line;
    std::vector<std::pair<std::int64_t, std::int64_t>> values;  // each side's
    std::vector<std::string> signs;                             // each link's, as written
    int false_link;
    const char* message;
  } cases[] = {
      {"5/8 ? 3/5", {{5, 8}, {3, 5}}, {"?"}, -1, "So 5/8 > 3/5"},
      {"1/2 + 1/3 ? 5/6", {{5, 6}, {5, 6}}, {"?"}, -1, "So 1/2 + 1/3 = 5/6"},
      {"5/8 > 3/5", {{5, 8}, {3, 5}}, {">"}, -1, "True: 5/8 > 3/5"},
      {"5/8 < 3/5", {{5, 8}, {3, 5}}, {"<"}, 0, "False: 5/8 < 3/5"},
      {"5/8 \u2265 10/16", {{5, 8}, {5, 8}}, {">="}, -1, "True: 5/8 >= 10/16"},
      {"-1/2 != -2/4", {{-1, 2}, {-1, 2}}, {"!="}, 0, "False: -1/2 != -2/4"},
      {"25% x 3/4 <= 0.1875", {{3, 16}, {3, 16}}, {"<="}, -1, "True: 25% x 3/4 <= 0.1875"},
      {"3 1/4 - 1 2/3 = 1 7/12", {{19, 12}, {19, 12}}, {"="}, -1, "True: 3 1/4 - 1 2/3 = 1 7/12"},
      {"3 1/4 - 1 2/3 = 1 5/12",
       {{19, 12}, {17, 12}},
       {"="},
       0,
       "3 1/4 - 1 2/3 is 1 7/12, not 1 5/12.\r\nFalse: 3 1/4 - 1 2/3 = 1 5/12"},
      {"3 1/4 - 1 2/3 = 38/24",
       {{19, 12}, {19, 12}},
       {"="},
       -1,
       "38/24 is right, but not in lowest terms: 1 7/12.\r\nTrue: 3 1/4 - 1 2/3 = 38/24"},
      {"3 1/4 - 1 2/3 = 19/12",
       {{19, 12}, {19, 12}},
       {"="},
       -1,
       "As a mixed number: 1 7/12.\r\nTrue: 3 1/4 - 1 2/3 = 19/12"},
      {"3 1/4 - 1 2/3 = 2 5/4 - 1 2/3 = 1 3/4",
       {{19, 12}, {19, 12}, {7, 4}},
       {"=", "="},
       1,
       "Line 2 of 2: 2 5/4 - 1 2/3 = 1 3/4\r\n2 5/4 - 1 2/3 is 1 7/12, not 1 3/4.\r\n"
       "False: 2 5/4 - 1 2/3 = 1 3/4"},
      {"1/2 + 1/4\n= 2/4 + 1/4\r\n= 3/4\n",
       {{3, 4}, {3, 4}, {3, 4}},
       {"=", "="},
       -1,
       "True: 1/2 + 1/4 = 2/4 + 1/4 = 3/4"},
      {"1/2 < 2/3 < 3/4 > 1",
       {{1, 2}, {2, 3}, {3, 4}, {1, 1}},
       {"<", "<", ">"},
       2,
       "Line 3 of 3: 3/4 > 1\r\nFalse: 3/4 > 1"},
      {"123/997 ? 119/961", {{123, 997}, {119, 961}}, {"?"}, -1, "So 123/997 < 119/961"},
      {"-1/997 > 1/961", {{-1, 997}, {1, 961}}, {">"}, 0, "False: -1/997 > 1/961"},
  };
  for (const auto& test : cases) {
    form::Judged judged;
    ASSERT_TRUE(form::JudgeStatement(test.line, '.', {}, judged)) << test.line;
    ASSERT_TRUE(judged.read && judged.verdict.decided) << test.line;
    int expected_false = -1;
    for (std::size_t k = 0; k + 1 < test.values.size() && expected_false < 0; ++k) {
      const auto [an, ad] = test.values[k];
      const auto [bn, bd] = test.values[k + 1];
      const int order = Sign(an, ad, bn, bd);
      const std::string& sign = test.signs[k];
      const bool holds = sign == "?"    ? true
                         : sign == "<"  ? order < 0
                         : sign == ">"  ? order > 0
                         : sign == "="  ? order == 0
                         : sign == "<=" ? order <= 0
                         : sign == ">=" ? order >= 0
                                        : order != 0;
      if (!holds) expected_false = static_cast<int>(k);
    }
    EXPECT_EQ(expected_false, test.false_link) << test.line;  // the table agrees with itself
    EXPECT_EQ(judged.verdict.false_link, expected_false) << test.line;
    EXPECT_EQ(judged.verdict.holds, expected_false < 0) << test.line;
    EXPECT_EQ(form::VerdictMessage(judged), test.message) << test.line;
  }
}

// A side that has no answer leaves the statement without a verdict, and a chain has 50 links
// at most; a sign with nothing beside it is no statement.
TEST(WorkedSolution, StatementsWithoutAVerdict) {
  form::Judged judged;
  ASSERT_TRUE(form::JudgeStatement("1/2 / 0 < 1", '.', {}, judged));
  EXPECT_TRUE(judged.read);
  EXPECT_FALSE(judged.verdict.decided);
  std::string chain = "1";
  for (int k = 0; k < 50; ++k) chain += " = 2/2";
  ASSERT_TRUE(form::JudgeStatement(chain, '.', {}, judged));
  EXPECT_TRUE(judged.read && judged.verdict.holds);
  ASSERT_TRUE(form::JudgeStatement(chain + " = 1", '.', {}, judged));
  EXPECT_FALSE(judged.read);
  ASSERT_TRUE(form::JudgeStatement("< 1/2", '.', {}, judged));
  EXPECT_FALSE(judged.read);
  EXPECT_EQ(judged.refusal.reason, form::Refusal::Reason::kNoNumberBefore);
  EXPECT_FALSE(form::JudgeStatement("1/2 + 1/3 = ?", '.', {}, judged));
}

// Past a common denominator of 1000 both sides are written as decimals to the first digit
// where they differ: each written number is the exact value cut off after its digits (checked
// here against the exact value where the products stay small), "..." where digits follow, and
// the digits compare as the values do.
TEST(WorkedSolution, LargeCommonDenominatorsAreComparedAsDecimals) {
  const struct {
    const char* line;
    std::int64_t an, ad, bn, bd;
    const char *left, *right;  // as written in the sentence
  } cases[] = {
      {"123/997 ? 119/961", 123, 997, 119, 961, "0.1233...", "0.1238..."},
      {"-123/997 ? -119/961", -123, 997, -119, 961, "-0.1233...", "-0.1238..."},
      {"5/7 ? 701/1000", 5, 7, 701, 1000, "0.71...", "0.70..."},
      {"-1/997 < 1/961", -1, 997, 1, 961, "-0.001...", "0.001..."},
      {"0 ? -1/1001", 0, 1, -1, 1001, "0", "-0.0009..."},
      {"2 ? 2001/1001", 2, 1, 2001, 1001, "2", "1.9..."},
      {"1/1000 ? 1/999", 1, 1000, 1, 999, "0.001", "0.001001..."},
      {"1 1/1999 > 1 1/2000", 2000, 1999, 2001, 2000, "1.0005002...", "1.0005"},
      {"1/9007199254740991 ? 1/9007199254740990", 1, 9007199254740991, 1, 9007199254740990,
       "0.00000000000000011102230246251566...", "0.00000000000000011102230246251567..."},
  };
  // Whether `written` is n/d cut off after its digits, and ends in "..." just where it differs.
  const auto cut_off = [](std::string written, std::int64_t n, std::int64_t d) {
    const bool goes_on = written.ends_with("...");
    if (goes_on) written.resize(written.size() - 3);
    const bool negative = written.starts_with('-');
    if (d > 10000 || written.size() > 12) return true;  // the products would not fit
    std::int64_t digits = 0, scale = 1;
    bool after_point = false;
    for (char c : written.substr(negative ? 1 : 0)) {
      if (c == '.') {
        after_point = true;
        continue;
      }
      digits = digits * 10 + (c - '0');
      if (after_point) scale *= 10;
    }
    const std::int64_t magnitude = n < 0 ? -n : n;
    return negative == (n < 0) && digits * d <= magnitude * scale &&
           magnitude * scale < (digits + 1) * d && goes_on == (digits * d != magnitude * scale);
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.line);
    const std::optional<Solution> solution = form::WorkedSolution(test.line);
    ASSERT_TRUE(solution && !solution->steps.empty());
    const std::vector<Step>& steps = solution->steps;
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].kind, Kind::kAsDecimals);
    EXPECT_TRUE(steps[0].math.empty());  // "..." is no number the calculator reads
    ASSERT_EQ(steps[0].args.size(), 4u);
    EXPECT_EQ(Inline(steps[0].args[1]), test.left);
    EXPECT_EQ(Inline(steps[0].args[3]), test.right);
    EXPECT_TRUE(cut_off(test.left, test.an, test.ad));
    EXPECT_TRUE(cut_off(test.right, test.bn, test.bd));
    const int order = Sign(test.an, test.ad, test.bn, test.bd);
    ASSERT_EQ(steps[1].kind, Kind::kComparison);
    EXPECT_EQ(steps[1].detail, order > 0 ? Detail::kGreater : Detail::kLess);
    const auto without_ellipsis = [](std::string text) {
      if (text.ends_with("...")) text.resize(text.size() - 3);
      return text;
    };
    EXPECT_EQ(Inline(steps[1].args[0]), without_ellipsis(test.left));
    EXPECT_EQ(Inline(steps[1].args[1]), without_ellipsis(test.right));
  }
  EXPECT_EQ(Text("123/997 ? 119/961"),
            "As decimals, 123/997 = 0.1233... and 119/961 = 0.1238...: compare them digit by "
            "digit.\n"
            "0.1233 is less than 0.1238.\n"
            "So 123/997 < 119/961\n");
  // Print sets the digits that go on with an ellipsis.
  EXPECT_EQ(Latex(Decimal("-0.1233...")), "-0.1233\\ldots");
  EXPECT_EQ(MathMl(Decimal("-0.1233...")),
            "<mrow><mo>&#x2212;</mo><mn>0.1233</mn><mo>&#x2026;</mo></mrow>");
  EXPECT_EQ(MathMl(Decimal("0.25")), "<mn>0.25</mn>");
  // The renamed fractions where the common denominator stays at most 1000.
  EXPECT_TRUE(Text("1/40 ? 1/25").starts_with("The least common denominator of 40 and 25"));
}

// The calculator's notation brackets only what the order of working needs; print brackets a
// right operand that begins with a minus sign too, in LaTeX and in MathML alike.
TEST(WorkedSolution, PrintBracketsOperandsAsTheOrderAndTheSignNeed) {
  const struct {
    Expression e;
    const char* inline_text;
    const char* latex;
  } cases[] = {
      {Operation(Whole(3), '-', Fraction(-1, 2)), "3 - -1/2", "3 - \\left(-\\frac{1}{2}\\right)"},
      {Operation(Whole(2), 'x', Mixed(true, 1, 1, 2)), "2 x -1 1/2",
       "2 \\times \\left(-1\\tfrac{1}{2}\\right)"},
      {Operation(Fraction(-1, 2), '-', Whole(3)), "-1/2 - 3", "-\\frac{1}{2} - 3"},
      {Operation(Whole(1), '-', Operation(Whole(2), '+', Whole(3))), "1 - (2 + 3)",
       "1 - \\left(2 + 3\\right)"},
      {Operation(Operation(Whole(1), '+', Whole(2)), 'x', Whole(3)), "(1 + 2) x 3",
       "\\left(1 + 2\\right) \\times 3"},
      {Operation(Whole(1), '+', Operation(Whole(2), 'x', Whole(3))), "1 + 2 x 3",
       "1 + 2 \\times 3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Inline(c.e), c.inline_text);
    EXPECT_EQ(Latex(c.e), c.latex);
    const bool bracketed = std::string_view(c.latex).find("\\left(") != std::string_view::npos;
    EXPECT_EQ(MathMl(c.e).find("<mo>(</mo>") != std::string::npos, bracketed) << c.latex;
  }
}

}  // namespace
}  // namespace ondavi::explain

#pragma once

// A worked solution as data: the steps a teacher writes on the board, each of a fixed kind with
// the numbers it names and finds, its equations and its own sub-steps. No language and no
// toolkit: the writers turn steps into text, JSON or LaTeX.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "expression.h"

namespace ondavi::explain {

// The kinds of step. A new kind goes at the end, with its name in KindName and a sentence in
// each writer's table.
enum class Kind {
  kOperation,           // a heading: the operation worked next, and the rule that put it there
  kWholeAsFraction,     // 5 = 5/1
  kDecimalAsFraction,   // 0.25 = 25/100 = 1/4
  kMixedToImproper,     // 3 1/4 = (3 x 4 + 1)/4 = 13/4
  kSignRule,            // the rule that decides a sign
  kWholeNumbers,        // 2 + 3 = 5
  kSameDenominator,     // both fractions already over one denominator
  kCommonDenominator,   // the least common denominator of two, found by the sub-steps
  kMultiples,           // counting in multiples of the larger denominator
  kPrimeFactors,        // 12 = 2 x 2 x 3
  kLcdFromFactors,      // each prime as often as it appears most: 2 x 2 x 3 x 3 = 36
  kRename,              // 1/4 = (1 x 3)/(4 x 3) = 3/12
  kRewrite,             // the operation with the renamed fractions
  kCombineNumerators,   // 3/12 + 2/12 = (3 + 2)/12 = 5/12
  kBorrow,              // 3 3/12 = 2 + 12/12 + 3/12 = 2 15/12
  kWholesAndFractions,  // 2 15/12 - 1 8/12 = (2 - 1) + (15/12 - 8/12) = 1 + 7/12 = 1 7/12
  kCarry,               // 3 + 5/4 = 3 + 1 + 1/4 = 4 1/4
  kReciprocal,          // 5/2 / 5/4 = 5/2 x 4/5
  kCancel,              // 5/2 x 4/5 = 1/1 x 2/1, by the sub-steps
  kCancelPair,          // 5 and 5 divided by 5
  kMultiply,            // 1/1 x 2/1 = (1 x 2)/(1 x 1) = 2/1
  kFactors,             // the factors of a number, for its greatest common factor
  kSimplify,            // 18/24 = (18 / 6)/(24 / 6) = 3/4
  kLowestTerms,         // 5/6 is already in lowest terms
  kZero,                // 0/12 = 0
  kImproperToMixed,     // 19/12 = 1 7/12
  kAnswer,              // the problem = the answer
  kNoAnswer,            // why there is no answer
  kAddZero,             // 18/24 + 0 = 18/24
  kPercentAsFraction,   // 35% = 35/100
  kLink,                // a heading: a link of a chain, checked by its sub-steps
  kWorkSide,            // a heading: one side of a comparison, worked out by its sub-steps
  kComparison,          // 25/40 is greater than 24/40
  kNotLowestTerms,      // the answer given is right, but not in lowest terms
  kAsMixed,             // the answer given is right; as a mixed number it is 1 7/12
  kNotTheAnswer,        // the left side is not the number given, but its own answer
  kVerdict,             // the statement is true or false, or the relation found
  kAsDecimals,          // 123/997 = 0.1233... and 119/961 = 0.1238..., to the first digit apart
};

// The name of a kind in the JSON form: "operation", "mixed_to_improper"...
std::string_view KindName(Kind kind);
// Every kind, in order: the documented list.
std::vector<Kind> AllKinds();

// Which of a kind's sentences a step takes.
enum class Detail {
  kNone,
  // kOperation: the rule that decides the order
  kBracketsFirst,
  kTimesAndDivideFirst,
  // kSignRule
  kSubtractingANegative,
  kAddingANegative,
  kNegativeTimesNegative,
  kNegativeTimesPositive,
  // kCommonDenominator: how it is found
  kByMultiples,
  kByPrimeFactors,
  // kCombineNumerators
  kAdd,
  kSubtract,
  // kNoAnswer
  kDivideByZero,
  kTooLarge,
  kZeroDenominator,  // an operand written over 0; the answer fails as a division by zero
  // kMixedToImproper: of a negative mixed number, worked on its magnitude in a sub-step
  kNegative,
  // kImproperToMixed: the answer is a whole number
  kWholeResult,
  // kComparison: how the first compares with the second
  kGreater,
  kLess,
  kEqual,
  // kVerdict
  kTrue,
  kFalse,
  kAsk,  // the relation found between the two sides
};

struct Step {
  Kind kind = Kind::kOperation;
  Detail detail = Detail::kNone;
  // The numbers and expressions its sentence names, in order.
  std::vector<Expression> args;
  // Equations: every expression equal in value to the others; empty for a fact.
  std::vector<Expression> math;
  // The numbers the step finds.
  std::optional<std::int64_t> lcd, gcf, factor;
  std::vector<Step> steps;  // sub-steps
};

// The worked solution of a problem: its steps, and either its answer or why it has none.
struct Solution {
  std::vector<Step> steps;
  // The exact answer in lowest terms, when there is one.
  bool answered = false;
  std::int64_t numerator = 0, denominator = 1;
  Detail failure = Detail::kNone;  // kDivideByZero or kTooLarge when there is no answer
  // A comparison, statement or chain, judged: its last step is the verdict, and it has no
  // number as its answer.
  bool judged = false;
};

}  // namespace ondavi::explain

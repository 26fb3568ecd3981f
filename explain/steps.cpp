#include "steps.h"

namespace ondavi::explain {

namespace {

constexpr std::string_view kNames[] = {
    "operation",
    "whole_as_fraction",
    "decimal_as_fraction",
    "mixed_to_improper",
    "sign_rule",
    "whole_numbers",
    "same_denominator",
    "common_denominator",
    "multiples",
    "prime_factors",
    "lcd_from_factors",
    "rename",
    "rewrite",
    "combine_numerators",
    "borrow",
    "wholes_and_fractions",
    "carry",
    "reciprocal",
    "cancel",
    "cancel_pair",
    "multiply",
    "factors",
    "simplify",
    "lowest_terms",
    "zero",
    "improper_to_mixed",
    "answer",
    "no_answer",
    "add_zero",
    "percent_as_fraction",
    "link",
    "work_side",
    "comparison",
    "not_lowest_terms",
    "as_mixed",
    "not_the_answer",
    "verdict",
    "as_decimals",
};
constexpr std::size_t kKindCount = sizeof(kNames) / sizeof(kNames[0]);
static_assert(static_cast<std::size_t>(Kind::kAsDecimals) + 1 == kKindCount);

}  // namespace

std::string_view KindName(Kind kind) {
  return kNames[static_cast<std::size_t>(kind)];
}

std::vector<Kind> AllKinds() {
  std::vector<Kind> kinds;
  for (std::size_t i = 0; i < kKindCount; ++i) kinds.push_back(static_cast<Kind>(i));
  return kinds;
}

}  // namespace ondavi::explain

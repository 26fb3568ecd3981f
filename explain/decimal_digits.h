#pragma once

// Two different numbers written as decimals by long division, to the first digit where they
// differ: 5/7 and 7/10 as "0.71..." and "0.7". A decimal that goes on past the digits written
// ends in "...".
#include <string>

#include "working.h"

namespace ondavi::explain {

struct DecimalsApart {
  // Each number's digits as far as written ("0.1233"), and the same going on ("0.1233...").
  std::string left, left_going_on, right, right_going_on;
};

// The decimals of a and b (a != b, denominators positive), digit by digit to the first place
// after the point where they differ, at least one place; the digits written compare as the
// numbers do.
DecimalsApart DecimalsOf(Rational a, Rational b);

}  // namespace ondavi::explain

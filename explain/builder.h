#pragma once

// The worked solution of a whole problem, operation by operation in the order the calculator
// works them, ending with the answer in lowest terms (as a mixed number where it is one) or with
// why there is none. It answers exactly where the calculator answers, with the same answer.
#include "problem.h"
#include "settings.h"
#include "steps.h"

namespace ondavi::explain {

Solution BuildSolution(const Problem& problem, const Settings& settings = {});

// The solution of a problem with an operand over 0 ("5/0 + 1"), which has no answer.
Solution ZeroDenominatorSolution();

}  // namespace ondavi::explain

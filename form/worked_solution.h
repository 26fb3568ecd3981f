#pragma once

// The worked solution of a whole problem written on one line, read as the calculator reads it.
#include <optional>
#include <string_view>

#include "builder.h"
#include "problem.h"
#include "settings.h"
#include "steps.h"

namespace ondavi::form {

// Nothing when the line is no whole problem. A comparison, statement or chain has its own.
std::optional<explain::Solution> WorkedSolution(std::string_view line,
                                                const explain::Settings& settings = {},
                                                char decimal_separator = '.');

// The worked solution of a problem read.
explain::Solution SolutionOf(const Problem& problem, const explain::Settings& settings = {});

}  // namespace ondavi::form

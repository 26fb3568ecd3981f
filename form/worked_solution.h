#pragma once

// The worked solution of a whole problem written on one line, read as the calculator reads it.
#include <optional>
#include <string_view>

#include "builder.h"
#include "settings.h"
#include "steps.h"

namespace ondavi::form {

// Nothing when the line is no whole problem.
std::optional<explain::Solution> WorkedSolution(std::string_view line,
                                                const explain::Settings& settings = {},
                                                char decimal_separator = '.');

}  // namespace ondavi::form

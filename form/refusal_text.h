#pragma once

// Why a line is no whole problem, in the user's language: the rule it breaks and where.
#include <string>
#include <string_view>

#include "problem.h"

namespace ondavi::form {

std::string RefusalText(const Refusal& refusal);

// "not a problem" and, on the next line, why: for a message box.
std::string RefusalMessage(const Refusal& refusal);

}  // namespace ondavi::form

#pragma once

// A comparison ("5/8 ? 3/5"), a statement ("5/8 > 3/5", "3 1/4 - 1 2/3 = 1 7/12") or a chain of
// them ("3 1/4 - 1 2/3 = 2 5/4 - 1 2/3 = 1 3/4", also a student's lines, each starting with
// "="): every side a whole problem or one number, each link judged, and its worked solution.
#include <string>
#include <string_view>
#include <vector>

#include "compare.h"
#include "problem.h"
#include "settings.h"

namespace ondavi::form {

// The most links a chain may have.
constexpr std::size_t kMostLinks = 50;

struct Judged {
  bool read = false;  // every side is a whole problem or a number; otherwise `refusal` says why
  Refusal refusal;
  explain::Solution solution;
  explain::Verdict verdict;
  // The statement as written, its sides trimmed and joined by their signs.
  std::string written;
  bool asked = false;  // a comparison "?" of two sides
};

// Whether the line holds a relation sign (< > = ? ≤ ≥ ≠ <= >= !=) other than an "=" or "= ?"
// ending a problem, or a question mark ending a statement: then it is judged into `judged`.
bool JudgeStatement(std::string_view line, char decimal_separator,
                    const explain::Settings& settings, Judged& judged);

}  // namespace ondavi::form

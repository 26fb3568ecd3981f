#pragma once

// The worked solution of a comparison, a statement or a chain of them: each side worked out,
// both sides of a link over a common denominator and compared, and the verdict; a chain stops at
// its first link that is not true.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "problem.h"
#include "settings.h"
#include "steps.h"

namespace ondavi::explain {

enum class Relation { kAsk, kLess, kGreater, kEqual, kLessOrEqual, kGreaterOrEqual, kNotEqual };

// As the calculator writes it: "?", "<", ">", "=", "<=", ">=", "!=".
std::string_view RelationSign(Relation relation);

// One side of a link, as written, and its worked solution.
struct Side {
  std::string written;
  Solution solution;
  // A number alone as written (its boxes' texts), whose working is not shown.
  std::optional<WrittenOperand> number;
};

struct Verdict {
  bool decided = false;  // every side worked out had an answer
  bool holds = true;     // every link is true (a "?" link always is)
  int false_link = -1;   // the first link that is not true
  // Each link as the verdict writes it: a "?" link with the relation found.
  std::vector<std::string> links;
  // A link "PROBLEM = NUMBER" that is true, with the number not written as the answer is:
  // "not in lowest terms", or an improper fraction whose mixed number is `mixed`.
  bool not_lowest = false;
  std::string mixed;
  // For a false link "PROBLEM = NUMBER": the left side's answer as a mixed number.
  std::string answer;
};

// The verdict step on a whole statement or chain as written: "True: ..." or "False: ...".
Step MakeVerdict(bool holds, const std::string& written);

// Links each side to the next with its relation (one relation fewer than sides).
Solution BuildComparison(const std::vector<Side>& sides, const std::vector<Relation>& relations,
                         const Settings& settings, Verdict& verdict);

}  // namespace ondavi::explain

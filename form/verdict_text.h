#pragma once

// What a comparison, statement or chain judged says: in the windows' message box, in the user's
// language, and on the command line, as scripts read it.
#include <string>

#include "statement.h"

namespace ondavi::form {

// The verdict's lines from its worked solution: the relation found, or "True: ..." / "False:
// ..." with the notes on an answer checked, and for a chain the first line that is not true; a
// side without an answer says why, as the calculation does.
std::string VerdictMessage(const Judged& judged);

// Not translated: "5/8 > 3/5" for a comparison asked, "true LINE" or "false LINE" for a
// statement or chain; empty when a side has no answer.
std::string VerdictLine(const Judged& judged);

}  // namespace ondavi::form

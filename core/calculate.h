#pragma once

#include "box_panel.h"
#include "failure.h"
#include "message_prompt.h"
#include "module1.h"
#include "words.h"

namespace ondavi {

// Runs one calculation for the operator in module.Operation: checks the fraction boxes, normalises
// the operands, applies the operation, reduces the result and fills the answer boxes with the
// fraction, the mixed number and the decimal, and rewrites module.Work. A run stopped by an entry
// check shows its message and changes nothing else.
void Calculate(Module1& module, BoxPanel& boxes, MessagePrompt& prompt);

// Empties the six answer boxes, Text7 to Text12, in that order.
void ClearAnswers(BoxPanel& boxes);

}  // namespace ondavi

#pragma once

#include "box_panel.h"
#include "failure.h"
#include "message_prompt.h"
#include "module1.h"

namespace ondavi {

inline constexpr char kNegativeSignMessage[] = "Use Whole Number Boxs for your negative signs.";
inline constexpr char kNonNumericMessage[] = "Non Numeric data Detected, Enter Numbers Only.";
inline constexpr char kDivideByZeroMessage[] = "Cannot divide by zero.";
inline constexpr char kTooLargeMessage[] = "Numbers too large to calculate.";

// Runs one calculation for the operator in module.Operation: checks the fraction boxes, normalises
// the operands, applies the operation, reduces the result and fills the answer boxes with the
// fraction, the mixed number and the decimal, and rewrites module.Work. A run stopped by an entry
// check shows its message and changes nothing else.
void Calculate(Module1& module, BoxPanel& boxes, MessagePrompt& prompt);

// Empties the six answer boxes, Text7 to Text12, in that order.
void ClearAnswers(BoxPanel& boxes);

// The message a calculation shows when an operation fails.
const char* FailureMessage(FailureKind kind);

}  // namespace ondavi

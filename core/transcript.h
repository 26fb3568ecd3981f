#pragma once

#include <array>
#include <string>

#include "value.h"
#include "work_text.h"

// The lines of the work transcript that "Show Work" displays. Lines end in CR LF; numbers are in
// the transcript form (Str), so each carries a sign position.
namespace ondavi::transcript {

inline constexpr char kLineEnd[] = "\r\n";

// The texts of the six operand boxes, Text1 to Text6, as a calculation reads them.
using OperandTexts = std::array<std::string, 6>;

// Each appends its lines to the transcript `work`.

// The operands as typed and the operator, then "Becomes" on a line of its own.
void OperandsLine(WorkText& work, const OperandTexts& texts, const std::string& operation);

// One fraction, the operator and the other fraction: the operands over their common denominator,
// and for division the product that replaces it.
void StepLine(WorkText& work, const Value& num1, const Value& den1, const std::string& operation,
              const Value& num2, const Value& den2);

// "Answer is" and the unreduced result; no line end follows.
void AnswerLines(WorkText& work, const Value& num, const Value& den);

// The factor the result was reduced by and the reduced result.
void ReductionLines(WorkText& work, double gcf, const Value& num, const Value& den);

// The message of a calculation that failed, after the answer heading if that is not there yet.
void FailureLines(WorkText& work, const std::string& message, bool answer_written);

}  // namespace ondavi::transcript

#include "transcript.h"

#include "words.h"

namespace ondavi::transcript {
namespace {

// Appends each part in turn, with no text built in between.
template <typename... Parts>
void Append(WorkText& work, const Parts&... parts) {
  (work += ... += parts);
}

void Fraction(WorkText& work, const Value& num, const Value& den) {
  work.AppendStr(num);
  work += '/';
  work.AppendStr(den);
}

}  // namespace

void OperandsLine(WorkText& work, const OperandTexts& t, const std::string& operation) {
  // A lone CR breaks the line in a message box, so "Becomes" stands on a line of its own.
  Append(work, ' ', t[0], ' ', t[1], '/', t[2], "   ", operation, "   ", t[3], ' ', t[4], '/', t[5],
         "\r    ", CalculationWords().becomes, ' ', kLineEnd);
}

void StepLine(WorkText& work, const Value& num1, const Value& den1, const std::string& operation,
              const Value& num2, const Value& den2) {
  Fraction(work, num1, den1);
  Append(work, "   ", operation, "  ");
  Fraction(work, num2, den2);
  work += kLineEnd;
}

void AnswerLines(WorkText& work, const Value& num, const Value& den) {
  Append(work, "    ", CalculationWords().answer_is, kLineEnd);
  Fraction(work, num, den);
}

void ReductionLines(WorkText& work, double gcf, const Value& num, const Value& den) {
  Append(work, kLineEnd, "    ", CalculationWords().after_reduction);
  work.AppendStr(Value::Double(gcf));
  work += kLineEnd;
  Fraction(work, num, den);
}

void FailureLines(WorkText& work, const std::string& message, bool answer_written) {
  if (!answer_written) Append(work, "    ", CalculationWords().answer_is);
  Append(work, kLineEnd, message);
}

}  // namespace ondavi::transcript

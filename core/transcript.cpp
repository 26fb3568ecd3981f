#include "transcript.h"

#include "words.h"

namespace ondavi::transcript {

void OperandsLine(WorkText& work, const OperandTexts& t, const std::string& operation) {
  // A lone CR breaks the line in a message box, so "Becomes" stands on a line of its own.
  work.Append(' ', t[0], ' ', t[1], '/', t[2], "   ", operation, "   ", t[3], ' ', t[4], '/', t[5],
              "\r    ", CalculationWords().becomes, ' ', kLineEnd);
}

void StepLine(WorkText& work, const Value& num1, const Value& den1, const std::string& operation,
              const Value& num2, const Value& den2) {
  work.Append(num1, '/', den1, "   ", operation, "  ", num2, '/', den2, kLineEnd);
}

void AnswerLines(WorkText& work, const Value& num, const Value& den) {
  work.Append("    ", CalculationWords().answer_is, kLineEnd, num, '/', den);
}

void ReductionLines(WorkText& work, double gcf, const Value& num, const Value& den) {
  work.Append(kLineEnd, "    ", CalculationWords().after_reduction, Value::Double(gcf), kLineEnd,
              num, '/', den);
}

void FailureLines(WorkText& work, const std::string& message, bool answer_written) {
  if (!answer_written) work.Append("    ", CalculationWords().answer_is);
  work.Append(kLineEnd, message);
}

}  // namespace ondavi::transcript

#include "transcript.h"

#include "conversions.h"

namespace ondavi::transcript {
namespace {

constexpr char kAnswerHeading[] = "    Answer is";

std::string Fraction(const Value& num, const Value& den) {
  return Str(num) + "/" + Str(den);
}

}  // namespace

std::string OperandsLine(const OperandTexts& t, const std::string& operation) {
  // A lone CR breaks the line in a message box, so "Becomes" stands on a line of its own.
  return " " + t[0] + " " + t[1] + "/" + t[2] + " " + "  " + operation + "   " + t[3] + " " + t[4] +
         "/" + t[5] + "\r" + "    Becomes " + kLineEnd;
}

std::string StepLine(const Value& num1, const Value& den1, const std::string& operation,
                     const Value& num2, const Value& den2) {
  return Fraction(num1, den1) + "   " + operation + "  " + Fraction(num2, den2) + kLineEnd;
}

std::string AnswerLines(const Value& num, const Value& den) {
  return kAnswerHeading + std::string(kLineEnd) + Fraction(num, den);
}

std::string ReductionLines(double gcf, const Value& num, const Value& den) {
  return kLineEnd + std::string("    After Reduction by GCF") + Str(Value::Double(gcf)) + kLineEnd +
         Fraction(num, den);
}

std::string FailureLines(const std::string& message, bool answer_written) {
  return (answer_written ? std::string(kLineEnd) : kAnswerHeading + std::string(kLineEnd)) +
         message;
}

}  // namespace ondavi::transcript

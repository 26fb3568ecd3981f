#include "calculate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "characters.h"
#include "conversions.h"
#include "transcript.h"
#include "value.h"

namespace ondavi {
namespace {

using enum Box;

// Whether a text is this one character. The operator and a lone sign are compared this way: a
// comparison with a literal is a call, made several times on every step.
bool Is(const std::string& text, char c) {
  return text.size() == 1 && text[0] == c;
}

// The operand boxes as numbers, each text read once: what Val reads, and for the whole-number
// boxes the exact fraction a decimal writes.
struct OperandNumbers {
  std::array<double, 6> val;                   // every one written before it is read
  std::optional<Fraction> decimal1, decimal2;  // of Text1 and Text4
};

// Each operand box's number when it holds a plain one (ShortNumber), as nearly every box does:
// such a box passes the entry checks and is read without another look at its text.
struct PlainNumbers {
  std::array<bool, 6> found{};
  std::array<double, 6> value{};
};

// The operand boxes' numbers, when every box reads as a number below 2^53 in magnitude, where
// doubles still hold every whole number, and so do the numerator and denominator of a decimal in
// a whole-number box; nothing otherwise.
std::optional<OperandNumbers> NumbersInRange(const transcript::OperandTexts& texts,
                                             const PlainNumbers& plain) {
  OperandNumbers numbers;
  try {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      numbers.val[i] = plain.found[i] ? plain.value[i] : Val(texts[i]);
      if (!(std::fabs(numbers.val[i]) < kExactLimit)) return std::nullopt;
    }
    // The whole-number boxes, Text1 and Text4; a plain number has no fractional part.
    if (!plain.found[0]) numbers.decimal1 = DecimalFraction(texts[0]);
    if (!plain.found[3]) numbers.decimal2 = DecimalFraction(texts[3]);
  } catch (const Failure&) {
    return std::nullopt;
  }
  return numbers;
}

// A number that the calculation reads on or shows, checked to lie below 2^53 in magnitude. Beyond
// it doubles skip whole numbers, so the answer could no longer be exact: the run stops as an
// overflow does.
Value Exact(const Value& v) {
  if (!(std::fabs(v.ToDouble()) < kExactLimit)) throw Failure(FailureKind::kOverflow);
  return v;
}

// A whole-number box holds nothing, a lone "-" (the sign of the fraction beside it) or one
// number that Val reads to its end. Anything else, such as a mixed number typed into it ("1 1/2"),
// would be read only in part and give a wrong answer.
bool IsWholeNumberEntry(const std::string& text, bool plain) {
  return plain || text.empty() || Is(text, '-') || ValReadsAll(text) ||
         text.find_first_not_of(kPassedOverByVal) == std::string::npos;
}

// A character, then the number in transcript form: "-" and " 5" make "- 5".
std::string Prefixed(char c, const Value& v) {
  std::string text(1, c);
  AppendStr(text, v);
  return text;
}

std::size_t Index(Box box) {
  return static_cast<std::size_t>(box) - 1;
}

// A whole-number box's number as whole / wholeDen: a decimal with a fractional part as the
// exact fraction its digits write ("0.25" is 1/4), anything else as Val reads it over 1.
void ReadWhole(double val, const std::optional<Fraction>& decimal, Value& whole, Value& wholeDen) {
  if (decimal) {
    whole = Value::Double(decimal->numerator);
    wholeDen = Value::Double(decimal->denominator);
    return;
  }
  whole = Value::Double(val);
  wholeDen = Value::Integer(1);
}

// The numerator of whole/wholeDen + num/den over den x wholeDen. A negative whole number's sign
// belongs to the whole mixed number: -3 and 1/2 is -7/2, -2.5 and 1/3 is -17/6. (-0 counts as
// negative, so "-0" and 1/2 is -1/2.)
Value ImproperNumerator(const Value& whole, const Value& wholeDen, const Value& num,
                        const Value& den) {
  if (std::signbit(whole.ToDouble())) return den * whole - num * wholeDen;
  return den * whole + num * wholeDen;
}

// Divides numerator and denominator by gcf, exactly, when both are whole numbers from 0 up to
// 2^53 and gcf one from 1 up to 2^53; otherwise leaves both as they are, so that a fraction is
// never half reduced and no fractional value is rounded into another. Zero over zero (a mixed
// number without a fraction) becomes 0 and 0 whatever the factor. Tells whether it divided.
bool DivideBoth(Value& num, Value& den, double gcf) {
  const double n = num.ToDouble(), d = den.ToDouble();
  const double factor = n == 0 && d == 0 ? 1 : gcf;
  if (!IsExactWhole(n) || !IsExactWhole(d) || !IsExactWhole(factor) || factor == 0) return false;
  const auto divisor = static_cast<std::uint64_t>(factor);
  num = Value::Double(static_cast<double>(static_cast<std::uint64_t>(n) / divisor));
  den = Value::Double(static_cast<double>(static_cast<std::uint64_t>(d) / divisor));
  return true;
}

// The whole part and the remainder of n / d, whole numbers below 2^53 with d from 1, from the
// quotient's nearest double: never below the whole part and at most one above it, and quicker
// than a 64-bit integer division.
std::pair<std::uint64_t, std::uint64_t> WholeAndRest(std::uint64_t n, std::uint64_t d) {
  auto whole = static_cast<std::uint64_t>(static_cast<double>(n) / static_cast<double>(d));
  if (whole * d > n) --whole;
  return {whole, n - whole * d};
}

// FindGcf where only Gcf is read: a product beyond the double range fails only the least common
// multiple, which then stays as it was, and the calculation goes on with the factor.
void FindGcfForFactor(Module1& m) {
  try {
    m.FindGcf();
  } catch (const Failure& failure) {
    if (failure.kind() != FailureKind::kOverflow) throw;
  }
}

// Rewrites the numerator boxes in plain digits: without leading zeros, and "0" when empty. The
// digits themselves stay as typed, however many there are, so the box still passes the entry checks
// next time.
void RestoreNumerators(BoxPanel& boxes) {
  for (Box box : {Text2, Text5}) {
    const std::string text = boxes.Text(box);
    const std::size_t first = text.find_first_not_of('0');
    if (first == std::string::npos) {
      boxes.SetText(box, "0");
    } else if (first > 0) {
      boxes.SetText(box, text.substr(first));
    }
  }
}

}  // namespace

void ClearAnswers(BoxPanel& boxes) {
  const std::string empty;
  for (Box box : {Text7, Text8, Text9, Text10, Text11, Text12}) boxes.SetText(box, empty);
}

void Calculate(Module1& m, BoxPanel& boxes, MessagePrompt& prompt) {
  const char sep = boxes.DecimalSeparator();
  const Value zero = Value::Integer(0);
  const Value one = Value::Integer(1);
  // Working values of this run, all Empty at the start.
  Value whole1, wholeDen1, num1, den1, whole2, wholeDen2, num2, den2, temp, resultNum, resultDen,
      negFlag, mixedWhole, mixedNum, mixedDen;

  // The operand boxes' texts, read once: the checks and the calculation read these.
  transcript::OperandTexts t{boxes.Text(Text1), boxes.Text(Text2), boxes.Text(Text3),
                             boxes.Text(Text4), boxes.Text(Text5), boxes.Text(Text6)};
  const auto text = [&t](Box box) -> std::string& { return t[Index(box)]; };
  // Where decimals are written with a comma, a whole-number box takes it as the point too ("2,5"
  // is 2.5); the transcript shows the box as typed.
  std::unique_ptr<transcript::OperandTexts> typed;  // a copy made only in that case
  if (sep == ',' &&
      (text(Text1).find(',') != std::string::npos || text(Text4).find(',') != std::string::npos)) {
    typed = std::make_unique<transcript::OperandTexts>(t);
    for (Box box : {Text1, Text4}) std::replace(text(box).begin(), text(box).end(), ',', '.');
  }

  PlainNumbers plain;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (const std::optional<double> n = ShortNumber(t[i])) {
      plain.found[i] = true;
      plain.value[i] = *n;
    }
  }
  const auto plain_digits = [&](Box box) { return plain.found[Index(box)] && text(box)[0] != '-'; };

  // Entry checks: the fraction boxes take digits only, signs go in the whole-number boxes, and a
  // whole-number box holds one number or nothing.
  const std::array<Box, 4> entry{Text2, Text3, Text5, Text6};
  if (std::any_of(entry.begin(), entry.end(), [&](Box box) {
        return !plain_digits(box) && text(box).find('-') != std::string::npos;
      })) {
    prompt.Show(CalculationWords().negative_sign);
    return;
  }
  if (!std::all_of(entry.begin(), entry.end(), [&](Box box) {
        return plain_digits(box) || std::all_of(text(box).begin(), text(box).end(), IsDigit);
      })) {
    prompt.Show(CalculationWords().non_numeric);
    return;
  }
  if (!IsWholeNumberEntry(text(Text1), plain.found[Index(Text1)]) ||
      !IsWholeNumberEntry(text(Text4), plain.found[Index(Text4)])) {
    prompt.Show(CalculationWords().non_numeric);
    return;
  }
  std::optional<OperandNumbers> numbers = NumbersInRange(t, plain);
  if (!numbers) {  // no answer beside operands that have none
    ClearAnswers(boxes);
    prompt.Show(CalculationWords().too_large);
    return;
  }
  const auto val = [&numbers](Box box) -> double& { return numbers->val[Index(box)]; };

  // A numerator over a missing or zero denominator divides by zero: refused before anything
  // changes, as the same operand written in a whole problem is.
  if ((val(Text2) != 0 && val(Text3) == 0) || (val(Text5) != 0 && val(Text6) == 0)) {
    prompt.Show(CalculationWords().divide_by_zero);
    return;
  }
  // Normalisation: a missing or zero denominator under a missing or zero numerator makes the
  // fraction 0/1, so that a whole number typed alone is an operand; a lone "-" in a whole box
  // moves to the front of its numerator.
  for (const auto& [num, den] : {std::pair{Text2, Text3}, std::pair{Text5, Text6}}) {
    if (val(den) == 0) {
      boxes.SetText(den, text(den) = "1");
      boxes.SetText(num, text(num) = "0");
      val(den) = 1;
      val(num) = 0;
    }
  }
  // The sign moves in the operand texts this run reads rather than in the box, which holds no more
  // characters than a numerator may have and would lose its last digit to the sign.
  for (const auto& [whole, num] : {std::pair{Text1, Text2}, std::pair{Text4, Text5}}) {
    if (Is(text(whole), '-')) val(num) = Val(text(num).insert(0, 1, '-'));
  }
  // The answer boxes are not cleared first: an answer writes all six, a failure clears them.

  // Reading the operands.
  ReadWhole(val(Text1), numbers->decimal1, whole1, wholeDen1);
  num1 = Value::Double(val(Text2));
  den1 = Value::Double(val(Text3));
  ReadWhole(val(Text4), numbers->decimal2, whole2, wholeDen2);
  num2 = Value::Double(val(Text5));
  den2 = Value::Double(val(Text6));
  m.Work.clear();  // keeps its storage for the next transcript
  ++m.Runs;
  if (typed) {
    (*typed)[Index(Text2)] = text(Text2);  // with the sign moved, as t has it
    (*typed)[Index(Text5)] = text(Text5);
    for (Box box : {Text3, Text6}) (*typed)[Index(box)] = text(box);
  }
  if (m.KeepWork) transcript::OperandsLine(m.Work, typed ? *typed : t, m.Operation);

  // From here on an operation that fails (division by zero, a number beyond the double range)
  // ends the run: the answer boxes stay empty and the transcript ends with the message.
  bool answer_written = false;
  try {
    // Improper fractions, over the denominator times that of a decimal whole number.
    num1 = Exact(ImproperNumerator(whole1, wholeDen1, num1, den1));
    num2 = Exact(ImproperNumerator(whole2, wholeDen2, num2, den2));
    den1 = Exact(den1 * wholeDen1);
    den2 = Exact(den2 * wholeDen2);

    // The operation; addition and subtraction first bring both over the least common multiple.
    if (Is(m.Operation, '+') || Is(m.Operation, '-')) {
      m.FirstNumber = den1.ToDouble();
      m.SecondNumber = den2.ToDouble();
      m.FindGcf();
      const Value lcm = Exact(Value::Double(m.Lcm));
      num1 = Exact((lcm / den1) * num1);
      num2 = Exact((lcm / den2) * num2);
      if (Is(m.Operation, '+')) resultNum = Exact(num1 + num2);
      if (Is(m.Operation, '-')) resultNum = Exact(num1 - num2);
      resultDen = lcm;
      den1 = lcm;
      den2 = lcm;
    }
    if (m.KeepWork) transcript::StepLine(m.Work, num1, den1, m.Operation, num2, den2);
    if (Is(m.Operation, 'x')) {
      resultNum = Exact(num1 * num2);
      resultDen = Exact(den1 * den2);
    }
    if (Is(m.Operation, '/')) {
      temp = num2;  // dividing multiplies by the inverted second operand
      num2 = den2;
      den2 = temp;
      resultNum = Exact(num1 * num2);
      resultDen = Exact(den1 * den2);
      if (resultDen < zero) {  // a negative divisor: the numerator carries the sign instead
        resultNum = Value::Integer(-1) * resultNum;
        resultDen = Abs(resultDen);
      }
      if (m.KeepWork) transcript::StepLine(m.Work, num1, den1, "X", num2, den2);
      if (resultDen == zero) throw Failure(FailureKind::kDivisionByZero);
    }
    if (m.KeepWork) transcript::AnswerLines(m.Work, resultNum, resultDen);
    answer_written = true;

    // Reduction by the greatest common factor, on the magnitude of the result.
    if (resultNum < zero) {
      negFlag = one;
      resultNum = Abs(resultNum);
    }
    m.FirstNumber = resultNum.ToDouble();
    m.SecondNumber = resultDen.ToDouble();
    FindGcfForFactor(m);
    const bool reduced = DivideBoth(resultNum, resultDen, m.Gcf);
    boxes.SetNumber(Text7, resultNum);
    boxes.SetNumber(Text8, resultDen);
    // The reduced numerator carries the answer's sign again, which it lost to the search.
    if (reduced && m.Gcf != 1 && m.KeepWork) {
      const Value signedNum = negFlag == one ? Value::Integer(-1) * resultNum : resultNum;
      transcript::ReductionLines(m.Work, m.Gcf, signedNum, resultDen);
    }

    // Mixed number: the whole part of the magnitude and the remaining proper fraction, in
    // integers. Both parts of the reduced answer are whole numbers below 2^53 by now.
    const double magnitude = resultNum.ToDouble(), denominator = resultDen.ToDouble();
    if (denominator == 0) throw Failure(FailureKind::kDivisionByZero);
    if (!IsExactWhole(magnitude) || !IsExactWhole(denominator)) {
      throw Failure(FailureKind::kOverflow);
    }
    const auto n = static_cast<std::uint64_t>(magnitude);
    const auto d = static_cast<std::uint64_t>(denominator);
    const auto [whole, rest] = WholeAndRest(n, d);
    mixedWhole = Value::Double(static_cast<double>(whole));
    mixedNum = Value::Double(static_cast<double>(rest));
    mixedDen = resultDen;
    if (!(mixedNum == zero)) {
      m.FirstNumber = mixedNum.ToDouble();
      m.SecondNumber = mixedDen.ToDouble();
      FindGcfForFactor(m);
      DivideBoth(mixedNum, mixedDen, m.Gcf);
    }

    // Output, in the operand boxes' convention: the whole part alone for a whole number ("2",
    // "- 2", "0"), the fraction alone for a proper one, its sign as a lone "-" ("-" 1/40). A
    // negative answer is written in the transcript form so that its numerator and denominator
    // line up behind the minus sign.
    RestoreNumerators(boxes);
    const bool negative = negFlag == one;
    if (negative) {
      boxes.SetText(Text7, Prefixed('-', resultNum));
      boxes.SetText(Text8, Prefixed(' ', resultDen));
    }
    if (n >= d || n == 0) {
      if (negative) {
        boxes.SetText(Text9, Prefixed('-', mixedWhole));
      } else {
        boxes.SetNumber(Text9, mixedWhole);
      }
    } else {
      boxes.SetText(Text9, negative ? "-" : "");
    }
    if (!(mixedNum == zero)) {
      boxes.SetNumber(Text10, mixedNum);
      boxes.SetNumber(Text11, mixedDen);
    } else {
      boxes.SetText(Text10, "");
      boxes.SetText(Text11, "");
    }
    // The decimal is rounded once, from the exact answer rather than from its nearest double.
    boxes.SetQuotient(Text12, negative, n, d);
  } catch (const Failure& failure) {
    const std::string& message = FailureMessage(failure.kind());
    ClearAnswers(boxes);
    RestoreNumerators(boxes);
    if (m.KeepWork) transcript::FailureLines(m.Work, message, answer_written);
    prompt.Show(message);
  }
}

}  // namespace ondavi

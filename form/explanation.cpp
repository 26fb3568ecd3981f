#include "explanation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "characters.h"
#include "conversions.h"
#include "failure.h"
#include "value.h"

namespace ondavi::form {
namespace {

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsDigit);
}

// Digits without their leading zeros; "0" for none.
std::string Unpadded(std::string_view digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? "0" : std::string(digits.substr(first));
}

// A decimal written as the boxes show one: digits with one point, a sign in front.
bool IsPlainDecimal(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  return point != std::string_view::npos && text.find_first_not_of("0123456789.") == text.npos &&
         text.find('.', point + 1) == text.npos && text.size() > 1;
}

// A whole number or a fraction of two whole numbers below 2^53, in lowest terms, as the boxes
// of an operand write it.
OperandTexts FractionTexts(std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t factor = std::gcd(numerator, denominator);
  numerator /= factor;
  denominator /= factor;
  if (denominator == 1) return {std::to_string(numerator), "", ""};
  return {numerator < 0 ? "-" : "", std::to_string(numerator < 0 ? -numerator : numerator),
          std::to_string(denominator)};
}

}  // namespace

std::optional<OperandTexts> PlainOperand(std::string whole, std::string numerator,
                                         std::string denominator, char decimal_separator) {
  if (decimal_separator == ',') std::replace(whole.begin(), whole.end(), ',', '.');
  std::erase_if(whole, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
  if (whole.starts_with('+')) whole.erase(0, 1);
  if (!AllDigits(numerator) || !AllDigits(denominator)) return std::nullopt;
  const bool no_fraction = Unpadded(numerator) == "0";
  const std::string num = Unpadded(numerator), den = Unpadded(denominator);
  if (!no_fraction && den == "0") return std::nullopt;  // refused before it is calculated

  // A sign alone, or with a zero ("-0"), is the sign of the fraction beside it.
  const bool negative = whole.starts_with('-');
  const std::string_view magnitude = std::string_view(whole).substr(negative ? 1 : 0);
  if (magnitude.find_first_not_of("0.") == std::string_view::npos) {
    if (no_fraction) return OperandTexts{"0", "", ""};
    return OperandTexts{negative ? "-" : "", num, den};
  }
  if (AllDigits(magnitude)) {
    const std::string digits = (negative ? "-" : "") + Unpadded(magnitude);
    if (no_fraction) return OperandTexts{digits, "", ""};
    return OperandTexts{digits, num, den};
  }
  try {
    const std::optional<Fraction> decimal = DecimalFraction(whole);
    if (!decimal) {  // a whole number Val reads another way: "1.5e2", "&H10"
      const double value = Val(whole);
      if (!(std::fabs(value) < kExactLimit) || value != std::floor(value)) return std::nullopt;
      const std::string digits = std::to_string(static_cast<std::int64_t>(value));
      if (no_fraction) return OperandTexts{digits, "", ""};
      return OperandTexts{value == 0 ? "" : digits, num, den};
    }
    if (no_fraction && IsPlainDecimal(whole)) {
      if (magnitude.starts_with('.')) whole.insert(negative ? 1 : 0, 1, '0');
      return OperandTexts{whole, "", ""};
    }
    // The decimal and the fraction as one fraction, its magnitude and the decimal's sign:
    // p/q and n/d make (p x d + n x q)/(q x d).
    const double p = decimal->numerator, q = decimal->denominator;
    const double n = no_fraction ? 0 : Val(num), d = no_fraction ? 1 : Val(den);
    const double a = std::fabs(p) * d, b = n * q, c = q * d;
    if (!(a < kExactLimit && b < kExactLimit && a + b < kExactLimit && c < kExactLimit)) {
      return std::nullopt;
    }
    const auto top = static_cast<std::int64_t>(a + b);
    return FractionTexts(p < 0 ? -top : top, static_cast<std::int64_t>(c));
  } catch (const Failure&) {
    return std::nullopt;
  }
}

}  // namespace ondavi::form

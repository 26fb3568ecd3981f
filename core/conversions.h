#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "value.h"

namespace ondavi {

// The number at the start of a text, as a double. Blanks, tabs and line feeds are ignored
// wherever they stand; then one optional sign, digits, an optional "." with digits and an
// optional exponent (E or D) are read up to the first character that cannot continue the number.
// "&H" and "&O" (any case) read hexadecimal and octal: up to 4 hex (6 octal) digits wrap as a
// signed 16-bit number, up to 8 hex (11 octal) digits as a signed 32-bit number. Text with no
// leading number gives 0. A number beyond the double range fails with kOverflow.
double Val(std::string_view text);

// A plain number, an optional "-" and from 1 to 15 digits, as nearly every box holds, read
// without copying the text or asking the C library: Val's number for it; nothing for any other
// text. Every such number is a double as it stands.
std::optional<double> ShortNumber(std::string_view text);

// Whether Val reads all of the text as one number: nothing but blanks stands after it. False for
// text with no number at all ("", "+", ".", "&H") and for a number followed by anything else
// ("1 1/2", "12abc", "1,5", "1e", "&H1G").
bool ValReadsAll(std::string_view text);

// A fraction in lowest terms: a denominator from 2 up to 2^53, a numerator below 2^53 in
// magnitude that carries the sign.
struct Fraction {
  double numerator;
  double denominator;
};

// The exact fraction that a decimal with a fractional part writes, read from its digits rather
// than from the nearest double (whose 0.1 is not 1/10): "0.25" is 1/4, "-2.5" is -5/2, "1e-3" is
// 1/1000. Nothing for a whole number ("2", "2.0", "1.5e2", "&H10"), for zero, and for text that
// Val does not read to its end. Fails with kOverflow when the numerator or the denominator would
// reach 2^53 ("1e-400", "0.12345678901234567").
std::optional<Fraction> DecimalFraction(std::string_view text);

// Transcript form: a blank in front of a number that is not negative, a minus sign in front of a
// negative one, then the digits as in the display form with "." as decimal separator. Empty is
// " 0".
std::string Str(const Value& v);
// Str(v) appended to `out`, without a text of its own.
void AppendStr(std::string& out, const Value& v);

// Display form of a box: no sign position; whole numbers below 2^53 in magnitude with all their
// digits; other numbers with at most 15 significant digits, trailing zeros dropped, positional
// from 1E-15 up to below 1E+15 and exponent form ("1.2E+15", "1E-16") outside that. Empty is the
// empty text.
std::string BoxText(const Value& v, char decimal_separator = '.');
// The display form of the exact quotient num / den, a fraction in lowest terms of whole numbers
// below 2^53, with a minus sign in front when `negative` and num is not 0: over 1 with all its
// digits, any other rounded once, from the exact value, to 15 significant digits, halves away
// from zero, and written as BoxText writes a double.
std::string QuotientText(bool negative, std::uint64_t num, std::uint64_t den,
                         char decimal_separator = '.');
void AppendQuotientText(std::string& out, bool negative, std::uint64_t num, std::uint64_t den,
                        char decimal_separator = '.');

// BoxText(v) appended to `out`, without a text of its own.
void AppendBoxText(std::string& out, const Value& v, char decimal_separator = '.');

}  // namespace ondavi

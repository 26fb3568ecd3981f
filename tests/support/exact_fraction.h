#pragma once

// Exact rational arithmetic with 128-bit integers, which hold every product of two numbers below
// 2^53: the calculator's answers are checked against it, step by step as the calculator forms
// its numbers.
#include <cstdint>
#include <string>
#include <utility>

namespace ondavi::testing {

__extension__ typedef __int128 Int;  // holds every product of two numbers below 2^53
constexpr Int kExactLimit = Int{1} << 53;

inline Int Abs(Int x) {
  return x < 0 ? -x : x;
}
inline Int Gcd(Int a, Int b) {
  a = Abs(a), b = Abs(b);
  while (b != 0) a = std::exchange(b, a % b);
  return a;
}

struct Fraction {
  Int num = 0;
  Int den = 1;  // kept positive; unreduced where the calculator forms it so
};

inline Fraction Normalised(Fraction f) {
  if (f.den < 0) f.num = -f.num, f.den = -f.den;
  const Int g = Gcd(f.num, f.den);
  return g == 0 ? f : Fraction{f.num / g, f.den / g};
}

// A whole-number box's number as the exact fraction its digits write, in lowest terms ("-2.50"
// is -5/2), and whether it carries a minus sign.
inline Fraction WholeOf(std::string text, bool* negative) {
  *negative = text.starts_with("-");
  if (*negative) text.erase(0, 1);
  Int q = 1;
  if (const std::size_t point = text.find('.'); point != std::string::npos) {
    for (std::size_t i = point + 1; i < text.size(); ++i) q *= 10;
    text.erase(point, 1);
  }
  return Normalised({text.empty() ? 0 : std::stoll(text), q});
}

// The operand as the calculator forms it, over its own denominator times that of a decimal whole
// number: an empty or zero denominator under an empty or zero numerator makes the fraction 0/1,
// under any other numerator it divides by zero (a denominator of 0 here), and the whole number's
// sign (or a lone "-") covers the fraction.
inline Fraction Improper(const std::string& whole, const std::string& num, const std::string& den) {
  const Int d = den.empty() ? 0 : std::stoll(den);
  const Int n = num.empty() ? 0 : std::stoll(num);
  if (d == 0 && n != 0) return {n, 0};
  const Int fd = d == 0 ? 1 : d;
  if (whole == "-") return {-n, fd};
  bool negative = false;
  const Fraction w = WholeOf(whole, &negative);
  const Int magnitude = w.num * fd + n * w.den;
  return {negative ? -magnitude : magnitude, fd * w.den};
}

// The unreduced result and whether any number formed on the way (the improper numerators, the
// common denominator, the scaled numerators, the result's parts) reaches 2^53 in magnitude; a
// result over 0 divides by zero, and an operand over 0 is refused before anything is formed.
struct Outcome {
  Fraction result;
  bool too_large = false;
  bool zero_denominator_operand = false;
};

inline Outcome Exact(Fraction a, Fraction b, const std::string& operation) {
  Outcome o;
  if (a.den == 0 || b.den == 0) {
    o.result = {0, 0};
    o.zero_denominator_operand = true;
    return o;
  }
  const auto large = [&](Int x) { o.too_large = o.too_large || Abs(x) >= kExactLimit; };
  large(a.num), large(b.num), large(a.den), large(b.den);
  if (operation == "+" || operation == "-") {
    const Int lcm = a.den / Gcd(a.den, b.den) * b.den;
    const Int n1 = lcm / a.den * a.num, n2 = lcm / b.den * b.num;
    large(lcm), large(n1), large(n2);
    o.result = {operation == "+" ? n1 + n2 : n1 - n2, lcm};
  }
  if (operation == "x") o.result = {a.num * b.num, a.den * b.den};
  if (operation == "/") o.result = {a.num * b.den, a.den * b.num};
  large(o.result.num), large(o.result.den);
  return o;
}

// Reads a box as written by the calculator: digits with an optional leading "-" and blanks; 0
// for an empty box and for a lone "-" (the sign of the fraction beside it).
inline Int Number(std::string text) {
  std::erase(text, ' ');
  return text.empty() || text == "-" ? 0 : std::stoll(text);
}

}  // namespace ondavi::testing

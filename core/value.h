#pragma once

#include <cassert>
#include <cmath>
#include <cstdint>

#include "failure.h"

namespace ondavi {

// The loosely typed number of the calculator: unset (Empty), a whole number (Integer) or an IEEE
// double. Empty counts as 0 in arithmetic and comparisons. Integer arithmetic that outgrows 64
// bits carries on in double instead of overflowing. Every double a Value holds is finite: an
// operation whose double result would overflow throws Failure instead. A Value is its kind and
// one number, copied as plain bytes.
class Value {
 public:
  enum class Kind { kEmpty, kInteger, kDouble };

  Value() = default;  // Empty
  static Value Integer(std::int64_t n) { return Value(n); }
  static Value Double(double d);

  Kind kind() const { return kind_; }
  bool IsEmpty() const { return kind_ == Kind::kEmpty; }
  std::int64_t AsInteger() const {  // Integer only
    assert(kind_ == Kind::kInteger);
    return integer_;
  }
  double ToDouble() const;  // Empty gives 0

  // True when the value is a whole number, counting Empty as 0.
  bool IsWhole() const;

 private:
  explicit Value(std::int64_t n) : kind_(Kind::kInteger), integer_(n) {}
  explicit Value(double d) : kind_(Kind::kDouble), double_(d) {}
  Kind kind_ = Kind::kEmpty;
  union {
    std::int64_t integer_ = 0;  // kInteger, and 0 while Empty
    double double_;             // kDouble
  };
};

Value operator+(const Value& a, const Value& b);
Value operator-(const Value& a, const Value& b);
Value operator*(const Value& a, const Value& b);
// Double quotient; a divisor of 0 fails.
Value operator/(const Value& a, const Value& b);
// Integer division ("\"): both operands are rounded half to even and must lie in the signed
// 32-bit range; the quotient is truncated toward zero. A divisor of 0 fails.
Value IntDiv(const Value& a, const Value& b);
// The greatest whole number not greater than a.
Value Int(const Value& a);
Value Abs(const Value& a);

// True when a value can be an operand of IntDiv: whole and inside the signed 32-bit range.
bool FitsInt32(const Value& a);

// 2^53. Doubles hold every whole number below it exactly; above it they skip whole numbers.
inline constexpr double kExactLimit = 9007199254740992.0;

// True for the whole numbers from 0 up to 2^53, which doubles hold exactly (above it they skip
// whole numbers), so that exact integer arithmetic can stand in for them.
inline bool IsExactWhole(double d) {
  // Converting to an integer and back keeps exactly the whole numbers of that range, without a
  // call to the maths library.
  return d >= 0 && d <= kExactLimit && static_cast<double>(static_cast<std::uint64_t>(d)) == d;
}

// Inline, as every step of a calculation makes and reads values.
inline Value Value::Double(double d) {
  if (!std::isfinite(d)) throw Failure(FailureKind::kOverflow);
  return Value(d);
}

inline double Value::ToDouble() const {
  if (kind_ == Kind::kDouble) return double_;
  return static_cast<double>(integer_);  // 0 while Empty
}

// Comparisons compare the numbers as doubles; inline, as every calculation makes dozens.
inline bool operator<(const Value& a, const Value& b) {
  return a.ToDouble() < b.ToDouble();
}
inline bool operator>(const Value& a, const Value& b) {
  return a.ToDouble() > b.ToDouble();
}
inline bool operator>=(const Value& a, const Value& b) {
  return a.ToDouble() >= b.ToDouble();
}
inline bool operator==(const Value& a, const Value& b) {
  return a.ToDouble() == b.ToDouble();
}

}  // namespace ondavi

#include "value.h"

#include <cmath>
#include <limits>

#include "failure.h"
#include "wide_arithmetic.h"

namespace ondavi {
namespace {

// Applies an integer operation when both operands are Integer (or Empty) and the result fits 64
// bits; otherwise the double operation.
template <typename IntOp, typename DoubleOp>
Value Arithmetic(const Value& a, const Value& b, IntOp int_op, DoubleOp double_op) {
  if (a.kind() != Value::Kind::kDouble && b.kind() != Value::Kind::kDouble) {
    const std::int64_t x = a.IsEmpty() ? 0 : a.AsInteger();
    const std::int64_t y = b.IsEmpty() ? 0 : b.AsInteger();
    std::int64_t result = 0;
    if (!int_op(x, y, &result)) return Value::Integer(result);
  }
  return Value::Double(double_op(a.ToDouble(), b.ToDouble()));
}

// Rounds half to even and checks the signed 32-bit range, as integer division needs.
std::int64_t RoundToInt32(const Value& a) {
  if (!FitsInt32(a)) throw Failure(FailureKind::kOutOfRange);
  return static_cast<std::int64_t>(std::nearbyint(a.ToDouble()));
}

}  // namespace

bool Value::IsWhole() const {
  return kind_ != Kind::kDouble || std::floor(double_) == double_;
}

Value operator+(const Value& a, const Value& b) {
  return Arithmetic(a, b, AddOverflows, [](double x, double y) { return x + y; });
}

Value operator-(const Value& a, const Value& b) {
  return Arithmetic(a, b, SubtractOverflows, [](double x, double y) { return x - y; });
}

Value operator*(const Value& a, const Value& b) {
  return Arithmetic(a, b, MultiplyOverflows, [](double x, double y) { return x * y; });
}

Value operator/(const Value& a, const Value& b) {
  if (b.ToDouble() == 0.0) throw Failure(FailureKind::kDivisionByZero);
  return Value::Double(a.ToDouble() / b.ToDouble());
}

Value IntDiv(const Value& a, const Value& b) {
  const std::int64_t x = RoundToInt32(a);
  const std::int64_t y = RoundToInt32(b);
  if (y == 0) throw Failure(FailureKind::kDivisionByZero);
  return Value::Integer(x / y);  // C++ division truncates toward zero
}

Value Int(const Value& a) {
  if (a.kind() == Value::Kind::kDouble) return Value::Double(std::floor(a.ToDouble()));
  return a.IsEmpty() ? Value::Integer(0) : a;
}

Value Abs(const Value& a) {
  if (a.kind() == Value::Kind::kDouble) return Value::Double(std::fabs(a.ToDouble()));
  if (a.IsEmpty()) return Value::Integer(0);
  const std::int64_t n = a.AsInteger();
  if (n == std::numeric_limits<std::int64_t>::min()) return Value::Double(-static_cast<double>(n));
  return Value::Integer(n < 0 ? -n : n);
}

bool FitsInt32(const Value& a) {
  const double d = a.ToDouble();
  // Rounding half to even maps exactly this interval onto [-2^31, 2^31 - 1].
  return d >= -2147483648.5 && d < 2147483647.5;
}

}  // namespace ondavi

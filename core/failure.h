#pragma once

#include <exception>

namespace ondavi {

// How an arithmetic operation can fail.
enum class FailureKind {
  kDivisionByZero,  // a divisor of 0 in "/" or "\"
  kOverflow,        // a double result or a number read from text beyond the double range
  kOutOfRange,      // an integer-division operand outside the signed 32-bit range
};

// The one failure of the core. An operation that fails throws it before assigning anything, so
// the statement that was running is abandoned whole; the calculation catches it in one place.
class Failure : public std::exception {
 public:
  explicit Failure(FailureKind kind) : kind_(kind) {}
  FailureKind kind() const { return kind_; }
  const char* what() const noexcept override;

 private:
  FailureKind kind_;
};

}  // namespace ondavi

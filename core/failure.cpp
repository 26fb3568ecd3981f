#include "failure.h"

namespace ondavi {

const char* Failure::what() const noexcept {
  switch (kind_) {
    case FailureKind::kDivisionByZero:
      return "division by zero";
    case FailureKind::kOverflow:
      return "overflow";
    case FailureKind::kOutOfRange:
      return "out of range";
  }
  return "arithmetic failure";
}

}  // namespace ondavi

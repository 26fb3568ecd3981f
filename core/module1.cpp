#include "module1.h"

#include <bit>
#include <cstdint>
#include <utility>

#include "divisors.h"
#include "value.h"

namespace ondavi {
namespace {

// The greatest common divisor, by Stein's binary algorithm: halvings and subtractions of odd
// numbers. Each round replaces the larger of the two by their difference, shifted right past its
// trailing zeros. The zeros are counted on the difference as first worked out, which has as many as
// its magnitude, so that counting need not wait for which of the two is larger; and that choice,
// a coin toss that a processor's branch prediction loses half the time, is made by arithmetic on
// a mask rather than by a branch. gcd(0, b) is b.
std::uint64_t Gcd(std::uint64_t a, std::uint64_t b) {
  if (a == 0 || b == 0) return a | b;
  const int shift = std::countr_zero(a | b);
  a >>= std::countr_zero(a);
  b >>= std::countr_zero(b);
  for (;;) {                                 // a and b are odd
    const std::uint64_t difference = b - a;  // wraps around when b is the smaller
    if (difference == 0) return a << shift;
    const int zeros = std::countr_zero(difference);
    const std::uint64_t b_smaller = 0 - static_cast<std::uint64_t>(b < a);  // all ones, or 0
    a += difference & b_smaller;                          // the smaller of the two
    b = ((difference ^ b_smaller) - b_smaller) >> zeros;  // the larger less the smaller
  }
}

}  // namespace

const std::vector<double>& FactorList::List() const {
  if (listed_) return list_;
  listed_ = true;
  list_.assign(1, 0.0);
  if (!IsExactWhole(number_) || number_ == 0) return list_;
  const std::vector<std::uint64_t> divisors = Divisors(static_cast<std::uint64_t>(number_));
  list_.resize(divisors.size() + 1);
  list_[0] = static_cast<double>(divisors.size());
  for (std::size_t i = 0; i < divisors.size(); ++i) {
    list_[i + 1] = static_cast<double>(static_cast<std::int64_t>(divisors[i]));  // below 2^53
  }
  return list_;
}

void Module1::FindGcf() {
  if (SecondNumber < FirstNumber) std::swap(FirstNumber, SecondNumber);
  FactorsA.Of(FirstNumber);
  FactorsB.Of(SecondNumber);

  const bool whole_pair =
      IsExactWhole(FirstNumber) && IsExactWhole(SecondNumber) && SecondNumber > 0;
  if (!whole_pair) {
    Gcf = 1;
    Lcm = (Value::Double(FirstNumber) * Value::Double(SecondNumber)).ToDouble();
    return;
  }
  const auto a = static_cast<std::uint64_t>(FirstNumber);
  const auto b = static_cast<std::uint64_t>(SecondNumber);
  const std::uint64_t gcf = Gcd(a, b);
  Gcf = static_cast<double>(static_cast<std::int64_t>(gcf));  // below 2^53, as a and b are
  Lcm = static_cast<double>(static_cast<std::int64_t>(a / gcf)) * SecondNumber;  // 0 when a is 0
}

}  // namespace ondavi

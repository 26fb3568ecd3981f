#include "module1.h"

#include <cstdint>
#include <numeric>
#include <utility>

#include "divisors.h"
#include "value.h"

namespace ondavi {
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
  const std::uint64_t gcf = std::gcd(a, b);
  Gcf = static_cast<double>(gcf);
  Lcm = static_cast<double>(a / gcf) * SecondNumber;  // 0 when a is 0
}

}  // namespace ondavi

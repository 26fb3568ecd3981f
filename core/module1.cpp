#include "module1.h"

#include <cstdint>
#include <numeric>
#include <utility>

#include "divisors.h"
#include "value.h"

namespace ondavi {
namespace {

// Every factor of a whole number from 1 up to 2^53, in increasing order behind the count; an
// empty list for any other number. Reuses the list's storage.
void ListFactors(double number, std::vector<double>& list) {
  list.assign(1, 0.0);
  if (!IsExactWhole(number) || number == 0) return;
  const std::vector<std::uint64_t> divisors = Divisors(static_cast<std::uint64_t>(number));
  list.resize(divisors.size() + 1);
  list[0] = static_cast<double>(divisors.size());
  for (std::size_t i = 0; i < divisors.size(); ++i) {
    list[i + 1] = static_cast<double>(static_cast<std::int64_t>(divisors[i]));  // below 2^53
  }
}

// More lists than one calculation makes: a caller that never forgets them stays bounded.
constexpr std::size_t kMostListsKept = 8;

}  // namespace

const std::vector<double>& Module1::FactorList(double number) {
  for (std::size_t i = 0; i < listed_count_; ++i) {
    if (listed_[i].number == number) return listed_[i].factors;
  }
  if (listed_count_ == kMostListsKept) listed_count_ = 0;
  if (listed_count_ == listed_.size()) listed_.emplace_back();
  Listed& listed = listed_[listed_count_++];
  listed.number = number;
  ListFactors(number, listed.factors);  // into storage kept from earlier lists
  return listed.factors;
}

void Module1::FindGcf() {
  if (SecondNumber < FirstNumber) std::swap(FirstNumber, SecondNumber);
  FactorsA = FactorList(FirstNumber);
  FactorsB = FactorList(SecondNumber);

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

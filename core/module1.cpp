#include "module1.h"

#include <cmath>
#include <cstdint>
#include <numeric>
#include <utility>

#include "divisors.h"
#include "value.h"

namespace ondavi {
namespace {

// Doubles hold every whole number up to 2^53 exactly; above it they skip whole numbers.
constexpr double kLargestExactWhole = 9007199254740992.0;

bool IsCountable(double d) {
  return d >= 0 && d <= kLargestExactWhole && std::floor(d) == d;
}

std::vector<double> FactorList(double number) {
  std::vector<double> list = {0};
  if (!IsCountable(number) || number == 0) return list;
  for (std::uint64_t d : Divisors(static_cast<std::uint64_t>(number))) {
    list.push_back(static_cast<double>(d));
  }
  list[0] = static_cast<double>(list.size() - 1);
  return list;
}

}  // namespace

void Module1::FindGcf() {
  if (SecondNumber < FirstNumber) std::swap(FirstNumber, SecondNumber);
  FactorsA = FactorList(FirstNumber);
  FactorsB = SecondNumber == FirstNumber ? FactorsA : FactorList(SecondNumber);

  const bool whole_pair = IsCountable(FirstNumber) && IsCountable(SecondNumber) && SecondNumber > 0;
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

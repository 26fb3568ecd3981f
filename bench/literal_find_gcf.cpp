#include "literal_find_gcf.h"

#include <string>
#include <utility>
#include <vector>

#include "conversions.h"
#include "failure.h"
#include "value.h"

namespace ondavi::bench {
namespace {

constexpr std::size_t kListSize = 101;

void ListFactors(double number, std::vector<double>& list) {
  list.resize(kListSize);
  Value i = Value::Integer(1);
  Value n = Value::Integer(0);
  const Value x = Value::Double(number);
  while (!(x / i < Value::Integer(1))) {
    if (Str(x / i).find('.') == std::string::npos) {
      n = n + Value::Integer(1);
      if (n.AsInteger() >= static_cast<std::int64_t>(kListSize)) {
        throw Failure(FailureKind::kOutOfRange);
      }
      list[static_cast<std::size_t>(n.AsInteger())] = i.ToDouble();
    }
    i = i + Value::Integer(1);
  }
  list[0] = n.ToDouble();
}

}  // namespace

void LiteralFindGcf(Module1& m) {
  if (m.SecondNumber < m.FirstNumber) std::swap(m.FirstNumber, m.SecondNumber);
  std::vector<double> factors_a, factors_b;
  ListFactors(m.FirstNumber, factors_a);
  ListFactors(m.SecondNumber, factors_b);
  for (auto j = static_cast<std::size_t>(factors_a[0]); j >= 1; --j) {
    for (auto k = static_cast<std::size_t>(factors_b[0]); k >= 1; --k) {
      if (factors_b[k] == factors_a[j]) {
        m.Gcf = factors_a[j];
        m.Lcm = (Value::Double(m.FirstNumber) * Value::Double(m.SecondNumber)).ToDouble() /
                factors_a[j];
        return;
      }
    }
  }
}

}  // namespace ondavi::bench

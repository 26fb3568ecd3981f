#include "literal_find_gcf.h"

#include <string>
#include <utility>

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
  ListFactors(m.FirstNumber, m.FactorsA);
  ListFactors(m.SecondNumber, m.FactorsB);
  for (auto j = static_cast<std::size_t>(m.FactorsA[0]); j >= 1; --j) {
    for (auto k = static_cast<std::size_t>(m.FactorsB[0]); k >= 1; --k) {
      if (m.FactorsB[k] == m.FactorsA[j]) {
        m.Gcf = m.FactorsA[j];
        m.Lcm = (Value::Double(m.FirstNumber) * Value::Double(m.SecondNumber)).ToDouble() /
                m.FactorsA[j];
        return;
      }
    }
  }
}

}  // namespace ondavi::bench

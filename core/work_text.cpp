#include "work_text.h"

#include <utility>

#include "conversions.h"

namespace ondavi {

void WorkText::WriteNumbers() const {
  written_.clear();
  std::size_t copied = 0;
  for (const Number& number : numbers_) {
    written_.append(text_, copied, number.at - copied);
    ondavi::AppendStr(written_, number.value);
    copied = number.at;
  }
  written_.append(text_, copied);
  text_.swap(written_);
  numbers_.clear();
}

}  // namespace ondavi

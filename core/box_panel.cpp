#include "box_panel.h"

namespace ondavi {

// Out of line: reading a box that holds its text, as the operand boxes do, stays a short inline
// call.
void InMemoryBoxPanel::AppendPending(std::string& out, std::size_t i) const {
  if (quotient_.test(i)) {
    const Quotient& q = quotients_[i];
    AppendQuotientText(out, q.negative, q.num, q.den, separators_[i]);
  } else {
    AppendBoxText(out, numbers_[i], separators_[i]);
  }
}

}  // namespace ondavi

#include "decimal_digits.h"

#include <cstdint>

namespace ondavi::explain {
namespace {

// Long division of a number's magnitude by its denominator: the whole part, then one digit
// after the point at a time. The remainder stays below the denominator, and ten times it is
// found by adding it ten times, so nothing passes 2^64.
class LongDivision {
 public:
  explicit LongDivision(Rational r)
      : negative_(r.num < 0),
        den_(static_cast<std::uint64_t>(r.den)),
        whole_((negative_ ? 0 - static_cast<std::uint64_t>(r.num)
                          : static_cast<std::uint64_t>(r.num)) /
               den_),
        remainder_((negative_ ? 0 - static_cast<std::uint64_t>(r.num)
                              : static_cast<std::uint64_t>(r.num)) %
                   den_) {}

  bool negative() const { return negative_; }
  std::uint64_t whole() const { return whole_; }
  bool ended() const { return remainder_ == 0; }

  // The next digit after the point (0 once the division has ended).
  int Next() {
    std::uint64_t tens = 0;
    int digit = 0;
    for (int i = 0; i < 10; ++i) {
      tens += remainder_;  // below twice the denominator
      if (tens >= den_) {
        tens -= den_;
        ++digit;
      }
    }
    remainder_ = tens;
    return digit;
  }

 private:
  bool negative_;
  std::uint64_t den_, whole_, remainder_;
};

std::string Written(const LongDivision& division, const std::string& digits, bool goes_on) {
  std::string out = division.negative() ? "-" : "";
  out += std::to_string(division.whole());
  if (!digits.empty()) out += "." + digits;
  if (goes_on) out += "...";
  return out;
}

}  // namespace

DecimalsApart DecimalsOf(Rational a, Rational b) {
  LongDivision left(a), right(b);
  std::string left_digits, right_digits;  // the places written, none past where one ends
  // Of opposite signs, each is written to its first digit that is not 0, so that "-0.0" and
  // "0.0" are not what is compared.
  const bool signs_apart = left.negative() != right.negative();
  bool left_shown = left.whole() != 0 || left.ended();
  bool right_shown = right.whole() != 0 || right.ended();
  const bool wholes_apart = left.whole() != right.whole();
  // Two different numbers differ within about 39 places: their difference is at least one over
  // the product of their denominators, each below 2^63.
  for (int place = 0; place < 64; ++place) {
    const bool left_ended = left.ended(), right_ended = right.ended();
    const int l = left.Next(), r = right.Next();
    if (!left_ended) left_digits += static_cast<char>('0' + l);
    if (!right_ended) right_digits += static_cast<char>('0' + r);
    left_shown = left_shown || l != 0 || left.ended();
    right_shown = right_shown || r != 0 || right.ended();
    if (signs_apart ? left_shown && right_shown : wholes_apart || l != r) break;
  }
  return {Written(left, left_digits, false), Written(left, left_digits, !left.ended()),
          Written(right, right_digits, false), Written(right, right_digits, !right.ended())};
}

}  // namespace ondavi::explain

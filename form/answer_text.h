#pragma once

// The answer boxes as text: in words, for a screen reader to speak after a calculation, and as
// one line, for copying and for the command line.
#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "box_panel.h"
#include "translation.h"

namespace ondavi::form {

// A box's text without blanks, appended to `out`; the part appended, valid until `out` next
// changes. A negative answer is written with a blank behind its minus sign, and its denominator
// with two in front, to line the boxes up.
inline std::string_view AppendUnpadded(std::string& out, const BoxPanel& boxes, Box box) {
  const std::size_t at = out.size();
  boxes.AppendText(box, out);
  out.erase(std::remove(out.begin() + static_cast<std::ptrdiff_t>(at), out.end(), ' '), out.end());
  return std::string_view(out).substr(at);
}

inline std::string Unpadded(const BoxPanel& boxes, Box box) {
  std::string text;
  AppendUnpadded(text, boxes, box);
  return text;
}

// Whether a mixed number's whole part (blanks removed) is one to show: not empty, not 0 and not
// the lone "-" of a negative proper fraction.
inline bool HasWholePart(std::string_view whole) {
  return !whole.empty() && whole != "0" && whole != "-0" && whole != "-";
}

// "13 over 6, mixed number 2 and 1 over 6, decimal 2.16666666666667", in the user's language;
// the mixed number only when it has a whole part, as in the answer line. A minus sign is a word
// of its own ("minus 13 over 6"): languages that say the denominator first would otherwise put
// it inside the fraction. Boxes that hold nothing say nothing.
inline std::string ResultAnnouncement(const BoxPanel& boxes) {
  const auto read = [&](Box box) { return Unpadded(boxes, box); };
  std::string num = read(Box::Text7), whole = read(Box::Text9);
  const std::string den = read(Box::Text8), mixed_num = read(Box::Text10),
                    mixed_den = read(Box::Text11), decimal = read(Box::Text12);
  std::string words;
  const auto add = [&](const std::string& part) {
    if (part.empty()) return;
    // TRANSLATORS: between the parts of the answer that a screen reader says.
    if (!words.empty()) words += Tr(", ");
    words += part;
  };
  // The text without its minus sign, and whether it had one.
  const auto magnitude = [](std::string& text) {
    const bool negative = text.starts_with('-');
    if (negative) text.erase(0, 1);
    return negative;
  };
  if (!num.empty()) {
    // TRANSLATORS: a negative fraction, %1 its numerator and %2 its denominator, both without
    // a sign.
    add(magnitude(num) ? TrArgs("minus %1 over %2", std::array{num, den})
                       : TrArgs("%1 over %2", std::array{num, den}));
  }
  if (HasWholePart(whole)) {
    const bool negative = magnitude(whole);
    const std::array parts{whole, mixed_num, mixed_den};
    if (mixed_num.empty() || mixed_den.empty()) {
      // TRANSLATORS: a negative whole number, %1 without its sign.
      add(negative ? TrArgs("mixed number minus %1", std::array{whole})
                   : TrArgs("mixed number %1", std::array{whole}));
    } else if (negative) {
      // TRANSLATORS: a negative mixed number such as -2 1/6, the minus sign standing for the
      // whole of it: %1 the whole part, %2 over %3 the fraction, all without a sign.
      add(TrArgs("mixed number minus %1 and %2 over %3", parts));
    } else {
      add(TrArgs("mixed number %1 and %2 over %3", parts));
    }
  }
  if (!decimal.empty()) add(TrArgs("decimal %1", std::array{decimal}));
  return words;
}

// "13/6 = 2 1/6 = 2.16666666666667": the fraction, the mixed number when its whole part is not
// 0, and the decimal, joined by " = ", with "." in the decimal; appended to `out`, nothing when
// there is no answer. The command line writes one for every problem into the same text.
inline void AppendAnswerLine(std::string& out, const BoxPanel& boxes) {
  if (AppendUnpadded(out, boxes, Box::Text7).empty()) return;
  out += '/';
  AppendUnpadded(out, boxes, Box::Text8);
  // Each part is written in its place and taken back when it is not shown.
  const std::size_t before_whole = out.size();
  out += " = ";
  if (!HasWholePart(AppendUnpadded(out, boxes, Box::Text9))) {
    out.resize(before_whole);
  } else {
    const std::size_t before_fraction = out.size();
    out += ' ';
    AppendUnpadded(out, boxes, Box::Text10);
    out += '/';
    if (const std::string_view mixed_den = AppendUnpadded(out, boxes, Box::Text11);
        mixed_den.empty() || mixed_den == "0") {
      out.resize(before_fraction);
    }
  }
  const std::size_t before_decimal = out.size();
  out += " = ";
  const std::size_t at = out.size();
  if (AppendUnpadded(out, boxes, Box::Text12).empty()) {
    out.resize(before_decimal);
    return;
  }
  std::replace(out.begin() + static_cast<std::ptrdiff_t>(at), out.end(), boxes.DecimalSeparator(),
               '.');
}

// The answer line alone; empty when there is no answer.
inline std::string AnswerLine(const BoxPanel& boxes) {
  std::string line;
  AppendAnswerLine(line, boxes);
  return line;
}

}  // namespace ondavi::form

#pragma once

// The answer boxes as text: in words, for a screen reader to speak after a calculation, and as
// one line, for copying and for the command line.
#include <array>
#include <string>

#include "box_panel.h"
#include "translation.h"

namespace ondavi::form {

// A box's text without blanks: a negative answer is written with a blank behind its minus sign,
// and its denominator with two in front, to line the boxes up.
inline std::string Unpadded(const BoxPanel& boxes, Box box) {
  std::string text = boxes.Text(box);
  std::erase(text, ' ');
  return text;
}

// "13 over 6, mixed number 2 and 1 over 6, decimal 2.16666666666667", in the user's language.
// Boxes that hold nothing say nothing.
inline std::string ResultAnnouncement(const BoxPanel& boxes) {
  const auto read = [&](Box box) { return Unpadded(boxes, box); };
  const std::string num = read(Box::Text7), den = read(Box::Text8);
  const std::string whole = read(Box::Text9), mixed_num = read(Box::Text10),
                    mixed_den = read(Box::Text11), decimal = read(Box::Text12);
  std::string words;
  const auto add = [&](const std::string& part) {
    if (part.empty()) return;
    // TRANSLATORS: between the parts of the answer that a screen reader says.
    if (!words.empty()) words += Tr(", ");
    words += part;
  };
  if (!num.empty()) add(TrArgs("%1 over %2", std::array{num, den}));
  const bool has_fraction = !mixed_num.empty() && mixed_num != "0";
  if (!whole.empty() && whole != "-0" && has_fraction) {
    add(TrArgs("mixed number %1 and %2 over %3", std::array{whole, mixed_num, mixed_den}));
  } else if (!whole.empty() && whole != "-0") {
    add(TrArgs("mixed number %1", std::array{whole}));
  }
  if (!decimal.empty()) add(TrArgs("decimal %1", std::array{decimal}));
  return words;
}

// "13/6 = 2 1/6 = 2.16666666666667": the fraction, the mixed number when its whole part is not
// 0, and the decimal, joined by " = ", with "." in the decimal. Empty when there is no answer.
inline std::string AnswerLine(const BoxPanel& boxes) {
  const auto read = [&](Box box) { return Unpadded(boxes, box); };
  const std::string num = read(Box::Text7), den = read(Box::Text8), whole = read(Box::Text9),
                    mixed_num = read(Box::Text10), mixed_den = read(Box::Text11);
  std::string decimal = read(Box::Text12);
  if (num.empty()) return "";
  for (char& c : decimal) {
    if (c == boxes.DecimalSeparator()) c = '.';
  }
  std::string line = num + "/" + den;
  if (!whole.empty() && whole != "0" && whole != "-0") {
    line += " = " + whole;
    if (!mixed_den.empty() && mixed_den != "0") line += " " + mixed_num + "/" + mixed_den;
  }
  return decimal.empty() ? line : line + " = " + decimal;
}

}  // namespace ondavi::form

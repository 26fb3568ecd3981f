#pragma once

// The answer in words, for a screen reader to speak after a calculation: "13 over 6, mixed
// number 2 and 1 over 6, decimal 2.16666666666667". Boxes that hold nothing say nothing.
#include <string>

#include "box_panel.h"

namespace ondavi::form {

inline std::string ResultAnnouncement(const BoxPanel& boxes) {
  // A negative answer is written with a blank behind its minus sign, to line the boxes up.
  const auto read = [&](Box box) {
    std::string text = boxes.Text(box);
    std::erase(text, ' ');
    return text;
  };
  const std::string num = read(Box::Text7), den = read(Box::Text8);
  const std::string whole = read(Box::Text9), mixed_num = read(Box::Text10),
                    mixed_den = read(Box::Text11), decimal = read(Box::Text12);
  std::string words;
  const auto add = [&](const std::string& part) {
    if (part.empty()) return;
    if (!words.empty()) words += ", ";
    words += part;
  };
  if (!num.empty()) add(num + " over " + den);
  const bool has_fraction = !mixed_num.empty() && mixed_num != "0";
  if (!whole.empty() && whole != "-0" && has_fraction) {
    add("mixed number " + whole + " and " + mixed_num + " over " + mixed_den);
  } else if (!whole.empty() && whole != "-0") {
    add("mixed number " + whole);
  }
  if (!decimal.empty()) add("decimal " + decimal);
  return words;
}

}  // namespace ondavi::form

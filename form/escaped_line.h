#pragma once

// A line echoed on the error stream as it can be read on any terminal: control characters (C0,
// DEL and C1), the line and paragraph separators and bytes that are not UTF-8 written as "\x00",
// "\xC0" (a byte each), and "\" as "\\", so that nothing the line holds moves the cursor,
// changes colours, breaks the line or garbles what follows.
#include <string>
#include <string_view>

namespace ondavi::form {

inline std::string Escaped(std::string_view line) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(line.size());
  const auto escape = [&](unsigned char byte) {
    ((out += "\\x") += kHex[byte >> 4]) += kHex[byte & 0xF];
  };
  for (std::size_t i = 0; i < line.size();) {
    const auto byte = static_cast<unsigned char>(line[i]);
    if (byte < 0x80) {
      if (byte < 0x20 || byte == 0x7F) {
        escape(byte);
      } else {
        out += byte == '\\' ? std::string_view("\\\\") : line.substr(i, 1);
      }
      ++i;
      continue;
    }
    // A well-formed sequence passes, but for the C1 controls and the two separators.
    const std::size_t length = (byte >> 5) == 6    ? 2
                               : (byte >> 4) == 14 ? 3
                               : (byte >> 3) == 30 ? 4
                                                   : 0;
    bool sound = length > 0 && i + length <= line.size();
    unsigned long code = length > 0 ? byte & (0x7Fu >> length) : 0;
    for (std::size_t k = 1; sound && k < length; ++k) {
      const auto next = static_cast<unsigned char>(line[i + k]);
      sound = (next >> 6) == 2;
      code = (code << 6) | (next & 0x3Fu);
    }
    constexpr unsigned long kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    sound = sound && code >= kLeast[length] && code <= 0x10FFFF &&
            (code < 0xD800 || code > 0xDFFF) && (code < 0x80 || code > 0x9F) && code != 0x2028 &&
            code != 0x2029;
    if (!sound) {
      escape(byte);  // this byte alone; what follows is looked at afresh
      ++i;
      continue;
    }
    out += line.substr(i, length);
    i += length;
  }
  return out;
}

}  // namespace ondavi::form

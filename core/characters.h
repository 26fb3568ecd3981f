#pragma once

// The classes of characters that the calculator reads text by, each named for what it is.
#include <string_view>

namespace ondavi {

// The ASCII digits 0 to 9: all that a fraction box takes.
constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// What Val passes over wherever it stands in a number: blanks, tabs and line feeds.
inline constexpr std::string_view kPassedOverByVal = " \t\n";

// What a line of a batch may hold and still count as blank: spaces and tabs, and in UTF-8 the
// spaces that word processors write (no-break, figure, thin and narrow no-break) and East Asian
// input methods (the ideographic space).
inline constexpr std::string_view kBlankLineSpaces[] = {
    " ", "\t", "\xC2\xA0", "\xE2\x80\x87", "\xE2\x80\x89", "\xE2\x80\xAF", "\xE3\x80\x80"};

}  // namespace ondavi

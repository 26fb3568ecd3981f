#pragma once

// The core speaks UTF-8, Windows UTF-16.
#include <string>
#include <string_view>

namespace ondavi::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace ondavi::win32

#pragma once

// The clipboard's text, as the core speaks it (UTF-8); Windows keeps it as UTF-16.
#include <windows.h>

#include <string>

namespace ondavi::win32 {

// The clipboard's text; empty when it holds none or cannot be opened.
std::string ClipboardText(HWND owner);

// Puts the text on the clipboard in place of what it held; nothing changes when it cannot be
// opened.
void SetClipboardText(HWND owner, const std::string& text);

}  // namespace ondavi::win32

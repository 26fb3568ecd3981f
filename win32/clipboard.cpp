#include "clipboard.h"

#include <cstring>

#include "text_conversion.h"

namespace ondavi::win32 {

std::string ClipboardText(HWND owner) {
  std::string text;
  if (!OpenClipboard(owner)) return text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = Narrow(wide);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void SetClipboardText(HWND owner, const std::string& text) {
  const std::wstring wide = Widen(text);
  const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  if (!data) return;
  std::memcpy(GlobalLock(data), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(data);
  if (!OpenClipboard(owner)) {
    GlobalFree(data);
    return;
  }
  EmptyClipboard();
  if (!SetClipboardData(CF_UNICODETEXT, data)) GlobalFree(data);
  CloseClipboard();
}

}  // namespace ondavi::win32

#include "edit_box_panel.h"

#include "text_conversion.h"

namespace ondavi::win32 {

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string EditBoxPanel::Text(Box box) const {
  return Narrow(WindowText(Edit(box)));
}

void EditBoxPanel::SetText(Box box, const std::string& text) {
  SetWindowTextW(Edit(box), Widen(text).c_str());  // the caret goes to the start
}

char EditBoxPanel::DecimalSeparator() const {
  wchar_t separator[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) > 0 &&
      separator[0] == L',' && separator[1] == L'\0') {
    return ',';
  }
  return '.';
}

}  // namespace ondavi::win32

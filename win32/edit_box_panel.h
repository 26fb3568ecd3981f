#pragma once

#include <windows.h>

#include <array>

#include "box_panel.h"

namespace ondavi::win32 {

// The box panel over the window's twelve edit controls: UTF-8 for the core, UTF-16 for Windows.
// Writing a box shows the beginning of its text; the focus and the selection stay where the
// user left them.
class EditBoxPanel : public BoxPanel {
 public:
  explicit EditBoxPanel(const std::array<HWND, kBoxCount>& edits) : edits_(edits) {}

  std::string Text(Box box) const override;
  void SetText(Box box, const std::string& text) override;
  // The user's decimal separator, as Windows' regional settings give it.
  char DecimalSeparator() const override;

 private:
  HWND Edit(Box box) const { return edits_[static_cast<std::size_t>(box) - 1]; }
  std::array<HWND, kBoxCount> edits_;
};

// The whole text of a window.
std::wstring WindowText(HWND window);

}  // namespace ondavi::win32

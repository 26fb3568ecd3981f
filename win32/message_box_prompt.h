#pragma once

#include <windows.h>

#include "message_prompt.h"

namespace ondavi::win32 {

// Shows each prompt in a modal message box titled "Ondavi" with one OK button, owned by the
// calculator's window so that it stays above it too. A lone CR breaks a line as CR LF does. A
// prompt too long for the screen (the work of many steps) scrolls in a dialog of the same kind.
class MessageBoxPrompt : public MessagePrompt {
 public:
  explicit MessageBoxPrompt(HWND owner) : owner_(owner) {}
  void Show(const std::string& prompt) override;

 private:
  HWND owner_;
};

}  // namespace ondavi::win32

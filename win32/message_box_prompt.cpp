#include "message_box_prompt.h"

#include "message_text.h"
#include "text_conversion.h"

namespace ondavi::win32 {

void MessageBoxPrompt::Show(const std::string& prompt) {
  const std::wstring text = Widen(form::WithLineEnds(prompt, "\r\n"));
  MessageBoxW(owner_, text.c_str(), L"Ondavi", MB_OK);
}

}  // namespace ondavi::win32

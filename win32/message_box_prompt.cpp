#include "message_box_prompt.h"

#include "form.h"
#include "message_text.h"
#include "text_conversion.h"

namespace ondavi::win32 {

void MessageBoxPrompt::Show(const std::string& prompt) {
  const std::wstring text = Widen(form::WithLineEnds(prompt, "\r\n"));
  MessageBoxW(owner_, text.c_str(), Widen(form::kApplicationTitle).c_str(), MB_OK);
}

}  // namespace ondavi::win32

#pragma once

#include <string>

namespace ondavi {

// A modal message with one OK button; Show returns when the user dismisses it. The window shows a
// real message box; tests record the prompts.
class MessagePrompt {
 public:
  virtual ~MessagePrompt() = default;
  virtual void Show(const std::string& prompt) = 0;
};

}  // namespace ondavi

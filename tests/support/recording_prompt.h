#pragma once

#include <string>
#include <vector>

#include "message_prompt.h"

namespace ondavi::testing {

// Records the prompts a calculation shows instead of opening a modal box.
class RecordingPrompt : public MessagePrompt {
 public:
  void Show(const std::string& prompt) override { shown.push_back(prompt); }
  std::vector<std::string> shown;
};

}  // namespace ondavi::testing

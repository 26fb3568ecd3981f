#pragma once

#include <string>

#include "message_prompt.h"

namespace ondavi::form {

// A prompt that remembers what it was last shown and passes each text on to another prompt when
// it has one: the windows show their messages, while the command line and the page read what a
// click said from here.
class RememberedPrompt : public MessagePrompt {
 public:
  RememberedPrompt() = default;
  explicit RememberedPrompt(MessagePrompt& next) : next_(&next) {}

  void Show(const std::string& text) override {
    shown_ = true;
    last_ = text;
    if (next_) next_->Show(text);
  }
  void Forget() {
    shown_ = false;
    last_.clear();
  }
  // Whether a text was shown since Forget, and the last one (Show Work may show an empty text).
  bool Shown() const { return shown_; }
  const std::string& Last() const { return last_; }

 private:
  MessagePrompt* next_ = nullptr;
  bool shown_ = false;
  std::string last_;
};

}  // namespace ondavi::form

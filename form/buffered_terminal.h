#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "command_line.h"

namespace ondavi::form {

// A terminal whose answers are held back until 64 KiB have gathered, so that a batch is written
// in large blocks; an error is written at once, after the answers before it. After standard
// output first fails nothing more is sent to it, and Finish tells why it failed.
class BufferedTerminal : public Terminal {
 public:
  static constexpr std::size_t kBlock = 64 * 1024;

  void Out(std::string_view text) override {
    held_ += text;
    if (held_.size() >= kBlock) Flush();
  }
  void Err(std::string_view text) override {
    Flush();
    WriteError(text);
  }
  bool OutputFailed() const override { return !delivery_.complete; }
  Delivery Finish() override {
    Flush();
    return delivery_;
  }

 protected:
  // Sends everything held back to standard output.
  void Flush() {
    if (held_.empty()) return;
    if (delivery_.complete) delivery_ = WriteOutput(held_);
    held_.clear();
  }

 private:
  // Writes all of the text; tells whether it could.
  virtual Delivery WriteOutput(std::string_view text) = 0;
  virtual void WriteError(std::string_view text) = 0;

  std::string held_;   // written but not yet sent
  Delivery delivery_;  // what became of what was sent
};

}  // namespace ondavi::form

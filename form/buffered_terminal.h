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
  std::string Finish() override {
    Flush();
    return out_error_;
  }

 protected:
  // Sends everything held back to standard output.
  void Flush() {
    if (held_.empty()) return;
    if (out_error_.empty()) out_error_ = WriteOutput(held_);
    held_.clear();
  }

 private:
  // Writes all of the text; returns why it could not, or nothing.
  virtual std::string WriteOutput(std::string_view text) = 0;
  virtual void WriteError(std::string_view text) = 0;

  std::string held_;       // written but not yet sent
  std::string out_error_;  // why standard output failed, once it has
};

}  // namespace ondavi::form

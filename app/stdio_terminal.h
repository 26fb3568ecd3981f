#pragma once

#include <string>
#include <string_view>

#include "buffered_terminal.h"
#include "line_buffer.h"

namespace ondavi {

// The program's standard streams, read and written in large blocks: answers are held back until
// 64 KiB have gathered, an error is written at once (after the answers before it), and every
// answer is written before the program waits for input that has not arrived, so that a person at
// the terminal, or a script that writes a line and waits, reads each answer before the next line.
// A closed pipe on standard output is an error to write to, not a signal that ends the program.
class StdioTerminal : public form::BufferedTerminal {
 public:
  StdioTerminal();
  bool ReadLine(std::string& line) override;
  bool WouldWait() override;

 private:
  form::Delivery WriteOutput(std::string_view text) override;
  void WriteError(std::string_view text) override;

  bool in_is_file_;  // standard input is a file, which never makes a read wait
  form::LineBuffer in_{form::kLongestProblem};  // read but not yet returned
  bool ended_ = false;
};

}  // namespace ondavi

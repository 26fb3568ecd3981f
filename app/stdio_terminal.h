#pragma once

#include <string>
#include <string_view>

#include "buffered_terminal.h"
#include "line_buffer.h"

namespace ondavi {

// The program's standard streams, read and written in large blocks: answers are held back until
// 64 KiB have gathered, an error is written at once (after the answers before it), and when a
// person types at the terminal every answer shows before the next line is read.
class StdioTerminal : public form::BufferedTerminal {
 public:
  StdioTerminal();
  bool ReadLine(std::string& line) override;

 private:
  std::string WriteOutput(std::string_view text) override;
  void WriteError(std::string_view text) override;

  bool interactive_;
  form::LineBuffer in_;  // read but not yet returned
  bool ended_ = false;
};

}  // namespace ondavi

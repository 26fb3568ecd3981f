#pragma once

#include <string>
#include <string_view>

#include "command_line.h"
#include "line_buffer.h"

namespace ondavi {

// The program's standard streams, read and written in large blocks: answers are held back until
// 64 KiB have gathered, an error is written at once (after the answers before it), and when a
// person types at the terminal every answer shows before the next line is read.
class StdioTerminal : public form::Terminal {
 public:
  StdioTerminal();
  bool ReadLine(std::string& line) override;
  void Out(std::string_view text) override;
  void Err(std::string_view text) override;
  std::string Finish() override;

 private:
  void WriteOut();

  bool interactive_;
  form::LineBuffer in_;  // read but not yet returned
  bool ended_ = false;
  std::string out_;        // written but not yet sent
  std::string out_error_;  // why standard output failed, once it has
};

}  // namespace ondavi

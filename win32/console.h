#pragma once

// The standard streams of a Windows program: the console it runs in, the console of the program
// that started it (a window program, GUI subsystem, has none of its own), or the files and pipes
// they were redirected to. Text is UTF-8 inside; a console is read and written in UTF-16, so that
// any character typed or shown arrives whole whatever the console's code page, a file or pipe in
// UTF-8.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "line_buffer.h"

namespace ondavi::win32 {

class Console : public form::Terminal {
 public:
  Console();
  bool ReadLine(std::string& line) override;
  void Out(std::string_view text) override;
  void Err(std::string_view text) override;
  std::string Finish() override;

 private:
  void WriteOut();
  bool ReadMore();  // false at the end of the input

  HANDLE in_, out_, err_;
  bool in_is_console_ = false;
  form::LineBuffer in_read_;  // read but not yet returned
  bool ended_ = false;
  std::string held_;       // written to standard output but not yet sent
  std::string out_error_;  // why standard output failed, once it has
};

// The program's arguments, without its name, in UTF-8.
std::vector<std::string> CommandLineArguments();

}  // namespace ondavi::win32

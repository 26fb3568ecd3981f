#pragma once

// The standard streams of a Windows program: the console it runs in, the console of the program
// that started it (a window program, GUI subsystem, has none of its own), or the files and pipes
// they were redirected to. Text is UTF-8 inside; a console is read and written in UTF-16, so that
// any character typed or shown arrives whole whatever the console's code page, a file or pipe in
// UTF-8. Every answer is written before the program waits for input that has not arrived, so
// that a person typing, or a script that writes a line and waits, reads each answer at once.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "buffered_terminal.h"
#include "line_buffer.h"

namespace ondavi::win32 {

class Console : public form::BufferedTerminal {
 public:
  Console();
  bool ReadLine(std::string& line) override;
  bool WouldWait() override;

 private:
  form::Delivery WriteOutput(std::string_view text) override;
  void WriteError(std::string_view text) override;
  bool ReadMore();  // false at the end of the input

  HANDLE in_, out_, err_;
  bool in_is_console_ = false;
  bool in_is_file_ = false;  // standard input is a file, which never makes a read wait
  form::LineBuffer in_read_{form::kLongestProblem};  // read but not yet returned
  bool ended_ = false;
};

// The decimal separator of the user's number format, as the window's boxes write decimals: ","
// where it is a comma, "." otherwise.
char UserDecimalSeparator();

// The program's arguments, without its name, in UTF-8.
std::vector<std::string> CommandLineArguments();

}  // namespace ondavi::win32

#pragma once

// The console the program was started from, or the files and pipes its standard streams were
// redirected to: a Windows program (GUI subsystem) has no console of its own. Text is UTF-8;
// a console is written in UTF-16, so that any character shows, a file or pipe in UTF-8.
#include <windows.h>

#include <string>
#include <string_view>

namespace ondavi::win32 {

class Console {
 public:
  Console();
  void Out(std::string_view text) { Write(out_, text); }
  void Err(std::string_view text) { Write(err_, text); }
  // The next line of standard input without its line end; false at its end.
  bool ReadLine(std::string& line);

 private:
  static void Write(HANDLE handle, std::string_view text);

  HANDLE in_, out_, err_;
  std::string pending_;  // read but not yet returned
  bool ended_ = false;
};

}  // namespace ondavi::win32

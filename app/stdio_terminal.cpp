#include "stdio_terminal.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ondavi {
namespace {

// Writes all of the text; returns errno when that fails.
int WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : EIO;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace

StdioTerminal::StdioTerminal() : interactive_(::isatty(STDIN_FILENO) == 1) {}

bool StdioTerminal::ReadLine(std::string& line) {
  while (!in_.NextLine(line)) {
    if (ended_) return in_.LastLine(line);
    if (interactive_) Flush();  // the person sees each answer before typing the next line
    char* room = in_.Room(kBlock);
    ssize_t got = 0;
    do {
      got = ::read(STDIN_FILENO, room, kBlock);
    } while (got < 0 && errno == EINTR);
    in_.Filled(got > 0 ? static_cast<std::size_t>(got) : 0);
    ended_ = got <= 0;
  }
  return true;
}

std::string StdioTerminal::WriteOutput(std::string_view text) {
  const int error = WriteAll(STDOUT_FILENO, text);
  return error ? std::strerror(error) : std::string();
}

void StdioTerminal::WriteError(std::string_view text) {
  WriteAll(STDERR_FILENO, text);
}

}  // namespace ondavi

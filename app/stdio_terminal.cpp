#include "stdio_terminal.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ondavi {
namespace {

constexpr std::size_t kBlock = 64 * 1024;

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

StdioTerminal::StdioTerminal() : interactive_(::isatty(STDIN_FILENO) == 1) {
  out_.reserve(2 * kBlock);
}

bool StdioTerminal::ReadLine(std::string& line) {
  while (!in_.NextLine(line)) {
    if (ended_) return in_.LastLine(line);
    if (interactive_) WriteOut();  // the person sees each answer before typing the next line
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

void StdioTerminal::Out(std::string_view text) {
  out_ += text;
  if (out_.size() >= kBlock) WriteOut();
}

void StdioTerminal::Err(std::string_view text) {
  WriteOut();
  WriteAll(STDERR_FILENO, text);
}

std::string StdioTerminal::Finish() {
  WriteOut();
  return out_error_;
}

void StdioTerminal::WriteOut() {
  if (out_.empty()) return;
  if (out_error_.empty()) {
    if (const int error = WriteAll(STDOUT_FILENO, out_)) out_error_ = std::strerror(error);
  }
  out_.clear();
}

}  // namespace ondavi

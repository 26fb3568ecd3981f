#include "stdio_terminal.h"

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
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

bool IsFile(int fd) {
  struct stat status = {};
  return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

StdioTerminal::StdioTerminal() : in_is_file_(IsFile(STDIN_FILENO)) {
  // A reader that goes away (`ondavi --calculate - < problems | head -1`) makes a write fail
  // with EPIPE, which ends the batch with status 1, instead of killing the program.
  std::signal(SIGPIPE, SIG_IGN);
}

bool StdioTerminal::ReadLine(std::string& line) {
  while (!in_.NextLine(line)) {
    if (ended_) return in_.LastLine(line);
    if (WouldWait()) Flush();  // whoever writes the input may be waiting for the answers
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

bool StdioTerminal::WouldWait() {
  if (in_is_file_ || ended_ || in_.HasLine()) return false;
  pollfd in = {STDIN_FILENO, POLLIN, 0};
  int ready = 0;
  do {
    ready = ::poll(&in, 1, 0);
  } while (ready < 0 && errno == EINTR);
  return ready == 0;  // input that has arrived, its end or an error: a read answers at once
}

form::Delivery StdioTerminal::WriteOutput(std::string_view text) {
  const int error = WriteAll(STDOUT_FILENO, text);
  if (error == 0) return {};
  return {false, error == EPIPE ? std::string() : std::strerror(error)};
}

void StdioTerminal::WriteError(std::string_view text) {
  WriteAll(STDERR_FILENO, text);
}

}  // namespace ondavi

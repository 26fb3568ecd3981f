#include "console.h"

#include "text_conversion.h"

namespace ondavi::win32 {
namespace {

bool Usable(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

}  // namespace

Console::Console() {
  // Streams that were redirected arrive as handles; those that were not belong to the console
  // of the program that started this one, if there is one.
  in_ = GetStdHandle(STD_INPUT_HANDLE);
  out_ = GetStdHandle(STD_OUTPUT_HANDLE);
  err_ = GetStdHandle(STD_ERROR_HANDLE);
  if ((!Usable(out_) || !Usable(err_) || !Usable(in_)) && AttachConsole(ATTACH_PARENT_PROCESS)) {
    const auto open = [](const wchar_t* name, DWORD access) {
      return CreateFileW(name, access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         0, nullptr);
    };
    if (!Usable(in_)) in_ = open(L"CONIN$", GENERIC_READ | GENERIC_WRITE);
    if (!Usable(out_)) out_ = open(L"CONOUT$", GENERIC_READ | GENERIC_WRITE);
    if (!Usable(err_)) err_ = open(L"CONOUT$", GENERIC_READ | GENERIC_WRITE);
  }
}

void Console::Write(HANDLE handle, std::string_view text) {
  if (!Usable(handle) || text.empty()) return;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = Widen(text);
    DWORD written = 0;
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  while (!text.empty()) {
    DWORD written = 0;
    if (!WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        written == 0) {
      return;
    }
    text.remove_prefix(written);
  }
}

bool Console::ReadLine(std::string& line) {
  for (;;) {
    if (const std::size_t end = pending_.find('\n'); end != std::string::npos) {
      line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      return true;
    }
    char buffer[65536];
    DWORD read = 0;
    if (ended_ || !Usable(in_) || !ReadFile(in_, buffer, sizeof buffer, &read, nullptr) ||
        read == 0) {
      ended_ = true;
      if (pending_.empty()) return false;
      line = std::move(pending_);
      pending_.clear();
      return true;
    }
    pending_.append(buffer, read);
  }
}

}  // namespace ondavi::win32

#include "console.h"

#include <shellapi.h>

#include "text_conversion.h"

namespace ondavi::win32 {
namespace {

constexpr std::size_t kBlock = form::BufferedTerminal::kBlock;

bool Usable(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return Usable(handle) && GetConsoleMode(handle, &mode);
}

// Writes all of the text; returns the system's error, or 0.
DWORD Write(HANDLE handle, std::string_view text) {
  if (!Usable(handle) || text.empty()) return 0;
  if (IsConsole(handle)) {
    const std::wstring wide = Widen(text);
    DWORD written = 0;
    return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr)
               ? 0
               : GetLastError();
  }
  while (!text.empty()) {
    DWORD written = 0;
    if (!WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) {
      return GetLastError();
    }
    if (written == 0) return ERROR_WRITE_FAULT;
    text.remove_prefix(written);
  }
  return 0;
}

std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::string message = text ? Narrow(text) : "error " + std::to_string(error);
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                              message.back() == ' ' || message.back() == '.')) {
    message.pop_back();
  }
  return message;
}

}  // namespace

Console::Console() {
  // Streams that were redirected arrive as handles; those that were not belong to the console
  // this program runs in, or else to that of the program that started it, if there is one.
  in_ = GetStdHandle(STD_INPUT_HANDLE);
  out_ = GetStdHandle(STD_OUTPUT_HANDLE);
  err_ = GetStdHandle(STD_ERROR_HANDLE);
  if ((!Usable(out_) || !Usable(err_) || !Usable(in_)) && AttachConsole(ATTACH_PARENT_PROCESS)) {
    const auto open = [](const wchar_t* name) {
      return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
    };
    if (!Usable(in_)) in_ = open(L"CONIN$");
    if (!Usable(out_)) out_ = open(L"CONOUT$");
    if (!Usable(err_)) err_ = open(L"CONOUT$");
  }
  in_is_console_ = IsConsole(in_);
  in_is_file_ = Usable(in_) && GetFileType(in_) == FILE_TYPE_DISK;
}

form::Delivery Console::WriteOutput(std::string_view text) {
  const DWORD error = Write(out_, text);
  if (error == 0) return {};
  // A pipe whose reader went away (`ondavi --calculate - < problems | more`) is no error to tell.
  const bool reader_gone =
      error == ERROR_NO_DATA || error == ERROR_BROKEN_PIPE || error == ERROR_PIPE_NOT_CONNECTED;
  return {false, reader_gone ? std::string() : SystemMessage(error)};
}

void Console::WriteError(std::string_view text) {
  Write(err_, text);
}

bool Console::ReadMore() {
  if (!Usable(in_)) return false;
  if (in_is_console_) {
    wchar_t buffer[4096];
    DWORD read = 0;
    // Typed at the console: UTF-16, whatever its code page. Ctrl+Z at the start of a line ends
    // the input, as it does for Windows' own programs.
    if (!ReadConsoleW(in_, buffer, 4096, &read, nullptr) || read == 0 || buffer[0] == 0x1A) {
      return false;
    }
    in_read_.Append(Narrow(std::wstring_view(buffer, read)));
    return true;
  }
  DWORD read = 0;
  const BOOL ok = ReadFile(in_, in_read_.Room(kBlock), static_cast<DWORD>(kBlock), &read, nullptr);
  in_read_.Filled(ok ? read : 0);
  return ok && read > 0;
}

bool Console::WouldWait() {
  if (in_is_file_ || ended_ || !Usable(in_) || in_read_.HasLine()) return false;
  if (in_is_console_) return true;  // a person types: each line is answered as it comes
  if (GetFileType(in_) == FILE_TYPE_PIPE) {
    DWORD available = 0;
    if (PeekNamedPipe(in_, nullptr, 0, nullptr, &available, nullptr)) return available == 0;
    if (GetLastError() == ERROR_BROKEN_PIPE) return false;  // its writer has gone: the end
  }
  return true;  // a device, or a pipe that cannot tell: answer each line as it comes
}

bool Console::ReadLine(std::string& line) {
  while (!in_read_.NextLine(line)) {
    if (WouldWait()) Flush();  // whoever writes the input may be waiting for the answers
    if (ended_ || !ReadMore()) {
      ended_ = true;
      return in_read_.LastLine(line);
    }
  }
  return true;
}

char UserDecimalSeparator() {
  wchar_t separator[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) > 0 &&
      separator[0] == L',' && separator[1] == L'\0') {
    return ',';
  }
  return '.';
}

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Narrow(words[i]));
  LocalFree(words);
  return arguments;
}

}  // namespace ondavi::win32

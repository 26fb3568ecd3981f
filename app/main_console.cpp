// Main of ondavi.com, the console program beside ondavi.exe: a command prompt runs it for
// "ondavi" before ondavi.exe, so that it waits for the answer, prints it in the console it runs
// in and sets the exit status. Without a problem or an option it opens the window by starting
// ondavi.exe, and returns at once.
#include <windows.h>

#include <string>

#include "command_line.h"
#include "console.h"
#include "user_languages.h"

namespace {

// Starts ondavi.exe from beside this program with the same command line.
int OpenWindow() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = 0;
  while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
         path.size()) {
    path.resize(path.size() * 2);
  }
  path.resize(length);
  path.replace(path.size() - 4, 4, L".exe");
  std::wstring command_line = GetCommandLineW();
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return 1;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

}  // namespace

int main() {
  ondavi::win32::ChooseUserLanguage();
  const ondavi::form::CommandLine command =
      ondavi::form::ReadCommandLine(ondavi::win32::CommandLineArguments());
  if (command.ask == ondavi::form::CommandLine::Ask::kWindow) return OpenWindow();
  ondavi::win32::Console console;
  return ondavi::form::AnswerOnTerminal(command, ONDAVI_VERSION, {},
                                        ondavi::win32::UserDecimalSeparator(), console);
}

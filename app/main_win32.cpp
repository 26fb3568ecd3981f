// Main on Windows: answers --help, --version and --calculate on the console it was started from
// (or the files its output was redirected to), or shows the calculator window; the program ends
// when the window is closed.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "calculator_window.h"
#include "command_line.h"
#include "console.h"
#include "module1.h"
#include "text_conversion.h"

namespace {

// The program's arguments, without its name, in UTF-8.
std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(ondavi::win32::Narrow(words[i]));
  LocalFree(words);
  return arguments;
}

int AnswerOnConsole(const ondavi::form::CommandLine& command) {
  using Ask = ondavi::form::CommandLine::Ask;
  ondavi::win32::Console console;
  switch (command.ask) {
    case Ask::kHelp:
      console.Out(std::string("Usage: ondavi.exe [options]\n"
                              "A calculator for common fractions and mixed numbers.\n\n"
                              "Options:\n  --help               Displays this help.\n"
                              "  --version            Displays version information.\n"
                              "  --calculate PROBLEM  ") +
                  ondavi::form::kCalculateOption + "\n  --work               " +
                  ondavi::form::kWorkOption + "\n" + ondavi::form::kCalculateExamples);
      return 0;
    case Ask::kVersion:
      console.Out("ondavi " ONDAVI_VERSION "\n");
      return 0;
    case Ask::kUsageError:
      console.Err("ondavi: " + command.error + "\nTry 'ondavi --help' for more information.\n");
      return 2;
    default:
      break;
  }
  ondavi::form::Terminal terminal{[&](std::string& line) { return console.ReadLine(line); },
                                  [&](std::string_view text) { console.Out(text); },
                                  [&](std::string_view text) { console.Err(text); }};
  return ondavi::form::RunCalculations(command.problem, command.work, terminal);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  const ondavi::form::CommandLine command = ondavi::form::ReadCommandLine(Arguments());
  if (command.ask != ondavi::form::CommandLine::Ask::kWindow) return AnswerOnConsole(command);

  OleInitialize(nullptr);  // screen readers reach the controls' accessible objects through COM
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  ondavi::Module1 module;  // the state shared by every calculation, for the program's life
  ondavi::win32::CalculatorWindow calculator(instance, module);
  ShowWindow(calculator.hwnd(), show);
  SetFocus(calculator.Control("Text1"));

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (calculator.HandleDialogKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  OleUninitialize();
  return static_cast<int>(message.wParam);
}

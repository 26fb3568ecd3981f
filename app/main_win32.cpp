// Main on Windows: answers --help, --version and whole problems on the console it was started
// from (or the files its output was redirected to), or shows the calculator window; the program
// ends when the window is closed.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include "calculator_window.h"
#include "command_line.h"
#include "console.h"
#include "module1.h"
#include "user_languages.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  ondavi::win32::ChooseUserLanguage();
  const ondavi::form::CommandLine command =
      ondavi::form::ReadCommandLine(ondavi::win32::CommandLineArguments());
  if (command.ask != ondavi::form::CommandLine::Ask::kWindow) {
    ondavi::win32::Console console;
    return ondavi::form::AnswerOnTerminal(command, ONDAVI_VERSION, {},
                                          ondavi::win32::UserDecimalSeparator(), console);
  }

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

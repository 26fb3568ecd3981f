// Main: answers --help, --version and whole problems on the terminal, and reports a usage error
// there, or shows the calculator window; the program ends when the window is closed.
#include <QApplication>
#include <QCoreApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "calculator.h"
#include "command_line.h"
#include "module1.h"
#include "stay_on_top.h"
#include "stdio_terminal.h"
#include "translation.h"

namespace {

// The options QGuiApplication, QApplication and the X11 platform take, with and without a value;
// the command line passes them over, and QApplication reads them.
constexpr const char* kQtOptionsWithValue[] = {"platform",
                                               "platformpluginpath",
                                               "platformtheme",
                                               "plugin",
                                               "qwindowgeometry",
                                               "geometry",
                                               "qwindowtitle",
                                               "title",
                                               "qwindowicon",
                                               "icon",
                                               "session",
                                               "display",
                                               "name",
                                               "style",
                                               "stylesheet",
                                               "visual",
                                               "qmljsdebugger"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "sync",
                                    "nograb",  "dograb",      "testability"};
constexpr ondavi::form::ToolkitOptions kQtOptions = {
    kQtOptionsWithValue, kQtFlags,
    N_("Qt's own options, such as -platform NAME, are accepted too.")};

// Whether Qt has somewhere to open the window: a platform chosen by the user, or an X or
// Wayland display to connect to. Without one, Qt would abort the program.
bool HasPlatform(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
      return true;
    }
  }
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  ondavi::form::ChooseLanguage(ondavi::form::EnvironmentLanguages([](const char* name) {
    const char* value = std::getenv(name);
    return std::string(value ? value : "");
  }));
  const ondavi::form::CommandLine command =
      ondavi::form::ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc), kQtOptions);
  if (command.ask != ondavi::form::CommandLine::Ask::kWindow) {
    ondavi::StdioTerminal terminal;
    return ondavi::form::AnswerOnTerminal(command, ONDAVI_VERSION, kQtOptions, terminal);
  }
  if (!HasPlatform(argc, argv)) {
    const std::string_view message = ondavi::form::Tr(
        "there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY "
        "are not set); 'ondavi --calculate PROBLEM' answers without one.");
    std::fprintf(stderr, "ondavi: %.*s\n", static_cast<int>(message.size()), message.data());
    return 1;
  }

  QCoreApplication::setApplicationName(QStringLiteral("Ondavi"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ONDAVI_VERSION));
  ondavi::PreferPlatformThatCanStayOnTop(argc, argv);
  QApplication app(argc, argv);
  // Links the window to its launcher, so that docks show one entry with the package's icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("com.pellworth.Ondavi"));
  ondavi::Module1 module;  // the state shared by every calculation, for the program's life
  ondavi::Calculator calculator(module);
  calculator.show();
  return QApplication::exec();
}

// Main of ondavi on Linux: answers --help, --version and whole problems on the terminal, and
// reports a usage error there, without loading the window's toolkit, so that a script that asks
// for thousands of answers does not wait for Qt to start each time. Otherwise it becomes the
// window program, ondavi-window, with the same command line.
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "command_line.h"
#include "stdio_terminal.h"
#include "translation.h"

namespace {

// The options QGuiApplication, QApplication and the X11 platform take, with and without a value;
// the command line passes them over, and the window program's QApplication reads them.
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

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// Whether Qt has somewhere to open the window: a platform chosen by the user, or an X or
// Wayland display to connect to. Without one, Qt would abort the program.
bool HasPlatform(int argc, char** argv) {
  if (IsSet("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
      return true;
    }
  }
  return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}

// The window program: beside this one in a build, in the package's libexec folder when
// installed.
std::string WindowProgram() {
  std::string self(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size());
  if (length <= 0) return ONDAVI_WINDOW_INSTALLED;  // no /proc: where the package puts it
  self.resize(static_cast<std::size_t>(length));
  const std::string folder = self.substr(0, self.rfind('/') + 1);
  const std::string beside = folder + "ondavi-window";
  if (::access(beside.c_str(), X_OK) == 0) return beside;
  return folder + ONDAVI_WINDOW_FROM_BIN "/ondavi-window";
}

void Complain(std::string_view message) {
  std::fprintf(stderr, "ondavi: %.*s\n", static_cast<int>(message.size()), message.data());
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> languages =
      ondavi::form::EnvironmentLanguages([](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
      });
  ondavi::form::ChooseLanguage(languages);
  const ondavi::form::CommandLine command =
      ondavi::form::ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc), kQtOptions);
  if (command.ask != ondavi::form::CommandLine::Ask::kWindow) {
    ondavi::StdioTerminal terminal;
    return ondavi::form::AnswerOnTerminal(command, ONDAVI_VERSION, kQtOptions,
                                          ondavi::form::DecimalSeparatorOf(languages), terminal);
  }
  if (!HasPlatform(argc, argv)) {
    Complain(
        ondavi::form::Tr("there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY "
                         "are not set); 'ondavi --calculate PROBLEM' answers without one."));
    return 1;
  }
  const std::string window = WindowProgram();
  ::execv(window.c_str(), argv);
  const std::string why = std::strerror(errno);
  Complain(ondavi::form::TrArgs("cannot start the window program %1: %2", std::array{window, why}));
  return 1;
}

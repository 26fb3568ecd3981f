// Main of ondavi-window, which ondavi becomes to show the calculator window once it has read its
// command line: the toolkit's own options are Qt's to read. The program ends when the window is
// closed.
#include <QApplication>
#include <QCoreApplication>
#include <cstdlib>
#include <string>

#include "calculator.h"
#include "module1.h"
#include "stay_on_top.h"
#include "translation.h"

int main(int argc, char** argv) {
  ondavi::form::ChooseLanguage(ondavi::form::EnvironmentLanguages([](const char* name) {
    const char* value = std::getenv(name);
    return std::string(value ? value : "");
  }));
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

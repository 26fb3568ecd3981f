// Main: shows the calculator window; the program ends when the window is closed.
#include <QApplication>

#include "calculator.h"
#include "module1.h"
#include "stay_on_top.h"

int main(int argc, char** argv) {
  ondavi::PreferPlatformThatCanStayOnTop(argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ondavi"));
  ondavi::Module1 module;  // the state shared by every calculation, for the program's life
  ondavi::Calculator calculator(module);
  calculator.show();
  return QApplication::exec();
}

// Main: answers --help and --version on the terminal, or shows the calculator window; the
// program ends when the window is closed.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "calculator.h"
#include "module1.h"
#include "stay_on_top.h"

namespace {

// Tells whether the command line asked for help or the version, and if so prints it. Runs before
// the window's application exists, so that it needs no display; Qt's own options (-platform and
// the rest) are left for QApplication.
bool AnsweredOnTerminal(int argc, char** argv) {
  QCoreApplication terminal(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "A calculator for common fractions and mixed numbers: type two operands as whole numbers\n"
      "and fractions, press +, -, x or /, and read the answer as a reduced fraction, a mixed\n"
      "number and a decimal. Qt's own options, such as -platform NAME, are accepted too."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays this help."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  parser.parse(QCoreApplication::arguments());  // unknown options are Qt's or nobody's
  if (parser.isSet(help)) {
    std::fputs(qPrintable(parser.helpText()), stdout);
    return true;
  }
  if (parser.isSet(version)) {
    std::printf("ondavi %s\n", qPrintable(QCoreApplication::applicationVersion()));
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication::setApplicationName(QStringLiteral("Ondavi"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ONDAVI_VERSION));
  if (AnsweredOnTerminal(argc, argv)) return 0;

  ondavi::PreferPlatformThatCanStayOnTop(argc, argv);
  QApplication app(argc, argv);
  // Links the window to its launcher, so that docks show one entry with the package's icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("com.pellworth.Ondavi"));
  ondavi::Module1 module;  // the state shared by every calculation, for the program's life
  ondavi::Calculator calculator(module);
  calculator.show();
  return QApplication::exec();
}

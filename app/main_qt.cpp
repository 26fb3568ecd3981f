// Main: answers --help, --version and --calculate on the terminal, and reports an unknown option
// there, or shows the calculator window; the program ends when the window is closed.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "calculator.h"
#include "command_line.h"
#include "module1.h"
#include "stay_on_top.h"

namespace {

// The options QGuiApplication, QApplication and the X11 platform take, with and without a value;
// the parser knows them so that it can tell them from mistakes, and leaves them to QApplication.
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

// Answers --help, --version and --calculate, and a command line with an unknown option or a
// missing value, on the terminal; returns the exit status then, and nothing when the window is to
// open. Runs before the window's application exists, so that it needs no display. Single-dash
// words are options, as Qt reads them ("-reverse" is not "-r -e -v ..."), and Qt's own are left
// for QApplication.
std::optional<int> AnswerOnTerminal(int argc, char** argv) {
  QCoreApplication terminal(argc, argv);
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(QStringLiteral(
      "A calculator for common fractions and mixed numbers: type two operands as whole numbers\n"
      "and fractions, press +, -, x or /, and read the answer as a reduced fraction, a mixed\n"
      "number and a decimal. Qt's own options, such as -platform NAME, are accepted too."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays this help."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption calculate(QStringLiteral("calculate"),
                                     QString::fromUtf8(ondavi::form::kCalculateOption),
                                     QStringLiteral("problem"));
  const QCommandLineOption work(QStringLiteral("work"),
                                QString::fromUtf8(ondavi::form::kWorkOption));
  parser.addOptions({calculate, work});
  for (const char* name : kQtOptionsWithValue) {
    QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : kQtFlags) {
    QCommandLineOption option{QLatin1String(name)};
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  if (!parser.parse(QCoreApplication::arguments())) {
    std::fprintf(stderr, "ondavi: %s\nTry 'ondavi --help' for more information.\n",
                 qPrintable(parser.errorText()));
    return 2;
  }
  if (parser.isSet(help)) {
    std::fputs(qPrintable(parser.helpText()), stdout);
    std::fputs(ondavi::form::kCalculateExamples, stdout);
    return 0;
  }
  if (parser.isSet(version)) {
    std::printf("ondavi %s\n", qPrintable(QCoreApplication::applicationVersion()));
    return 0;
  }
  if (parser.isSet(work) && !parser.isSet(calculate)) {
    std::fputs("ondavi: '--work' goes with '--calculate'.\n", stderr);
    return 2;
  }
  if (parser.isSet(calculate)) {
    ondavi::form::Terminal streams{
        [](std::string& line) { return static_cast<bool>(std::getline(std::cin, line)); },
        [](std::string_view text) { std::cout << text; },
        [](std::string_view text) { std::cerr << text; }};
    const QByteArray problem = parser.value(calculate).toUtf8();
    const int status =
        ondavi::form::RunCalculations(problem.toStdString(), parser.isSet(work), streams);
    std::cout.flush();
    return status;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication::setApplicationName(QStringLiteral("Ondavi"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ONDAVI_VERSION));
  if (const std::optional<int> status = AnswerOnTerminal(argc, argv)) return *status;

  ondavi::PreferPlatformThatCanStayOnTop(argc, argv);
  QApplication app(argc, argv);
  // Links the window to its launcher, so that docks show one entry with the package's icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("com.pellworth.Ondavi"));
  ondavi::Module1 module;  // the state shared by every calculation, for the program's life
  ondavi::Calculator calculator(module);
  calculator.show();
  return QApplication::exec();
}

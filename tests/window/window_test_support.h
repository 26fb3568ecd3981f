#pragma once

// Shared by the window tests: a recording message prompt, lookup of the window's controls by
// name, a guard that fails a test when an unexpected modal dialog appears (instead of hanging),
// and a main() that forces the offscreen platform.
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "message_prompt.h"

namespace ondavi::testing {

class RecordingPrompt : public MessagePrompt {
 public:
  void Show(const std::string& prompt) override { shown.push_back(prompt); }
  std::vector<std::string> shown;
};

template <typename T = QWidget>
T* Child(const QWidget& window, const QString& name) {
  T* child = window.findChild<T*>(name);
  if (!child) qFatal("no control named %s", qPrintable(name));
  return child;
}

inline QString TextOf(const QWidget& window, int box) {
  return Child<QLineEdit>(window, QStringLiteral("Text%1").arg(box))->text();
}

// Closes any modal dialog that opens while it watches, and remembers that one did.
class ModalGuard : public QObject {
 public:
  ModalGuard() {
    timer_.setInterval(50);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        seen_ = true;
        modal->close();
      }
    });
    timer_.start();
  }
  bool SawModal() const { return seen_; }

 private:
  QTimer timer_;
  bool seen_ = false;
};

}  // namespace ondavi::testing

// Runs a Qt Test class on the offscreen platform, in the C locale, whatever the environment says.
#define ONDAVI_OFFSCREEN_TEST_MAIN(TestClass) \
  int main(int argc, char** argv) {           \
    qputenv("QT_QPA_PLATFORM", "offscreen");  \
    QApplication app(argc, argv);             \
    QLocale::setDefault(QLocale::c());        \
    TestClass test;                           \
    return QTest::qExec(&test, argc, argv);   \
  }

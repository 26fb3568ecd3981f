#pragma once

// Shared by the window tests: lookup of the window's controls by name, typing into and clicking
// them, a guard that fails a test when an unexpected modal dialog appears (instead of hanging),
// and a main() that forces the offscreen platform.
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "recording_prompt.h"

namespace ondavi::testing {

template <typename T = QWidget>
T* Child(const QWidget& window, const QString& name) {
  T* child = window.findChild<T*>(name);
  if (!child) qFatal("no control named %s", qPrintable(name));
  return child;
}

inline QLineEdit* BoxOf(const QWidget& window, int box) {
  return Child<QLineEdit>(window, QStringLiteral("Text%1").arg(box));
}

inline QString TextOf(const QWidget& window, int box) {
  return BoxOf(window, box)->text();
}

// The twelve box texts, Text1 to Text12.
inline QStringList Boxes(const QWidget& window) {
  QStringList texts;
  for (int box = 1; box <= 12; ++box) texts << TextOf(window, box);
  return texts;
}

// Fills the six operand boxes, Text1 to Text6.
inline void Enter(const QWidget& window, const QStringList& operands) {
  for (int box = 1; box <= 6; ++box) BoxOf(window, box)->setText(operands[box - 1]);
}

inline void Click(const QWidget& window, const QString& button) {
  QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
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

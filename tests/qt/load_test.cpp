// Ten thousand random clicks with random box contents, then the window must agree with a fresh
// core on the last inputs: nothing a long session does may change an answer.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <random>

#include "box_panel.h"
#include "calculate.h"
#include "calculator.h"
#include "window_test_support.h"

using ondavi::testing::BoxOf;
using ondavi::testing::Click;
using ondavi::testing::TextOf;

class LoadTest : public QObject {
  Q_OBJECT

 private slots:
  void tenThousandClicksLeaveNoTrace() {
    ondavi::Module1 module;
    ondavi::testing::RecordingPrompt prompt;
    ondavi::Calculator window(module, &prompt);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ondavi::testing::ModalGuard guard;

    const QStringList tokens = {"",    "-",  "0",   "1",     "2",    "3",   "7",    "12",
                                "240", "-3", "2.5", "1e300", "&HFF", "abc", "9973", "4000000000"};
    const char* buttons[] = {"Add", "Subtract", "Multiply", "Divide", "ShowWork", "cls"};
    std::mt19937 rng(7);
    const auto enter_random = [&] {
      for (int box = 1; box <= 6; ++box) {
        if (rng() % 2) {
          BoxOf(window, box)->setText(tokens[static_cast<qsizetype>(rng() % tokens.size())]);
        }
      }
    };
    for (int click = 0; click < 10'000; ++click) {
      enter_random();
      Click(window, QLatin1String(buttons[rng() % 6]));
    }

    // The last calculation, repeated on a fresh core from the same twelve box texts.
    enter_random();
    ondavi::InMemoryBoxPanel fresh_boxes;
    for (int box = 1; box <= ondavi::kBoxCount; ++box) {
      fresh_boxes.SetText(static_cast<ondavi::Box>(box), TextOf(window, box).toStdString());
    }
    ondavi::Module1 fresh;
    fresh.Work = module.Work;  // a run stopped by an entry check keeps the earlier transcript
    fresh.Operation = "/";
    ondavi::testing::RecordingPrompt fresh_prompt;
    ondavi::Calculate(fresh, fresh_boxes, fresh_prompt);
    prompt.shown.clear();
    Click(window, QStringLiteral("Divide"));

    for (int box = 1; box <= ondavi::kBoxCount; ++box) {
      QCOMPARE(TextOf(window, box).toStdString(), fresh_boxes.Text(static_cast<ondavi::Box>(box)));
    }
    QCOMPARE(module.Work, fresh.Work);
    QCOMPARE(prompt.shown, fresh_prompt.shown);
    QVERIFY(!guard.SawModal());
  }
};

ONDAVI_OFFSCREEN_TEST_MAIN(LoadTest)
#include "load_test.moc"

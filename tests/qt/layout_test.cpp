// The window's controls: names, kinds, captions, places, fonts, focus order and answer boxes.
#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "calculator.h"
#include "label_room.h"
#include "message_box_prompt.h"
#include "translation.h"
#include "window_test_support.h"

using ondavi::testing::Child;

class LayoutTest : public QObject {
  Q_OBJECT

 private:
  ondavi::Module1 module_;
  ondavi::testing::RecordingPrompt prompt_;
  ondavi::Calculator* window_ = nullptr;

 private slots:
  void init() { window_ = new ondavi::Calculator(module_, &prompt_); }
  void cleanup() { delete window_; }

  // In every language each caption is the catalog's and shows whole inside its control, a label
  // growing into the free space beside it at most; every control stays where the form puts it,
  // and the language's script has a font to draw it in.
  void everyLanguageCaptionsEveryControlWhole_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en");
    for (const std::string_view language : ondavi::form::CatalogLanguages()) {
      QTest::newRow(std::string(language).c_str())
          << QString::fromLatin1(language.data(), language.size());
    }
  }
  void everyLanguageCaptionsEveryControlWhole() {
    QFETCH(QString, language);
    ondavi::form::ChooseLanguage(std::vector<std::string>{language.toStdString()});
    ondavi::Calculator window(module_, &prompt_);
    for (const ondavi::form::Control& control : ondavi::form::kControls) {
      if (control.caption.size() < 2) continue;
      auto* widget =
          Child<QWidget>(window, QString::fromLatin1(control.name.data(), control.name.size()));
      const std::string_view caption = ondavi::form::Tr(control.caption);
      const QString text = widget->property("text").toString();
      QCOMPARE(text, QString::fromUtf8(caption.data(), caption.size()));
      int room = widget->width();
      if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
      }
      QVERIFY2(widget->fontMetrics().horizontalAdvance(text) <= room, qPrintable(text));
      QVERIFY(widget->width() <= ondavi::form::Pixels(ondavi::form::LabelRoom(control)));
      QCOMPARE(widget->pos(), QPoint(control.place.left / 15, control.place.top / 15));
    }
    // Where a label's letters end, the next caption or box on its row begins at least a space
    // away: "Answer" and "Mixed Number" must not read as one word.
    for (const auto& [left, right] : InkOnEachRow(window)) {
      const int blank = right.ink.left() - left.ink.right() - 1;  // right(): the last column
      QVERIFY2(blank >= left.space, qPrintable(left.name + QStringLiteral(" and ") + right.name));
    }
    const std::map<QString, QFontDatabase::WritingSystem> scripts = {
        {QStringLiteral("zh_CN"), QFontDatabase::SimplifiedChinese},
        {QStringLiteral("ja"), QFontDatabase::Japanese},
        {QStringLiteral("ru"), QFontDatabase::Cyrillic}};
    if (const auto script = scripts.find(language); script != scripts.end()) {
      QVERIFY2(!QFontDatabase::families(script->second).isEmpty(), "no font for the script");
    }
    ondavi::form::ChooseLanguage({});
  }

  // The message box's one button is the catalog's word, not Qt's own English.
  void messageBoxButtonSpeaksTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("word");
    QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("OK");
    QTest::newRow("es") << QStringLiteral("es") << QStringLiteral("Aceptar");
    QTest::newRow("tr") << QStringLiteral("tr") << QStringLiteral("Tamam");
    QTest::newRow("zh_CN") << QStringLiteral("zh_CN") << QStringLiteral("确定");
  }
  void messageBoxButtonSpeaksTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, word);
    ondavi::form::ChooseLanguage(std::vector<std::string>{language.toStdString()});
    ondavi::MessageBoxPrompt message_box(window_);
    QString shown;
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        shown = box->button(QMessageBox::Ok)->text();
        box->button(QMessageBox::Ok)->click();
      }
    });
    QTimer::singleShot(5000, [] {  // never hang: close whatever is still open
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    message_box.Show("1/2");
    ondavi::form::ChooseLanguage({});
    QCOMPARE(shown, word);
  }

  void windowHasItsCaptionAndFixedClientArea() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Free Ondavi - Pellworth"));
    QCOMPARE(window_->size(), QSize(449, 150));  // 6735 x 2250 twips
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    auto* frame = Child<QGroupBox>(*window_, QStringLiteral("Frame1"));
    QCOMPARE(frame->title(), QStringLiteral("Simple Ondavi"));
    QCOMPARE(frame->geometry(), QRect(8, 8, 433, 129));
  }

  void controlHasItsPlaceAndCaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");  // pixels inside the frame: twips / 15
    const auto row = [](const char* name, const char* caption, int l, int t, int w, int h) {
      QTest::newRow(name) << QString::fromLatin1(caption) << QRect(l / 15, t / 15, w / 15, h / 15);
    };
    row("Text1", "", 360, 600, 495, 375);
    row("Text2", "", 840, 360, 495, 375);
    row("Text3", "", 840, 720, 495, 375);
    row("Text4", "", 1800, 600, 495, 375);
    row("Text5", "", 2280, 360, 495, 375);
    row("Text6", "", 2280, 720, 495, 375);
    row("Text7", "", 3360, 360, 495, 375);
    row("Text8", "", 3360, 720, 495, 375);
    row("Add", "+", 1440, 360, 255, 255);
    row("Subtract", "-", 1440, 600, 255, 255);
    row("Multiply", "x", 1440, 840, 255, 255);
    row("Divide", "/", 1440, 1080, 255, 255);
    row("Label1", "=", 2880, 600, 375, 375);
    row("Text9", "", 4080, 600, 495, 375);
    row("Text10", "", 4560, 360, 495, 375);
    row("Text11", "", 4560, 720, 495, 375);
    row("Text12", "", 5280, 600, 855, 375);
    row("Label2", "Mixed Number", 4080, 1200, 1095, 255);
    row("Label3", "Decimal", 5400, 1200, 615, 255);
    row("Label4", "Answer", 3360, 1200, 615, 255);
    row("cls", "clear", 1320, 1440, 495, 315);
    row("Label5", "Fraction1", 480, 1200, 735, 255);
    row("Label6", "Fraction2", 1920, 1200, 735, 255);
    row("ShowWork", "Show Work", 4200, 1440, 1215, 315);
    row("Explain", "Explain", 3300, 1455, 840, 300);
  }
  void controlHasItsPlaceAndCaption() {
    QFETCH(QString, caption);
    QFETCH(QRect, place);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget* control = Child(*window_, name);
    QCOMPARE(control->parentWidget()->objectName(), QStringLiteral("Frame1"));
    QCOMPARE(control->geometry(), place);
    if (auto* button = qobject_cast<QPushButton*>(control)) {
      QCOMPARE(button->text(), caption);
      // A button captioned with a word is named with it, so that voice control finds it.
      const bool word = caption.size() > 1 && caption.front().isLetter();
      QVERIFY(word ? button->accessibleName().contains(caption, Qt::CaseInsensitive)
                   : !button->accessibleName().isEmpty());
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
      QCOMPARE(label->text(), caption);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
      QCOMPARE(edit->text(), QString());
      QVERIFY(!edit->accessibleName().isEmpty());
    } else {
      QFAIL("not a box, button or label");
    }
  }

  // The two outlines are drawn on the frame, one pixel wide, in the text colour.
  void outlinesAreDrawnWhereTheFormPlacesThem_data() {
    QTest::addColumn<QRect>("place");
    QTest::newRow("Shape2") << QRect(240 / 15, 240 / 15, 2655 / 15, 1575 / 15);
    QTest::newRow("Shape1") << QRect(3240 / 15, 240 / 15, 3015 / 15, 1575 / 15);
  }
  void outlinesAreDrawnWhereTheFormPlacesThem() {
    QFETCH(QRect, place);
    auto* frame = Child(*window_, QStringLiteral("Frame1"));
    const QImage image = frame->grab().toImage();
    const QRgb ink = frame->palette().color(QPalette::WindowText).rgb();
    const QPoint centre = place.center();
    for (const QPoint& edge :
         {QPoint(place.left(), centre.y()), QPoint(place.right(), centre.y()),
          QPoint(centre.x(), place.top()), QPoint(centre.x(), place.bottom())}) {
      QCOMPARE(image.pixel(edge), ink);
    }
    QVERIFY(image.pixel(place.left() + 1, centre.y()) != ink);
  }

  void controlHasItsFont_data() {
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("alignment");
    for (const char* name : {"Text1", "Text5", "Text8", "Text12", "Add", "Divide"}) {
      QTest::newRow(name) << 8.25 << 700 << -1;
    }
    QTest::newRow("Label1") << 13.5 << 400 << int(Qt::AlignHCenter);
    QTest::newRow("Label2") << 8.25 << 400 << int(Qt::AlignLeft);
    QTest::newRow("Label4") << 8.25 << 400 << int(Qt::AlignLeft);
    QTest::newRow("Label5") << 8.25 << 400 << int(Qt::AlignHCenter);
    QTest::newRow("cls") << 8.25 << 400 << -1;
    QTest::newRow("ShowWork") << 8.25 << 400 << -1;
    QTest::newRow("Explain") << 8.25 << 400 << -1;
  }
  void controlHasItsFont() {
    QFETCH(double, points);
    QFETCH(int, weight);
    QFETCH(int, alignment);
    QWidget* control = Child(*window_, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(control->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(int(control->font().weight()), weight);
    if (alignment >= 0) {
      QCOMPARE(int(qobject_cast<QLabel*>(control)->alignment() & Qt::AlignHorizontal_Mask),
               alignment);
    }
  }

  void focusFollowsTheTabOrderFromText1() {
    QCOMPARE(window_->focusWidget(), Child(*window_, QStringLiteral("Text1")));
    const QStringList expected = {"Text1",    "Text2",  "Text3",    "Text4",  "Text5",
                                  "Text6",    "Text7",  "Text8",    "Add",    "Subtract",
                                  "Multiply", "Divide", "Text9",    "Text10", "Text11",
                                  "Text12",   "cls",    "ShowWork", "Explain"};
    QStringList order;
    QWidget* w = Child(*window_, QStringLiteral("Text1"));
    do {
      if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
      w = w->nextInFocusChain();
    } while (w != Child(*window_, QStringLiteral("Text1")));
    QCOMPARE(order, expected);
  }

  void answerBoxesAreReadOnlyAndOperandBoxesAreNot() {
    for (int box = 1; box <= 12; ++box) {
      QCOMPARE(ondavi::testing::BoxOf(*window_, box)->isReadOnly(), box >= 7);
    }
  }

  void aLongAnswerShowsItsBeginningAndWholeTextAsTooltip() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    ondavi::testing::Enter(*window_, {"1", "1", "2", "", "2", "3"});
    ondavi::testing::Click(*window_, QStringLiteral("Add"));
    QLineEdit* decimal = ondavi::testing::BoxOf(*window_, 12);
    QCOMPARE(decimal->text(), QStringLiteral("2.16666666666667"));
    QCOMPARE(decimal->cursorPosition(), 0);
    QCOMPARE(decimal->toolTip(), decimal->text());
    for (int box : {7, 8, 9, 10, 11}) {  // "13", "6", "2", "1", "6" fit: no tooltip
      QCOMPARE(ondavi::testing::BoxOf(*window_, box)->toolTip(), QString());
    }
    // The first characters are what is painted: the box is narrower than the text.
    QVERIFY(decimal->fontMetrics().horizontalAdvance(decimal->text()) > decimal->width());
    QVERIFY(decimal->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() <
            decimal->width() / 2);
    // Passing through the box with the keyboard selects it all; leaving it shows the beginning.
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    decimal->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(decimal->hasFocus());
    QCOMPARE(decimal->cursorPosition(), decimal->text().size());
    Child(*window_, QStringLiteral("cls"))->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(decimal->cursorPosition(), 0);
  }

  // Each answer box with a long text: its tooltip covers no other box.
  void aTooltipHidesNoOtherBox() {
    window_->move(200, 200);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    ondavi::testing::Enter(*window_, {"", "1234567890123", "9876543210987", "", "1", "7"});
    ondavi::testing::Click(*window_, QStringLiteral("Divide"));
    int tipped = 0;  // answers too long for their boxes: at least the decimal
    for (int box = 7; box <= 12; ++box) {
      QLineEdit* edit = ondavi::testing::BoxOf(*window_, box);
      if (edit->toolTip().isEmpty()) continue;
      ++tipped;
      const QPoint centre = edit->rect().center();
      QHelpEvent help(QEvent::ToolTip, centre, edit->mapToGlobal(centre));
      QApplication::sendEvent(edit, &help);
      QWidget* tip = nullptr;
      QTRY_VERIFY((tip = VisibleTooltip()) != nullptr);
      for (int other = 1; other <= 12; ++other) {
        QLineEdit* o = ondavi::testing::BoxOf(*window_, other);
        const QRect covered(o->mapToGlobal(QPoint(0, 0)), o->size());
        QVERIFY2(other == box || !tip->frameGeometry().intersects(covered),
                 qPrintable(QStringLiteral("Text%1's tooltip covers Text%2").arg(box).arg(other)));
      }
    }
    QVERIFY(tipped > 0);
  }

 private:
  // A control as it shows on its row: a label's letters (aligned in the label as it draws them),
  // any other control's whole outline; and the width of a space in its font.
  struct Ink {
    QString name;
    QRect ink;
    int space;
  };
  static Ink InkOf(const QWidget& widget) {
    QRect ink = widget.geometry();
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
      const int advance = label->fontMetrics().horizontalAdvance(label->text());
      const int left = label->alignment() & Qt::AlignHCenter ? (ink.width() - advance) / 2 : 0;
      ink = QRect(ink.left() + left, ink.top(), advance, ink.height());
    }
    return {widget.objectName(), ink, widget.fontMetrics().horizontalAdvance(QLatin1Char(' '))};
  }
  // Each label with its nearest neighbour to the right on the same row, and each label with its
  // nearest neighbour to the left.
  static std::vector<std::pair<Ink, Ink>> InkOnEachRow(const QWidget& window) {
    std::vector<Ink> inks;
    for (const ondavi::form::Control& control : ondavi::form::kControls) {
      const auto* widget =
          window.findChild<QWidget*>(QString::fromLatin1(control.name.data(), control.name.size()));
      if (widget && control.kind != ondavi::form::Kind::kFrame) inks.push_back(InkOf(*widget));
    }
    std::vector<std::pair<Ink, Ink>> pairs;
    for (const Ink& label : inks) {
      if (!qobject_cast<QLabel*>(window.findChild<QWidget*>(label.name))) continue;
      const Ink* before = nullptr;
      const Ink* after = nullptr;
      for (const Ink& other : inks) {
        const int middle = label.ink.center().y();
        const bool row = other.ink.top() <= middle && middle <= other.ink.bottom();
        if (&other == &label || !row) continue;
        if (other.ink.left() > label.ink.left() &&
            (!after || other.ink.left() < after->ink.left())) {
          after = &other;
        }
        if (other.ink.left() < label.ink.left() &&
            (!before || other.ink.right() > before->ink.right())) {
          before = &other;
        }
      }
      if (after) pairs.emplace_back(label, *after);
      if (before) pairs.emplace_back(*before, label);
    }
    return pairs;
  }

  static QWidget* VisibleTooltip() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->inherits("QTipLabel") && widget->isVisible()) return widget;
    }
    return nullptr;
  }
};

ONDAVI_OFFSCREEN_TEST_MAIN(LayoutTest)
#include "layout_test.moc"

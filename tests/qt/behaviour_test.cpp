// What the six buttons do, and the message box that shows prompts.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "calculate.h"
#include "calculator.h"
#include "description_steps.h"
#include "message_box_prompt.h"
#include "stay_on_top.h"
#include "translation.h"
#include "window_test_support.h"
#include "words.h"

using ondavi::testing::BoxOf;
using ondavi::testing::Child;

class BehaviourTest : public QObject {
  Q_OBJECT

 private:
  ondavi::Module1 module_;
  ondavi::testing::RecordingPrompt prompt_;
  ondavi::Calculator* window_ = nullptr;
  ondavi::testing::ModalGuard* guard_ = nullptr;

  void Enter(const QStringList& operands) { ondavi::testing::Enter(*window_, operands); }
  // Pastes or copies in a box by its key, or by its context menu's action of that name.
  static void PasteOrCopy(QLineEdit* box, const QString& way, QKeySequence::StandardKey key,
                          const char* action) {
    if (way == QLatin1String("keys")) {
      QTest::keySequence(box, key);
      return;
    }
    QTimer::singleShot(0, [action] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(menu);
      for (QAction* item : menu->actions()) {
        if (item->objectName() == QLatin1String(action)) item->trigger();
      }
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, box->rect().center(),
                            box->mapToGlobal(box->rect().center()));
    QApplication::sendEvent(box, &event);
  }
  void Click(const char* button) { ondavi::testing::Click(*window_, QLatin1String(button)); }
  QStringList Boxes() const { return ondavi::testing::Boxes(*window_); }

 private slots:
  void init() {
    module_.Reset();
    prompt_.shown.clear();
    window_ = new ondavi::Calculator(module_, &prompt_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    guard_ = new ondavi::testing::ModalGuard;
  }
  void cleanup() {
    QVERIFY2(!guard_->SawModal(), "an unexpected modal dialog opened");
    delete guard_;
    delete window_;
  }

  // Paste (keys or the context menu) and Enter in an operand box: a whole problem fills the six
  // boxes and presses its operator; anything else is pasted or typed as usual.
  void aWholeProblemFillsTheBoxesAndPressesItsOperator_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("boxes");
    const QStringList solved{"3",  "1",  "4", "1", "2",  "3",
                             "19", "12", "1", "7", "12", "1.58333333333333"};
    // Steps: the boxes show the last one, on the answer of the one before.
    const QStringList stepped{"", "5", "6", "", "3", "4", "5", "8", "", "5", "8", "0.625"};
    QStringList typed(12);
    typed[1] = QStringLiteral("12");
    for (const char* way : {"keys", "menu", "enter"}) {
      QTest::addRow("%s, a problem", way) << way << "3 1/4 - 1 2/3\n" << solved;
      QTest::addRow("%s, steps", way) << way << "(1/2 + 1/3) x 3/4" << stepped;
      QTest::addRow("%s, a number", way) << way << "12" << typed;
      QTest::addRow("%s, one number alone", way)
          << way << "18/24"
          << QStringList{"", "18", "24", "", "0", "1", "3", "4", "", "3", "4", "0.75"};
    }
  }
  void aWholeProblemFillsTheBoxesAndPressesItsOperator() {
    QFETCH(QString, way);
    QFETCH(QString, text);
    QFETCH(QStringList, boxes);
    QLineEdit* box = BoxOf(*window_, 2);
    box->setFocus();
    if (way == QLatin1String("enter")) {
      box->setText(text);
      QTest::keyClick(box, Qt::Key_Return);
    } else {
      QGuiApplication::clipboard()->setText(text);
      PasteOrCopy(box, way, QKeySequence::Paste, "edit-paste");
    }
    QCOMPARE(Boxes(), boxes);
    QVERIFY(prompt_.shown.empty());
    if (text.startsWith('(')) {  // Show Work: every step under its heading, the last one last
      Click("ShowWork");
      QCOMPARE(prompt_.shown.size(), std::size_t{1});
      const std::string& work = prompt_.shown.front();
      QVERIFY(work.starts_with("Step 1 of 2: 1/2 + 1/3\r\n"));
      QVERIFY(work.find("\r\n 5/ 6\r\n\r\nStep 2 of 2: 5/6 x 3/4\r\n") != std::string::npos);
      QVERIFY(work.ends_with("\r\n 5/ 8"));
    }
  }

  // Enter on a box whose text is no whole problem says why, and the text stays; on a box being
  // filled in (a lone number) it does nothing.
  void enterSaysWhyATextIsNoProblem() {
    QLineEdit* box = BoxOf(*window_, 2);
    box->setFocus();
    box->setText(QStringLiteral("2 (1 + 1)"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(prompt_.shown, std::vector<std::string>{"not a problem\r\nwrite x between 2 and ("});
    QCOMPARE(box->text(), QStringLiteral("2 (1 + 1)"));
    box->setText(QStringLiteral("12"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(prompt_.shown.size(), std::size_t{1});
  }

  // A comparison or a chain pasted: its verdict in the message box, in the user's language, and
  // the boxes as they were.
  void aStatementsVerdictIsAMessage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("compared") << ""
                              << "5/8 ? 3/5"
                              << "So 5/8 > 3/5";
    QTest::newRow("a wrong line")
        << ""
        << "3 1/4 - 1 2/3\n= 2 5/4 - 1 2/3\n= 1 3/4"
        << "Line 2 of 2: 2 5/4 - 1 2/3 = 1 3/4\r\n2 5/4 - 1 2/3 is 1 7/12, not 1 3/4.\r\n"
           "False: 2 5/4 - 1 2/3 = 1 3/4";
    QTest::newRow("German") << "de"
                            << "5/8 < 3/5"
                            << "Falsch: 5/8 < 3/5";
  }
  void aStatementsVerdictIsAMessage() {
    QFETCH(QString, language);
    QFETCH(QString, text);
    QFETCH(QString, message);
    if (!language.isEmpty()) {
      ondavi::form::ChooseLanguage(std::vector<std::string>{language.toStdString()});
    }
    Enter({"1", "1", "2", "", "2", "3"});
    Click("Add");
    const QStringList before = Boxes();
    QLineEdit* box = BoxOf(*window_, 2);
    box->setFocus();
    QGuiApplication::clipboard()->setText(text);
    PasteOrCopy(box, "keys", QKeySequence::Paste, "edit-paste");
    ondavi::form::ChooseLanguage({});
    QCOMPARE(prompt_.shown, std::vector<std::string>{message.toStdString()});
    QCOMPARE(Boxes(), before);
  }

  // In every language a message and Show Work's words are the catalog's; in a comma locale the
  // whole-number box takes "2,5".
  void messagesAndWorkSpeakTheLanguage_data() {
    QTest::addColumn<QString>("language");
    for (const std::string_view language : ondavi::form::CatalogLanguages()) {
      QTest::newRow(std::string(language).c_str())
          << QString::fromLatin1(language.data(), static_cast<qsizetype>(language.size()));
    }
  }
  void messagesAndWorkSpeakTheLanguage() {
    QFETCH(QString, language);
    ondavi::form::ChooseLanguage(std::vector<std::string>{language.toStdString()});
    const ondavi::Words words = ondavi::CalculationWords();  // a copy: English again below
    Enter({"1", "1", "2", "", "2", "3"});
    Click("Add");
    Click("ShowWork");
    Enter({"", "1", "2", "", "", ""});
    Click("Divide");
    ondavi::form::ChooseLanguage({});
    QCOMPARE(prompt_.shown.size(), std::size_t{2});
    QCOMPARE(prompt_.shown[0], " 1 1/2   +    2/3\r    " + words.becomes +
                                   " \r\n 9/ 6   +   4/ 6\r\n    " + words.answer_is +
                                   "\r\n 13/ 6");
    QVERIFY(words.becomes != ondavi::kBecomes && words.answer_is != ondavi::kAnswerIs);
    QCOMPARE(prompt_.shown[1], words.divide_by_zero);
    QVERIFY(words.divide_by_zero != ondavi::kDivideByZeroMessage);
  }
  void aGermanLocaleTakesTheDecimalComma() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Enter({"2,5", "", "", "", "1", "3"});
    Click("Add");
    QLocale::setDefault(QLocale::c());
    QCOMPARE(Boxes().mid(6), (QStringList{"17", "6", "2", "5", "6", "2,83333333333333"}));
    QVERIFY(prompt_.shown.empty());
  }

  // Copy in an answer box copies the selection, or with nothing selected the answer line.
  void copyInAnAnswerBoxCopiesTheAnswerLine_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("selected");  // characters selected from the start of Text12
    QTest::addColumn<QString>("copied");
    for (const char* way : {"keys", "menu"}) {
      QTest::addRow("%s, nothing selected", way) << way << 0 << "13/6 = 2 1/6 = 2.16666666666667";
      QTest::addRow("%s, a selection", way) << way << 3 << "2.1";
    }
  }
  void copyInAnAnswerBoxCopiesTheAnswerLine() {
    QFETCH(QString, way);
    QFETCH(int, selected);
    QFETCH(QString, copied);
    Enter({"1", "1", "2", "", "2", "3"});
    Click("Add");
    QGuiApplication::clipboard()->clear();
    QLineEdit* box = BoxOf(*window_, 12);
    box->setFocus();
    box->setSelection(0, selected);
    PasteOrCopy(box, way, QKeySequence::Copy, "edit-copy");
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
  }

  void operatorButtonCalculates_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("answers");  // Text7 to Text12
    QTest::addColumn<QString>("stepLine");
    QTest::newRow("Add") << "+" << QStringList{"13", "6", "2", "1", "6", "2.16666666666667"}
                         << " 9/ 6   +   4/ 6\r\n";
    QTest::newRow("Subtract") << "-" << QStringList{"5", "6", "", "5", "6", "0.833333333333333"}
                              << " 9/ 6   -   4/ 6\r\n";
    QTest::newRow("Multiply") << "x" << QStringList{"1", "1", "1", "", "", "1"}
                              << " 3/ 2   x   2/ 3\r\n";
    QTest::newRow("Divide") << "/" << QStringList{"9", "4", "2", "1", "4", "2.25"}
                            << " 3/ 2   /   2/ 3\r\n";
  }
  void operatorButtonCalculates() {
    QFETCH(QString, operation);
    QFETCH(QStringList, answers);
    QFETCH(QString, stepLine);
    Enter({"1", "1", "2", "", "2", "3"});
    Click(QTest::currentDataTag());
    QCOMPARE(QString::fromStdString(module_.Operation), operation);
    QCOMPARE(Boxes().mid(6), answers);
    QCOMPARE(Boxes().mid(0, 6), (QStringList{"1", "1", "2", "", "2", "3"}));
    const QString work = QString::fromStdString(module_.Work);
    QVERIFY2(work.startsWith(" 1 1/2   " + operation + "    2/3\r    Becomes \r\n" + stepLine),
             qPrintable(work));
    QVERIFY(prompt_.shown.empty());
  }

  // Where the focus goes decides whether a box keeps its caret and selection: moving on to
  // another control shows the box's beginning; a context menu, a message box or another window
  // taking the focus leaves the box as the user left it.
  void boxKeepsCaretAndSelectionUnlessTheUserMovesOn_data() {
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("selected");
    QTest::newRow("context menu") << Qt::PopupFocusReason << 3 << "23";
    QTest::newRow("other window") << Qt::ActiveWindowFocusReason << 3 << "23";
    QTest::newRow("tab") << Qt::TabFocusReason << 0 << "";
    QTest::newRow("mouse") << Qt::MouseFocusReason << 0 << "";
  }
  void boxKeepsCaretAndSelectionUnlessTheUserMovesOn() {
    QFETCH(Qt::FocusReason, reason);
    QFETCH(int, caret);
    QFETCH(QString, selected);
    for (int box : {2, 12}) {  // an operand box and a read-only answer box
      QLineEdit* edit = BoxOf(*window_, box);
      edit->setText(QStringLiteral("1234"));
      edit->setFocus();
      edit->setSelection(1, 2);
      QFocusEvent focus_out(QEvent::FocusOut, reason);
      QApplication::sendEvent(edit, &focus_out);
      QCOMPARE(edit->text(), QStringLiteral("1234"));
      QCOMPARE(edit->cursorPosition(), caret);
      QCOMPARE(edit->selectedText(), selected);
    }
  }

  // A lone "-" moves in front of the numerator; a numerator as long as the box takes keeps its
  // last digit.
  void loneMinusKeepsEveryDigitOfAFullNumerator() {
    const QString numerator = QString(BoxOf(*window_, 2)->maxLength() - 1, QLatin1Char('0')) + "5";
    Enter({"-", numerator, "7", "", "", ""});
    Click("Add");
    QCOMPARE(Boxes(), (QStringList{"-", "5", "7", "", "0", "1", "- 5", "  7", "-", "5", "7",
                                   "-0.714285714285714"}));
  }

  // From the keyboard alone: Space, Enter and the keypad's Enter click the focused button; Enter
  // in a box does nothing. After a calculation the button describes the answer for screen readers.
  void keysOnAFocusedControl_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("calculates");
    QTest::newRow("Space on +") << "Add" << int(Qt::Key_Space) << 0 << true;
    QTest::newRow("Enter on +") << "Add" << int(Qt::Key_Return) << 0 << true;
    QTest::newRow("keypad Enter on +")
        << "Add" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("Enter in a box") << "Text6" << int(Qt::Key_Return) << 0 << false;
  }
  void keysOnAFocusedControl() {
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, calculates);
    Enter({"1", "1", "2", "", "2", "3"});
    QWidget* widget = Child(*window_, control);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(Boxes()[6], calculates ? QStringLiteral("13") : QString());
    if (calculates) {
      QCOMPARE(widget->accessibleDescription(),
               QStringLiteral("13 over 6, mixed number 2 and 1 over 6, decimal 2.16666666666667"));
    }
  }

  // After each click only the button just pressed may describe the answer on screen.
  void onlyThePressedOperatorDescribesTheAnswer() {
    for (const auto& step : ondavi::testing::kDescriptionSteps) {
      if (qstrcmp(step.click, "cls") != 0) Enter({"", "1", "2", "", "1", "3"});
      Click(step.click);
      for (const char* button : ondavi::testing::kButtonNames) {
        const QString description = Child(*window_, QLatin1String(button))->accessibleDescription();
        QVERIFY2(
            description.isEmpty() == (qstrcmp(button, step.describer) != 0),
            qPrintable(QStringLiteral("%1 after %2: \"%3\"")
                           .arg(QLatin1String(button), QLatin1String(step.click), description)));
      }
    }
  }

  void entryCheckShowsItsMessageAndChangesNothingElse() {
    Enter({"1", "1", "2", "", "2", "3"});
    Click("Add");
    const QStringList before = Boxes();
    const std::string work = module_.Work;
    BoxOf(*window_, 5)->setText(QStringLiteral("-2"));
    Click("Multiply");
    QCOMPARE(prompt_.shown, std::vector<std::string>{ondavi::kNegativeSignMessage});
    QStringList expected = before;
    expected[4] = QStringLiteral("-2");
    QCOMPARE(Boxes(), expected);
    QCOMPARE(module_.Work, work);
  }

  void showWorkShowsTheLastTranscript() {
    Click("ShowWork");  // before any calculation: an empty message
    Enter({"", "1", "2", "", "1", "6"});
    Click("Add");
    const std::string work = module_.Work;
    Click("ShowWork");
    BoxOf(*window_, 2)->setText(QStringLiteral("a"));
    Click("Add");  // stopped by an entry check
    Click("ShowWork");
    Click("cls");
    Click("ShowWork");
    QCOMPARE(prompt_.shown,
             (std::vector<std::string>{"", work, ondavi::kNonNumericMessage, work, work}));
  }

  void clearEmptiesEveryBoxAndNothingElse() {
    Enter({"1", "1", "2", "", "2", "3"});
    Click("Divide");
    const std::string work = module_.Work;
    Click("cls");
    QCOMPARE(Boxes(), QStringList(12, QString()));
    QCOMPARE(module_.Work, work);
    QCOMPARE(module_.Operation, std::string("/"));
    QCOMPARE(BoxOf(*window_, 12)->toolTip(), QString());
  }

  void waylandSessionsRunThroughXWaylandUnlessAPlatformIsChosen_data() {
    QTest::addColumn<QByteArray>("session");
    QTest::addColumn<QByteArray>("chosen");  // QT_QPA_PLATFORM before the call
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("wayland") << QByteArray("wayland") << QByteArray() << QByteArray()
                             << QByteArray("xcb");
    QTest::newRow("x11") << QByteArray("x11") << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("user's choice")
        << QByteArray("wayland") << QByteArray("wayland") << QByteArray() << QByteArray("wayland");
    QTest::newRow("command line") << QByteArray("wayland") << QByteArray()
                                  << QByteArray("-platform") << QByteArray();
  }
  void waylandSessionsRunThroughXWaylandUnlessAPlatformIsChosen() {
    QFETCH(QByteArray, session);
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArray, argument);
    QFETCH(QByteArray, expected);
    const char* names[] = {"QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "DISPLAY", "WAYLAND_DISPLAY"};
    QByteArray saved[4];
    for (int i = 0; i < 4; ++i) saved[i] = qgetenv(names[i]);
    qputenv("QT_QPA_PLATFORM", chosen);
    qputenv("XDG_SESSION_TYPE", session);
    qputenv("DISPLAY", ":0");
    qunsetenv("WAYLAND_DISPLAY");
    char program[] = "ondavi";
    char* argv[] = {program, argument.data(), nullptr};
    ondavi::PreferPlatformThatCanStayOnTop(argument.isEmpty() ? 1 : 2, argv);
    const QByteArray result = qgetenv("QT_QPA_PLATFORM");
    for (int i = 0; i < 4; ++i) qputenv(names[i], saved[i]);
    QCOMPARE(result, expected);
  }

  // The message box: titled "Ondavi", one OK button, no icon; its text can be selected and
  // copied whole with Ctrl+C; an empty one is still wide enough for its title, and the work of a
  // problem of many steps scrolls in a box that fits on the screen.
  void messageBoxIsTitledOndaviWithOneOkButton_data() {
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("shown");
    QTest::newRow("transcript") << " 1 1/2   +    2/3\r    Becomes \r\n 9/ 6"
                                << " 1 1/2   +    2/3\n    Becomes \n 9/ 6";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("many steps") << QStringLiteral("    Answer is\r\n 9/ 6").repeated(200)
                                << QStringLiteral("    Answer is\n 9/ 6").repeated(200);
  }
  void messageBoxIsTitledOndaviWithOneOkButton() {
    QFETCH(QString, prompt);
    QFETCH(QString, shown);
    delete guard_;  // this test opens a message box on purpose
    guard_ = nullptr;
    ondavi::MessageBoxPrompt message_box(window_);
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    qsizetype buttons = 0;
    QWidget* parent = nullptr;
    bool selectable = false;
    int width = 0;
    QRect frame;
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      buttons = box->buttons().size();
      parent = box->parentWidget();
      selectable = box->textInteractionFlags() & Qt::TextSelectableByKeyboard;
      width = box->width();
      frame = box->frameGeometry();
      // Nothing selected: Ctrl+C copies everything.
      QTest::keyClick(box->button(QMessageBox::Ok), Qt::Key_C, Qt::ControlModifier);
      box->button(QMessageBox::Ok)->click();
    });
    QTimer::singleShot(5000, [] {  // never hang: close whatever is still open
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    message_box.Show(prompt.toStdString());
    guard_ = new ondavi::testing::ModalGuard;
    QCOMPARE(title, QStringLiteral("Ondavi"));
    QCOMPARE(text, shown);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QCOMPARE(parent, window_);
    QVERIFY(selectable);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
    QVERIFY2(width > 2 * QFontMetrics(window_->font()).horizontalAdvance(title),
             "narrower than its title");
    QVERIFY2(frame.height() <= window_->screen()->availableGeometry().height(),
             "taller than the screen");
  }
};

ONDAVI_OFFSCREEN_TEST_MAIN(BehaviourTest)
#include "behaviour_test.moc"

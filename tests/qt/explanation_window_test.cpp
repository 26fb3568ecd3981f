// The worked solution's window: what Explain shows in each language, its stacked fractions,
// copying, zooming, printing, and following each new calculation while it is open.
#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "calculator.h"
#include "explanation_text.h"
#include "explanation_window.h"
#include "pdf_text.h"
#include "stacked_expression.h"
#include "translation.h"
#include "window_test_support.h"
#include "worked_example.h"

using ondavi::testing::Child;

namespace {

// The worked example and its solution in the text form, as the command line writes it.
const QString kWorkedExample = QString::fromUtf8(ondavi::testing::kWorkedExampleProblem) + '\n' +
                               QString::fromUtf8(ondavi::testing::kWorkedExampleSolution);

}  // namespace

class ExplanationWindowTest : public QObject {
  Q_OBJECT

 private:
  ondavi::Module1 module_;
  ondavi::testing::RecordingPrompt prompt_;
  ondavi::Calculator* window_ = nullptr;

  ondavi::ExplanationWindow& Explanation() const {
    return *Child<ondavi::ExplanationWindow>(*window_, QStringLiteral("Explanation"));
  }
  ondavi::ExplanationText& View() const { return Explanation().View(); }
  // What a screen reader reads in the view.
  QString Read() const {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&View());
    return accessible->textInterface()->text(0, accessible->textInterface()->characterCount());
  }
  void Subtract(const QStringList& operands) {
    ondavi::testing::Enter(*window_, operands);
    ondavi::testing::Click(*window_, QStringLiteral("Subtract"));
  }
  void Explain() { ondavi::testing::Click(*window_, QStringLiteral("Explain")); }
  void SolveInABox(const QString& problem) {
    QLineEdit* box = ondavi::testing::BoxOf(*window_, 1);
    box->setText(problem);
    QTest::keyClick(box, Qt::Key_Return);
  }

 private slots:
  void init() {
    module_.Reset();
    window_ = new ondavi::Calculator(module_, &prompt_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
  }
  void cleanup() {
    delete window_;
    ondavi::form::ChooseLanguage({});
  }

  // In each language: before any calculation the hint; after 3 1/4 - 1 2/3 the sentences that
  // name the LCD 12, the renamed fractions, the borrow and 1 7/12, every equation drawn stacked,
  // one object an expression; after a problem of three operators a heading for each, in the
  // order worked.
  void showsTheStepsInTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("headings");
    QTest::newRow("en") << "en"
                        << "Type a problem or two operands and press an operator."
                        << kWorkedExample.split('\n', Qt::SkipEmptyParts)
                        << QStringList{"Step 1 of 3, x and / before + and -: 1/3 x 3/4",
                                       "Step 2 of 3: 1/2 + 1/4", "Step 3 of 3: 3/4 - 1/4",
                                       "Answer: 1/2 + 1/3 x 3/4 - 1/4 = 1/2"};
    QTest::newRow("fr")
        << "fr"
        << "Tapez un calcul ou deux nombres, puis appuyez sur un signe d'opération."
        << QStringList{"Le plus petit dénominateur commun de 4 et 3, par la liste des "
                       "multiples, est 12.",
                       "Écris la fraction avec le dénominateur 12\u00a0: multiplie ses "
                       "deux termes par 3\u00a0: 1/4 = (1 x 3)/(4 x 3) = 3/12",
                       "3/12 est plus petit que 8/12\u00a0: on prend 1 unité au nombre "
                       "entier, écrite 12/12\u00a0: 3 3/12 = 2 + 12/12 + 3/12 = 2 15/12",
                       "Résultat\u00a0: 3 1/4 - 1 2/3 = 1 7/12"}
        << QStringList{"Étape 1 sur 3, x et / avant + et -\u00a0: 1/3 x 3/4",
                       "Étape 2 sur 3\u00a0: 1/2 + 1/4", "Étape 3 sur 3\u00a0: 3/4 - 1/4",
                       "Résultat\u00a0: 1/2 + 1/3 x 3/4 - 1/4 = 1/2"};
    QTest::newRow("ru") << "ru" << "Введите пример или два числа и нажмите знак действия."
                        << QStringList{
                               "Наименьший общий знаменатель 4 и 3, найденный перебором кратных, "
                               "равен 12.",
                               "Приведём дробь к знаменателю 12: умножим числитель и знаменатель "
                               "на 4: 2/3 = (2 x 4)/(3 x 4) = 8/12",
                               "3/12 меньше 8/12, поэтому займём 1 целую и запишем её как 12/12: "
                               "3 3/12 = 2 + 12/12 + 3/12 = 2 15/12",
                               "Ответ: 3 1/4 - 1 2/3 = 1 7/12"}
                        << QStringList{"Шаг 1 из 3, x и / раньше + и -: 1/3 x 3/4",
                                       "Шаг 2 из 3: 1/2 + 1/4", "Шаг 3 из 3: 3/4 - 1/4",
                                       "Ответ: 1/2 + 1/3 x 3/4 - 1/4 = 1/2"};
    QTest::newRow("ja")
        << "ja"
        << "計算式か2つの数を入力して、演算子のボタンを押してください。"
        << QStringList{"4 と 3 の最小公倍数を倍数を並べて求めると 12（通分の分母）。",
                       "分母が 12 になるように通分する（分子と分母に 3 をかける）: 1/4 "
                       "= (1 x 3)/(4 x 3) = 3/12",
                       "3/12 は 8/12 より小さいので、整数部分から 1 をくり下げて 12/12 "
                       "にする: 3 3/12 = 2 + 12/12 + 3/12 = 2 15/12",
                       "答え: 3 1/4 - 1 2/3 = 1 7/12"}
        << QStringList{"ステップ 1/3（x と / を + と - より先に計算）: 1/3 x 3/4",
                       "ステップ 2/3: 1/2 + 1/4", "ステップ 3/3: 3/4 - 1/4",
                       "答え: 1/2 + 1/3 x 3/4 - 1/4 = 1/2"};
  }
  void showsTheStepsInTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, hint);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, headings);
    ondavi::form::ChooseLanguage(std::vector<std::string>{language.toStdString()});
    delete window_;
    window_ = new ondavi::Calculator(module_, &prompt_);
    window_->show();
    Explain();
    QVERIFY(Explanation().isVisible());
    QCOMPARE(Read(), hint + '\n');

    Subtract({"3", "1", "4", "1", "2", "3"});
    QStringList read = Read().split('\n');
    QCOMPARE(read.front(), QStringLiteral("3 1/4 - 1 2/3"));
    for (const QString& line : lines) QVERIFY2(read.contains(line), qPrintable(line));
    if (language == QLatin1String("en")) QCOMPARE(Read(), kWorkedExample);
    // Drawn, not written: each expression of an equation is an object of its own.
    const QString drawn = View().document()->toPlainText();
    QVERIFY(!drawn.contains(QStringLiteral("(1 x 3)/(4 x 3)")));
    QCOMPARE(drawn.count(QChar::ObjectReplacementCharacter), 17);  // as many as "=" joins

    SolveInABox(QStringLiteral("1/2 + 1/3 x 3/4 - 1/4"));
    read = Read().split('\n');
    QStringList found;  // the headings and the answer, in the order read
    for (const QString& line : read) {
      if (headings.contains(line)) found << line;
    }
    QCOMPARE(found, headings);
  }

  // Before any calculation the window says what to do; open, it follows each new calculation
  // without taking the focus from the calculator; after "clear" it still explains the last one.
  void theHintFirstThenEachNewCalculation() {
    Explain();
    QCOMPARE(Read(), QStringLiteral("Type a problem or two operands and press an operator.\n"));
    window_->activateWindow();
    Subtract({"3", "1", "4", "1", "2", "3"});
    QCOMPARE(Read(), kWorkedExample);
    ondavi::testing::Click(*window_, QStringLiteral("cls"));
    QCOMPARE(Read(), kWorkedExample);
    SolveInABox(QStringLiteral("5/2 x 4/5"));
    QVERIFY(Read().startsWith(QStringLiteral("5/2 x 4/5\nCancel common factors")));
  }

  // A separate window titled "Ondavi", resizable, not modal, on top like the calculator.
  void isASeparateResizableWindowOnTop() {
    Explain();
    ondavi::ExplanationWindow& explanation = Explanation();
    QVERIFY(explanation.isWindow());
    QCOMPARE(explanation.windowTitle(), QStringLiteral("Ondavi"));
    QVERIFY(!explanation.isModal());
    QVERIFY(explanation.minimumSize() != explanation.maximumSize());
    QVERIFY(explanation.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(Child<QLabel>(explanation, QStringLiteral("ExplanationSubtitle"))->text(),
             QStringLiteral("Worked solution"));
    // Escape closes it, and a closed window stays closed when the next calculation is made.
    QTest::keyClick(&View(), Qt::Key_Escape);
    QVERIFY(!explanation.isVisible());
    Subtract({"3", "1", "4", "1", "2", "3"});
    QVERIFY(!explanation.isVisible());
  }

  // Ctrl+C copies everything with nothing selected, and the selection otherwise, stacked
  // fractions written inline and sub-steps indented as the text form has them.
  void ctrlCCopiesTheTextForm() {
    Subtract({"3", "1", "4", "1", "2", "3"});
    Explain();
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(&View(), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), kWorkedExample);
    QTest::keySequence(&View(), QKeySequence::SelectAll);
    QTest::keySequence(&View(), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text() + '\n', kWorkedExample);
    // The second and third paragraphs, selected from the keyboard.
    QTextCursor cursor(View().document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, 2);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    View().setTextCursor(cursor);
    QTest::keySequence(&View(), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), kWorkedExample.split('\n').mid(1, 3).join('\n'));
    Child<QPushButton>(Explanation(), QStringLiteral("ExplanationCopy"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), kWorkedExample);
  }

  // A screen reader follows the caret in the text it reads: an indented paragraph's start is
  // after its blanks, and a stacked fraction counts as many characters as its inline text.
  void screenReadersFollowTheCaret() {
    Subtract({"3", "1", "4", "1", "2", "3"});
    Explain();
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(&View())->textInterface();
    const QTextBlock multiples = View().document()->findBlockByNumber(2);
    const QTextBlock rename = multiples.next();
    const QString sentence =
        QStringLiteral("Rename the fraction over 12: multiply both parts by 3: ");
    const struct {
      int position, offset;
    } carets[] = {
        {0, 0},
        {multiples.position(), int(kWorkedExample.indexOf(QLatin1String("Multiples of 4")))},
        {rename.position() + int(sentence.size()) + 1,
         int(kWorkedExample.indexOf(QLatin1String("1/4 = (1 x 3)"))) + 3},
    };
    for (const auto& caret : carets) {
      QTextCursor cursor(View().document());
      cursor.setPosition(caret.position);
      View().setTextCursor(cursor);
      QCOMPARE(text->cursorPosition(), caret.offset);
    }
  }

  // A fraction stands taller than a line of text, its bar between numerator and denominator;
  // Ctrl+plus and Ctrl+minus zoom the text and the fractions with it.
  void fractionsAreStackedAndZoom() {
    const QFont font = View().document()->defaultFont();
    const ondavi::StackedExpression stacked(font, nullptr);
    const QFontMetricsF metrics(font);
    const ondavi::StackedExtent fraction = stacked.Measure(ondavi::explain::Fraction(13, 4));
    const ondavi::StackedExtent whole = stacked.Measure(ondavi::explain::Whole(13));
    QVERIFY(fraction.ascent + fraction.descent > 1.8 * metrics.height());
    QVERIFY(fraction.width < 1.5 * whole.width);  // "13" over "4", not "13/4" in a row
    Subtract({"3", "1", "4", "1", "2", "3"});
    Explain();
    const qreal points = View().font().pointSizeF();
    const qreal height = View().document()->size().height();
    QTest::keyClick(&View(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(&View(), Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(View().font().pointSizeF(), points + 4);
    QVERIFY(View().document()->size().height() > height * 1.2);
    QTest::keyClick(&View(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(View().font().pointSizeF(), points + 2);
  }

  // Printed to a PDF file, the page holds the solution's sentences and its stacked equations.
  void printsToAPdfFile() {
    Subtract({"3", "1", "4", "1", "2", "3"});
    Explain();
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("solution.pdf")));
    Explanation().Print(printer);
    QFile pdf(printer.outputFileName());
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QString text = ondavi::testing::PdfText(pdf.readAll());
    for (const char* words :
         {"The least common denominator of 4 and 3, by listing multiples, is 12.",
          "Rename the fraction over 12: multiply both parts by 3:", "Answer:",
          "is already in lowest terms.", "\u00d7", "\u2212"}) {  // drawn: the signs × and −
      QVERIFY2(text.contains(QString::fromUtf8(words)), words);
    }
  }
};

ONDAVI_OFFSCREEN_TEST_MAIN(ExplanationWindowTest)
#include "explanation_window_test.moc"

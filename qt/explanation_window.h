#pragma once

// The window "Explain" opens: the worked solution of the last calculation, beside the calculator
// and on top with it, resizable and not modal; it follows each new calculation while it is open.
#include <QWidget>

#include "explanation.h"

class QLabel;
class QPrinter;
class QPushButton;

namespace ondavi {

class ExplanationText;

class ExplanationWindow : public QWidget, public form::ExplanationView {
  Q_OBJECT

 public:
  explicit ExplanationWindow(QWidget* calculator);

  void Show(const form::Explanation& explanation) override;
  bool Open() const override { return isVisible(); }

  ExplanationText& View() const { return *text_; }
  // Prints the worked solution on `printer` as it is set up (a paper printer, or a PDF file).
  void Print(QPrinter& printer) const;
  // Asks for a printer in the print dialog, then prints.
  void PrintWithDialog();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SpeakTheLanguage();
  void PlaceBesideCalculator();

  QLabel* subtitle_;
  ExplanationText* text_;
  QPushButton* copy_;
  QPushButton* print_;
  bool placed_ = false;  // once placed, the window stays where the user puts it
};

}  // namespace ondavi

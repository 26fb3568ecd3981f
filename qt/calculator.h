#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "explanation_window.h"
#include "form_actions.h"
#include "line_edit_box_panel.h"
#include "message_prompt.h"
#include "module1.h"

class QGroupBox;
class QStyle;

namespace ondavi {

// The calculator's one window, drawn from the form table: two operands, four operator buttons,
// the answer as a fraction, a mixed number and a decimal, and "clear", "Explain" and "Show Work".
// Every control has a fixed place; the buttons hand their work to the form's actions. "Explain"
// opens the window of the worked solution.
class Calculator : public QWidget {
  Q_OBJECT

 public:
  // `module` is the program's shared state. Messages go to `prompt` when given (tests record
  // them), otherwise to message boxes over this window.
  explicit Calculator(Module1& module, MessagePrompt* prompt = nullptr, QWidget* parent = nullptr);
  ~Calculator() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Form_Load();
  void KeepBoxesVisible();
  void DescribeButtons();
  void ShowTooltip(QLineEdit* box, const QPoint& cursor);
  bool Solve(const QString& text);
  bool HandleBoxEvent(QLineEdit* box, QEvent* event);
  void ShowContextMenu(QLineEdit* box, const QPoint& where);
  void CopyAnswer(QLineEdit* box);
  QWidget* AddControl(const form::Control& control);

  std::unique_ptr<MessagePrompt> own_prompt_;
  MessagePrompt& prompt_;
  QGroupBox* Frame1;
  QStyle* box_style_ = nullptr;
  std::array<QLineEdit*, kBoxCount> boxes_{};
  std::unique_ptr<LineEditBoxPanel> panel_;
  ExplanationWindow* explanation_;
  std::unique_ptr<form::FormActions> actions_;
};

}  // namespace ondavi

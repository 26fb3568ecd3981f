#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <memory>

#include "line_edit_box_panel.h"
#include "message_prompt.h"
#include "module1.h"

namespace ondavi {

// The calculator's one window: two operands, four operator buttons, the answer as a fraction, a
// mixed number and a decimal, and "clear" and "Show Work". Every control has a fixed place; the
// buttons hand their work to the core.
class Calculator : public QWidget {
  Q_OBJECT

 public:
  // `module` is the program's shared state. Messages go to `prompt` when given (tests record
  // them), otherwise to message boxes over this window.
  explicit Calculator(Module1& module, MessagePrompt* prompt = nullptr, QWidget* parent = nullptr);
  ~Calculator() override;

  // Fifteen twips make one device-independent pixel.
  static constexpr int kTwipsPerPixel = 15;

 private:
  void Form_Load();
  void Add_Click();
  void Subtract_Click();
  void Multiply_Click();
  void Divide_Click();
  void ShowWork_Click();
  void cls_Click();
  void Operate(const char* operation);

  Module1& module_;
  std::unique_ptr<MessagePrompt> own_prompt_;
  MessagePrompt& prompt_;

  QGroupBox* Frame1;
  std::array<QLineEdit*, kBoxCount> boxes_{};
  QPushButton* Add;
  QPushButton* Subtract;
  QPushButton* Multiply;
  QPushButton* Divide;
  QPushButton* cls;
  QPushButton* ShowWork;
  std::unique_ptr<LineEditBoxPanel> panel_;
};

}  // namespace ondavi

#pragma once

// What the form's command buttons do, for whichever window binds the form: an operator button
// stores its operator and runs the calculation, "Show Work" shows the last transcript, "clear"
// empties the twelve boxes and nothing else. A window maps each button's click to Click with the
// button's action, or calls the handler by name. After an operator, LastResult says the answer
// (or the message the calculation showed) in words, for the window to hand to screen readers;
// after another button it is empty. Description says what each button describes to screen
// readers after a click: the pressed operator the answer on screen, every other button nothing.
#include <optional>
#include <string>
#include <string_view>

#include "answer_text.h"
#include "box_panel.h"
#include "calculate.h"
#include "form.h"
#include "message_prompt.h"
#include "module1.h"
#include "problem.h"

namespace ondavi::form {

class FormActions {
 public:
  FormActions(Module1& module, BoxPanel& boxes, MessagePrompt& prompt)
      : module_(module), boxes_(boxes), prompt_(prompt) {}

  void Add_Click() { Operate("+"); }
  void Subtract_Click() { Operate("-"); }
  void Multiply_Click() { Operate("x"); }
  void Divide_Click() { Operate("/"); }
  void ShowWork_Click() { prompt_.Show(module_.Work); }
  void cls_Click() {
    for (int box = 1; box <= kBoxCount; ++box) boxes_.SetText(static_cast<Box>(box), "");
  }

  // A whole problem typed or pasted as one line: fills the six operand boxes and presses its
  // operator's button, as a user would. Tells whether the line was a whole problem; when it is
  // not, nothing changes.
  bool Solve(std::string_view line) {
    const std::optional<Problem> problem = ReadProblem(line);
    if (!problem) return false;
    for (int i = 0; i < 6; ++i) boxes_.SetText(static_cast<Box>(i + 1), problem->operands[i]);
    Click(problem->action);
    return true;
  }

  const std::string& LastResult() const { return last_result_; }

  std::string Description(Action button) const {
    return button == last_clicked_ ? last_result_ : std::string();
  }

  void Click(Action action) {
    last_result_.clear();
    last_clicked_ = action;
    switch (action) {
      case Action::kAdd:
        return Add_Click();
      case Action::kSubtract:
        return Subtract_Click();
      case Action::kMultiply:
        return Multiply_Click();
      case Action::kDivide:
        return Divide_Click();
      case Action::kShowWork:
        return ShowWork_Click();
      case Action::kClear:
        return cls_Click();
      case Action::kNone:
        return;
    }
  }

 private:
  // Passes every prompt on and remembers the last.
  class WatchedPrompt : public MessagePrompt {
   public:
    explicit WatchedPrompt(MessagePrompt& prompt) : prompt_(prompt) {}
    void Show(const std::string& text) override {
      last = text;
      prompt_.Show(text);
    }
    std::string last;

   private:
    MessagePrompt& prompt_;
  };

  void Operate(const char* operation) {
    module_.Operation = operation;
    WatchedPrompt prompt(prompt_);
    Calculate(module_, boxes_, prompt);
    last_result_ = prompt.last.empty() ? ResultAnnouncement(boxes_) : prompt.last;
  }

  Module1& module_;
  BoxPanel& boxes_;
  MessagePrompt& prompt_;
  std::string last_result_;
  Action last_clicked_ = Action::kNone;
};

}  // namespace ondavi::form

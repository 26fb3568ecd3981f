#pragma once

// What the form's command buttons do, for whichever window binds the form: an operator button
// stores its operator and runs the calculation, "Show Work" shows the last transcript, "clear"
// empties the twelve boxes and nothing else. A window maps each button's click to Click with the
// button's action, or calls the handler by name. After an operator, LastResult says the answer
// (or the message the calculation showed) in words, for the window to hand to screen readers;
// after another button it is empty. Description says what each button describes to screen
// readers after a click: the pressed operator the answer on screen, every other button nothing.
#include <string>
#include <string_view>
#include <vector>

#include "box_panel.h"
#include "explanation.h"
#include "form.h"
#include "message_prompt.h"
#include "module1.h"
#include "problem.h"
#include "remembered_prompt.h"
#include "statement.h"

namespace ondavi::form {

// A step's answer as the operand of a later step: the fraction its answer boxes show, with the
// whole-number box empty, or "-" when the answer is negative.
OperandTexts AnswerAsOperand(const BoxPanel& boxes);

class FormActions {
 public:
  // Messages go to `prompt` and are remembered in Said().
  FormActions(Module1& module, BoxPanel& boxes, MessagePrompt& prompt)
      : module_(module), boxes_(boxes), said_(prompt) {}
  // Messages are only remembered, for the caller to read in Said().
  FormActions(Module1& module, BoxPanel& boxes) : module_(module), boxes_(boxes) {}

  void Add_Click() { Operate("+"); }
  void Subtract_Click() { Operate("-"); }
  void Multiply_Click() { Operate("x"); }
  void Divide_Click() { Operate("/"); }
  void ShowWork_Click() { said_.Show(module_.Work); }
  void cls_Click();
  // Shows the worked solution of the last calculation in the window's view, if it has one.
  void Explain_Click();

  // The view "Explain" opens; a view that is open shows each new calculation at once.
  void SetExplanationView(ExplanationView* view) { view_ = view; }
  // The worked solution of the last calculation or whole problem, built when asked for: before
  // any, a hint that says what to do.
  Explanation CurrentExplanation() const;

  // A whole problem typed or pasted as one line: works each of its steps as a user would, by
  // filling the six operand boxes and pressing the step's operator, each step on the answer of
  // the steps before it. The boxes end with the last step's operands and the problem's answer;
  // after more than one step, the transcript holds every step's under a line naming it. A step
  // that ends in a message ends the problem; an operand with a zero denominator stops it before
  // anything changes, with the division-by-zero message. Tells whether the line was a whole
  // problem; when it is not, nothing changes.
  bool Solve(std::string_view line);
  // Enter in an operand box: Solve, and when the box's text is no whole problem, the message box
  // says why; the boxes keep what they hold. A box holding nothing, or a lone number or sign as
  // the boxes take it (blanks between its digits too), is being filled in: nothing happens.
  enum class Entered { kNothing, kSolved, kRefused };
  Entered Enter(std::string_view line);
  // The comparison, statement or chain the last line was, if it was one: Solve says its
  // verdict in the message box and leaves the boxes as they were.
  const Judged* Statement() const { return statement_ ? &judged_ : nullptr; }
  // Why the last line that Solve or Enter was given is no whole problem, in the user's language.
  std::string RefusalReason() const;

  void Click(Action action);

  // Worked out when first asked for, from the boxes as the click left them (the windows ask at
  // once); a batch that never asks does not pay for it.
  const std::string& LastResult() const;
  std::string Description(Action button) const {
    return button == last_clicked_ ? LastResult() : std::string();
  }
  // What the last click or problem showed, if anything.
  const RememberedPrompt& Said() const { return said_; }

 private:
  void Operate(const char* operation);
  // The calculation just made is the one Explain explains; an open view shows it.
  void Remember(explain::Problem problem, std::string written);
  void RememberLine(std::string_view line);
  void ShowExplanationIfOpen();

  Module1& module_;
  BoxPanel& boxes_;
  RememberedPrompt said_;
  bool Judge(std::string_view line);
  Refusal refusal_;  // of the last line that was no whole problem
  Judged judged_;    // the last statement, while statement_
  bool statement_ = false;
  std::vector<OperandTexts> step_answers_;  // of the steps of the problem being solved
  mutable std::string last_result_;
  mutable bool announcement_due_ = false;  // last_result_ is yet to be worked out from the boxes
  Action last_clicked_ = Action::kNone;
  ExplanationView* view_ = nullptr;
  bool solving_ = false;  // a whole problem's steps are being clicked
  // The last calculation: a click's problem, or a whole problem's line and its separator.
  enum class Last { kNone, kClick, kLine, kNoSolution } last_ = Last::kNone;
  explain::Problem last_problem_;
  std::string last_written_;
  char last_separator_ = '.';
};

}  // namespace ondavi::form

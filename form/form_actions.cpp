#include "form_actions.h"

#include <array>
#include <optional>
#include <vector>

#include "answer_text.h"
#include "calculate.h"
#include "characters.h"
#include "problem.h"
#include "refusal_text.h"
#include "transcript.h"
#include "translation.h"
#include "verdict_text.h"
#include "worked_solution.h"

namespace ondavi::form {
namespace {

// The caption of the button with this action: the operator as the form writes it.
std::string_view CaptionOf(Action action) {
  for (const Control& control : kControls) {
    if (control.action == action) return control.caption;
  }
  return {};
}

// The line that names a step of a problem in its transcript: "Step 2 of 3: 1/2 + 1/4".
std::string StepHeading(std::size_t step, std::size_t steps, const OperandTexts& first,
                        Action action, const OperandTexts& second) {
  const std::string calculation =
      WrittenOperand(first) + " " + std::string(CaptionOf(action)) + " " + WrittenOperand(second);
  return TrArgs("Step %1 of %2: %3",
                std::array{std::to_string(step + 1), std::to_string(steps), calculation});
}

}  // namespace

OperandTexts AnswerAsOperand(const BoxPanel& boxes) {
  OperandTexts operand;
  if (AppendUnpadded(operand[1], boxes, Box::Text7).starts_with('-')) {
    operand[0] = "-";
    operand[1].erase(0, 1);
  }
  AppendUnpadded(operand[2], boxes, Box::Text8);
  return operand;
}

void FormActions::cls_Click() {
  for (int box = 1; box <= kBoxCount; ++box) boxes_.SetText(static_cast<Box>(box), "");
}

void FormActions::Click(Action action) {
  said_.Forget();
  last_result_.clear();
  announcement_due_ = false;
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
    case Action::kExplain:
      return Explain_Click();
    case Action::kNone:
      return;
  }
}

void FormActions::Explain_Click() {
  if (view_) view_->Show(CurrentExplanation());
}

Explanation FormActions::CurrentExplanation() const {
  Explanation explanation;
  explanation.problem = last_written_;
  switch (last_) {
    case Last::kNone:
      explanation.hint = Tr("Type a problem or two operands and press an operator.");
      break;
    case Last::kNoSolution:
      explanation.hint =
          Tr("This calculation has no worked solution: a whole number box holds a "
             "number written in another way.");
      break;
    case Last::kClick:
      explanation.solution = explain::BuildSolution(last_problem_);
      break;
    case Last::kLine:
      explanation.solution = WorkedSolution(last_written_, {}, last_separator_);
      break;
  }
  return explanation;
}

void FormActions::ShowExplanationIfOpen() {
  if (view_ && view_->Open()) view_->Show(CurrentExplanation());
}

void FormActions::Operate(const char* operation) {
  module_.Operation = operation;
  const unsigned long runs = module_.Runs;
  Calculate(module_, boxes_, said_);
  // A click's own problem, from its operand boxes as the calculation left them; a calculation
  // refused at the entry checks explains nothing new, as it shows no new transcript. Only a
  // window that can show the worked solution keeps it.
  if (view_ && !solving_ && module_.Runs != runs) {
    const char sep = boxes_.DecimalSeparator();
    const std::optional<OperandTexts> first = PlainOperand(
        boxes_.Text(Box::Text1), boxes_.Text(Box::Text2), boxes_.Text(Box::Text3), sep);
    const std::optional<OperandTexts> second = PlainOperand(
        boxes_.Text(Box::Text4), boxes_.Text(Box::Text5), boxes_.Text(Box::Text6), sep);
    const char op = operation[0];
    std::string written = first && second ? WrittenOperand(*first) + " " +
                                                std::string(CaptionOf(last_clicked_)) + " " +
                                                WrittenOperand(*second)
                                          : std::string();
    if (first && second) {
      explain::Problem problem;
      problem.operands = {*first, *second};
      problem.operations = {{{0, -1}, {1, -1}, op}};
      Remember(std::move(problem), std::move(written));
    } else {
      last_ = Last::kNoSolution;
      last_written_.clear();
      ShowExplanationIfOpen();
    }
  }
  if (said_.Shown()) {
    last_result_ = said_.Last();
  } else {
    announcement_due_ = true;
  }
}

const std::string& FormActions::LastResult() const {
  if (announcement_due_) {
    last_result_ = ResultAnnouncement(boxes_);
    announcement_due_ = false;
  }
  return last_result_;
}

void FormActions::Remember(explain::Problem problem, std::string written) {
  last_ = Last::kClick;
  last_problem_ = std::move(problem);
  last_written_ = std::move(written);
  ShowExplanationIfOpen();
}

void FormActions::RememberLine(std::string_view line) {
  // The problem as typed, without the blanks and line ends around it.
  const std::size_t first = line.find_first_not_of(" \t\r\n");
  const std::size_t last = line.find_last_not_of(" \t\r\n");
  last_ = Last::kLine;
  last_written_ =
      first == line.npos ? std::string() : std::string(line.substr(first, last - first + 1));
  last_separator_ = boxes_.DecimalSeparator();
  ShowExplanationIfOpen();
}

// A comparison, statement or chain: its verdict in the message box, the boxes as they were.
bool FormActions::Judge(std::string_view line) {
  if (!JudgeStatement(line, boxes_.DecimalSeparator(), {}, judged_)) return false;
  statement_ = true;
  return true;
}

bool FormActions::Solve(std::string_view line) {
  statement_ = false;
  if (Judge(line)) {
    if (!judged_.read) {
      refusal_ = judged_.refusal;
      return false;
    }
    said_.Forget();
    last_clicked_ = Action::kNone;
    announcement_due_ = false;
    last_result_ = VerdictMessage(judged_);
    said_.Show(last_result_);
    if (view_) RememberLine(line);
    return true;
  }
  const std::optional<Problem> problem = ReadProblem(line, boxes_.DecimalSeparator(), refusal_);
  if (!problem) return false;
  if (problem->zero_denominator) {
    said_.Forget();
    last_clicked_ = Action::kNone;
    announcement_due_ = false;
    last_result_ = CalculationWords().divide_by_zero;
    said_.Show(last_result_);
    if (view_) RememberLine(line);
    return true;
  }
  const std::size_t count = problem->steps.size();
  // The answers of the steps so far; the list keeps its room for the next problem.
  std::vector<OperandTexts>& answers = step_answers_;
  answers.clear();
  std::string work;  // of every step, when there is more than one
  solving_ = true;
  for (std::size_t k = 0; k < count; ++k) {
    const Step& step = problem->steps[k];
    const auto texts = [&](const StepOperand& operand) -> const OperandTexts& {
      return operand.earlier_step < 0 ? problem->Written(operand)
                                      : answers[static_cast<std::size_t>(operand.earlier_step)];
    };
    const OperandTexts& first = texts(step.first);
    const OperandTexts& second = texts(step.second);
    for (int i = 0; i < 3; ++i) {
      boxes_.SetText(static_cast<Box>(1 + i), first[static_cast<std::size_t>(i)]);
      boxes_.SetText(static_cast<Box>(4 + i), second[static_cast<std::size_t>(i)]);
    }
    if (count > 1 && module_.KeepWork) {
      if (k > 0) work += std::string(transcript::kLineEnd) + transcript::kLineEnd;
      work += StepHeading(k, count, first, step.action, second) + transcript::kLineEnd;
      module_.Work.clear();
    }
    Click(step.action);
    // A step refused before it began has no transcript of its own, only its message.
    if (count > 1 && module_.KeepWork) {
      work += module_.Work.empty() && said_.Shown() ? said_.Last() : module_.Work.Text();
    }
    if (said_.Shown()) {  // no earlier answer stays beside the operands of a refused step
      ClearAnswers(boxes_);
      break;
    }
    if (k + 1 < count) answers.push_back(AnswerAsOperand(boxes_));
  }
  solving_ = false;
  if (count > 1 && module_.KeepWork) module_.Work = std::move(work);
  if (view_) RememberLine(line);
  return true;
}

// Whether a box takes the text as a number of its own, or as nothing: the blanks Val passes over
// left out ("10 000", "1 2"), it is at most a lone number or sign.
static bool BeingFilledIn(std::string_view line, char decimal_separator) {
  std::string joined;
  for (char c : line) {
    if (kPassedOverByVal.find(c) == std::string_view::npos) joined += c;
  }
  Refusal refusal;
  const std::optional<Problem> problem = ReadProblem(joined, decimal_separator, refusal);
  if (problem) {  // a decimal alone, as the whole-number box takes it
    return problem->lone && problem->operands[0][1].empty() && problem->percents.empty();
  }
  return refusal.reason == Refusal::Reason::kEmpty ||
         refusal.reason == Refusal::Reason::kLoneNumber;
}

FormActions::Entered FormActions::Enter(std::string_view line) {
  if (BeingFilledIn(line, boxes_.DecimalSeparator())) return Entered::kNothing;
  if (Solve(line)) return Entered::kSolved;
  said_.Forget();
  last_clicked_ = Action::kNone;
  announcement_due_ = false;
  last_result_ = RefusalMessage(refusal_);
  said_.Show(last_result_);
  return Entered::kRefused;
}

std::string FormActions::RefusalReason() const {
  return RefusalText(refusal_);
}

}  // namespace ondavi::form

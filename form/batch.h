#pragma once

// Problems answered on the command line: one given as an argument, or a batch of them, one a line
// of standard input.
#include <string>
#include <string_view>

#include "box_panel.h"
#include "command_line.h"
#include "form_actions.h"
#include "module1.h"

namespace ondavi::form {

// One calculator as the command line runs it, for the whole run: the module, boxes held in
// memory and the form's actions.
class LineCalculator {
 public:
  explicit LineCalculator(const Answering& how) : how_(how) { module_.KeepWork = how.work; }
  LineCalculator(const LineCalculator&) = delete;
  LineCalculator& operator=(const LineCalculator&) = delete;

  // Answers one problem on the terminal as `how` says: its answer line, followed with work by
  // its steps, or its worked solution; a problem without an answer with "ondavi: PROBLEM:
  // MESSAGE" on the error stream (in JSON, its object's "message"). Tells whether it answered.
  bool Answer(std::string_view line, Terminal& terminal);

 private:
  // The worked solution as `how` asks for it, into answer_.
  void AppendWorkedSolution(std::string_view line, const std::string& answer_line,
                            const std::string& message);

  Answering how_;
  Module1 module_;
  InMemoryBoxPanel boxes_;
  FormActions actions_{module_, boxes_};
  std::string answer_;  // written again for every problem, keeping its room
};

// Answers the problems of standard input, one a line, in the order they stand; blank lines are
// passed over, and so is a byte-order mark before the first. Large batches are shared out among
// the processor's cores: each answers its part of a block of lines on a calculator of its own,
// and what each wrote is passed on to the terminal in the lines' order, just as one calculator
// would have written it (a problem's answer does not depend on the problems before it). Returns
// 0 when every problem was answered, 1 when one was not.
int AnswerBatch(const Answering& how, Terminal& terminal);

}  // namespace ondavi::form

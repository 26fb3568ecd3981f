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
// memory and the form's actions. Its boxes write decimals with `decimal_separator`, as the
// user's language does, so that a problem may too ("2,5"); the answer line keeps ".".
class LineCalculator {
 public:
  explicit LineCalculator(const Answering& how) : how_(how), boxes_(how.decimal_separator) {
    module_.KeepWork = how.work;
  }
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

  class Boxes final : public InMemoryBoxPanel {
   public:
    explicit Boxes(char decimal_separator) : decimal_separator_(decimal_separator) {}
    char DecimalSeparator() const override { return decimal_separator_; }

   private:
    char decimal_separator_;
  };

  Answering how_;
  Module1 module_;
  Boxes boxes_;
  FormActions actions_{module_, boxes_};
  std::string answer_;  // written again for every problem, keeping its room
};

// Answers one problem, or says that it is longer than kLongestProblem; tells whether it answered.
bool AnswerProblem(LineCalculator& calculator, std::string_view problem, Terminal& terminal);

// Answers the problems of standard input, one a line, in the order they stand; blank lines are
// passed over, and so is a byte-order mark before the first. The lines that have arrived are
// answered before the program waits for more, so that a person typing, or a script that writes
// a line and waits, reads each answer at once. Large batches are shared out among the
// processor's cores: each answers its part of a block of lines on a calculator of its own, and
// what each wrote is passed on to the terminal in the lines' order, just as one calculator would
// have written it (a problem's answer does not depend on the problems before it). Stops early
// when standard output fails. Returns 0 when every problem was answered, 1 when one was not.
int AnswerBatch(const Answering& how, Terminal& terminal);

}  // namespace ondavi::form

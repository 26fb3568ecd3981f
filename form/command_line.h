#pragma once

// The calculator without a window, for scripts, answer keys and terminals: each whole problem
// is calculated by the same form actions as a click, and answered with one line, the answer
// boxes' answer line; a problem that ends in a message (or is no whole problem) is reported on
// the error stream as "ondavi: LINE: MESSAGE", and the next one goes on. Both programs read
// their command line here; the window's toolkit names the options of its own that it takes.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings.h"

namespace ondavi::form {

// Standard input, output and error as the program has them.
class Terminal {
 public:
  virtual ~Terminal() = default;
  // The next line of standard input without its line end; false at its end.
  virtual bool ReadLine(std::string& line) = 0;
  virtual void Out(std::string_view text) = 0;
  virtual void Err(std::string_view text) = 0;
  // Writes out whatever is still held back; returns why standard output could not take all that
  // was written to it, or nothing when it could.
  virtual std::string Finish() = 0;
};

// How the command line answers each problem: with its answer line, followed with work by the
// steps that Show Work shows; or with its worked solution (explain), following the settings; as
// text, as one JSON object a problem, or (a worked solution) as LaTeX.
enum class Format { kText, kJson, kLatex };
struct Answering {
  bool work = false;
  bool explain = false;
  Format format = Format::kText;
  explain::Settings settings;
};

// Calculates one problem, or with "-" one problem a line of the input (blank lines are passed
// over, and so is a byte-order mark before the first), and answers each as `how` says, in lines
// ending in LF. Returns the exit status: 0 when every problem was answered, 1 when one was not.
int RunCalculations(std::string_view problem, const Answering& how, Terminal& terminal);
inline int RunCalculations(std::string_view problem, bool work, Terminal& terminal) {
  Answering how;
  how.work = work;
  return RunCalculations(problem, how, terminal);
}

// The options of the window's toolkit, which the command line leaves for it; their names
// without dashes. Each may be written with one dash or two ("-platform", "--platform").
struct ToolkitOptions {
  std::span<const char* const> with_value;  // each takes the next word as its value
  std::span<const char* const> flags;
  std::string_view help;  // a sentence for --help about them
};

// What the program's command line asks for.
struct CommandLine {
  enum class Ask { kWindow, kCalculate, kHelp, kVersion, kUsageError } ask = Ask::kWindow;
  std::string problem;  // kCalculate: the problem, or "-" for standard input
  bool work = false;    // kCalculate: the steps too
  Answering how;        // kCalculate: how each problem is answered (`work` included)
  std::string error;    // kUsageError: what is wrong
};

// Reads "--help" (-h), "--version" (-v), "--work", "--calculate PROBLEM" and "--explain PROBLEM"
// (its worked solution instead of the answer line), "--format text|json|latex" and the worked
// solution's settings "--lcd multiples|primes", "--mixed apart|improper" and "--no-cancel",
// each wherever it stands; a value may follow a "=" too. The words after
// "--calculate" (or "--calculate=WORD" and those after it) are one problem, joined by blanks, as
// a shell leaves "--calculate 1/2 + 1/3". Words that are not options ask for the same, so that
// "ondavi 1/2 + 1/3" answers too; a word such as "-1/4" is a problem's, not an option. Options
// are words that start with a dash, as the toolkit reads them ("-reverse" is one option); the
// toolkit's own are passed over. No arguments ask for the window.
CommandLine ReadCommandLine(const std::vector<std::string>& arguments,
                            const ToolkitOptions& toolkit = {});

// Answers on the terminal a command line that asks for anything but the window: the help, the
// version, a usage error (with a hint, status 2) or the calculations. Returns the exit status,
// which is 1 when standard output could not take what was written to it.
int AnswerOnTerminal(const CommandLine& command, std::string_view version,
                     const ToolkitOptions& toolkit, Terminal& terminal);

}  // namespace ondavi::form

#pragma once

// The calculator without a window, for scripts, answer keys and terminals: each whole problem
// is calculated by the same form actions as a click, and answered with one line, the answer
// boxes' answer line; a problem that ends in a message (or is no whole problem) is reported on
// the error stream as "ondavi: LINE: MESSAGE", and the next one goes on. Both programs read
// their command line here; the window's toolkit names the options of its own that it takes.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings.h"

namespace ondavi::form {

// The longest problem read, in bytes: a longer one is refused, and of a longer line of standard
// input no more than its start is held.
inline constexpr std::size_t kLongestProblem = 1'000'000;

// What became of the text written to standard output.
struct Delivery {
  bool complete = true;  // standard output took all of it
  // Why it did not, for the user; empty when its reader went away, as `| head -1` does once it
  // has what it asked for, which is no error to tell.
  std::string why;
};

// Standard input, output and error as the program has them.
class Terminal {
 public:
  virtual ~Terminal() = default;
  // The next line of standard input without its line end; false at its end.
  virtual bool ReadLine(std::string& line) = 0;
  // Whether ReadLine would wait for input that has not arrived yet: a person typing, or a script
  // that writes a line and waits for its answer. The lines read so far are answered first.
  virtual bool WouldWait() { return false; }
  virtual void Out(std::string_view text) = 0;
  virtual void Err(std::string_view text) = 0;
  // Whether standard output has failed, so that nothing written to it arrives any more.
  virtual bool OutputFailed() const { return false; }
  // Writes out whatever is still held back; tells whether standard output took all that was
  // written to it.
  virtual Delivery Finish() = 0;
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
  char decimal_separator = '.';  // a problem's, besides "."
};

// Calculates one problem, or with "-" one problem a line of the input (blank lines are passed
// over, and so is a byte-order mark before the first; a line of only spaces is blank), and
// answers each as `how` says, in lines ending in LF. A problem may write decimals with
// `how.decimal_separator` as well as with "."; the answer line keeps ".". Returns the exit
// status: 0 when every problem was answered, 1 when one was not.
int RunCalculations(std::string_view problem, const Answering& how, Terminal& terminal);
inline int RunCalculations(std::string_view problem, bool work, Terminal& terminal) {
  Answering how;
  how.work = work;
  return RunCalculations(problem, how, terminal);
}

// The decimal separator of the language in force, chosen from the user's `preferences` (as
// EnvironmentLanguages gives them): "," where the language writes decimals with a comma, unless
// the preference that chose it names a region that writes a point ("es_MX", "de_CH"); "." for
// every other language.
char DecimalSeparatorOf(std::span<const std::string> preferences);

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
// "ondavi 1/2 + 1/3" answers too. Options are words that start with a dash and then a letter
// or another dash, as the toolkit reads them ("-reverse" is one option); a word such as "-1/4",
// "-½" or "-.5" is a problem's. The toolkit's own options are passed over. No arguments ask for the
// window.
CommandLine ReadCommandLine(const std::vector<std::string>& arguments,
                            const ToolkitOptions& toolkit = {});

// Answers on the terminal a command line that asks for anything but the window: the help, the
// version, a usage error (with a hint, status 2) or the calculations, whose problems may write
// decimals with `decimal_separator`. Returns the exit status,
// which is 1 when standard output could not take what was written to it.
int AnswerOnTerminal(const CommandLine& command, std::string_view version,
                     const ToolkitOptions& toolkit, char decimal_separator, Terminal& terminal);

}  // namespace ondavi::form

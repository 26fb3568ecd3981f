#pragma once

// The calculator without a window, for scripts, answer keys and terminals: each whole problem
// is calculated by the same form actions as a click, and answered with one line, the answer
// boxes' answer line; a problem that ends in a message (or is no whole problem) is reported on
// the error stream as "ondavi: LINE: MESSAGE", and the next one goes on.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ondavi::form {

struct Terminal {
  std::function<bool(std::string& line)> read_line;  // false at the end of the input
  std::function<void(std::string_view text)> out, err;
};

// Calculates one problem, or with "-" one problem a line of the input (blank lines are passed
// over); with work, each answer line is followed by the steps that Show Work shows, in lines
// ending in LF. Returns the exit status: 0 when every problem was answered, 1 when one was not.
int RunCalculations(std::string_view problem, bool work, Terminal& terminal);

// What the program's command line asks for.
struct CommandLine {
  enum class Ask { kWindow, kCalculate, kHelp, kVersion, kUsageError } ask = Ask::kWindow;
  std::string problem;  // kCalculate: the problem, or "-"
  bool work = false;    // kCalculate: the steps too
  std::string error;    // kUsageError: what is wrong
};

// Reads "--calculate PROBLEM" (or "--calculate=PROBLEM", "-" for the input), "--work", "--help"
// and "--version"; no arguments ask for the window. Used where no toolkit reads the command line.
CommandLine ReadCommandLine(const std::vector<std::string>& arguments);

// What --help says of the options above, and the examples it gives.
extern const char kCalculateOption[];
extern const char kWorkOption[];
extern const char kCalculateExamples[];

}  // namespace ondavi::form

#include "command_line.h"

#include "answer_text.h"
#include "box_panel.h"
#include "form_actions.h"
#include "message_prompt.h"
#include "message_text.h"
#include "module1.h"

namespace ondavi::form {
namespace {

class LastPrompt : public MessagePrompt {
 public:
  void Show(const std::string& prompt) override { shown = prompt; }
  std::string shown;
};

// One line's calculation on the session that lives for the whole run; tells whether it answered.
bool Answer(std::string_view line, bool work, FormActions& actions, Module1& module,
            const BoxPanel& boxes, LastPrompt& prompt, Terminal& terminal) {
  prompt.shown.clear();
  if (!actions.Solve(line)) {
    terminal.err("ondavi: " + std::string(line) + ": not a problem\n");
    return false;
  }
  if (!prompt.shown.empty()) {
    terminal.err("ondavi: " + std::string(line) + ": " + prompt.shown + "\n");
    return false;
  }
  terminal.out(AnswerLine(boxes) + "\n");
  if (work) terminal.out(WithLineEnds(module.Work, "\n") + "\n");
  return true;
}

}  // namespace

const char kCalculateOption[] =
    "Prints the answer to a whole problem, such as \"3 1/4 - 1 2/3\", as one line, without "
    "opening a window; with -, answers one problem a line from standard input.";
const char kWorkOption[] = "With --calculate: prints the steps after each answer line.";
const char kCalculateExamples[] =
    "\nAnswer lines show the fraction, the mixed number and the decimal:\n"
    "  ondavi --calculate \"1 1/2 + 2/3\"      13/6 = 2 1/6 = 2.16666666666667\n"
    "  ondavi --calculate \"-12 5/8 x 3 7/9\"  -1717/36 = -47 25/36 = -47.6944444444444\n"
    "  ondavi --calculate \"1/2 - 1/6\"        1/3 = 0.333333333333333\n"
    "A problem without an answer is reported on standard error as \"ondavi: PROBLEM: MESSAGE\".\n"
    "Exit status: 0 when every problem was answered, 1 when one was not, 2 for a usage error.\n";

int RunCalculations(std::string_view problem, bool work, Terminal& terminal) {
  Module1 module;
  InMemoryBoxPanel boxes;
  LastPrompt prompt;
  FormActions actions(module, boxes, prompt);
  if (problem != "-")
    return Answer(problem, work, actions, module, boxes, prompt, terminal) ? 0 : 1;
  int status = 0;
  for (std::string line; terminal.read_line(line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    if (!Answer(line, work, actions, module, boxes, prompt, terminal)) status = 1;
  }
  return status;
}

CommandLine ReadCommandLine(const std::vector<std::string>& arguments) {
  CommandLine command;
  bool calculate = false;
  const auto error = [&](std::string what) {
    command.ask = CommandLine::Ask::kUsageError;
    command.error = std::move(what);
    return command;
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h" || argument == "/?") {
      command.ask = CommandLine::Ask::kHelp;
      return command;
    }
    if (argument == "--version" || argument == "-v") {
      command.ask = CommandLine::Ask::kVersion;
      return command;
    }
    if (argument == "--work") {
      command.work = true;
    } else if (argument == "--calculate") {
      if (i + 1 == arguments.size()) return error("Missing value after '--calculate'.");
      calculate = true;
      command.problem = arguments[++i];
    } else if (argument.starts_with("--calculate=")) {
      calculate = true;
      command.problem = argument.substr(std::string_view("--calculate=").size());
    } else {
      return error("Unknown option '" + argument + "'.");
    }
  }
  if (command.work && !calculate) return error("'--work' goes with '--calculate'.");
  if (calculate) command.ask = CommandLine::Ask::kCalculate;
  return command;
}

}  // namespace ondavi::form

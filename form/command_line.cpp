#include "command_line.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <optional>

#include "batch.h"
#include "translation.h"

namespace ondavi::form {
namespace {

// The help, in parts that translators translate whole, keeping their layout.
constexpr char kUsage[] =
    N_("Usage: ondavi [options]\n"
       "       ondavi [--work] [--calculate] PROBLEM\n"
       "       ondavi [--work] --calculate -\n");
constexpr char kExplainUsage[] =
    N_("       ondavi [--format json|latex] [--lcd multiples|primes]\n"
       "              [--mixed apart|improper] [--no-cancel] --explain PROBLEM|-\n");
constexpr char kDescription[] =
    N_("A calculator for common fractions and mixed numbers: type two operands as whole\n"
       "numbers and fractions, press +, -, x or /, and read the answer as a reduced\n"
       "fraction, a mixed number and a decimal. Given a problem, it prints the answer\n"
       "instead of opening a window.\n");
constexpr char kOptions[] =
    N_("Options:\n"
       "  -h, --help           Displays this help.\n"
       "  -v, --version        Displays version information.\n"
       "  --calculate PROBLEM  Prints the answer to a whole problem, such as\n"
       "                       \"3 1/4 - 1 2/3\", as one line, without opening a window;\n"
       "                       with -, answers one problem a line from standard input.\n"
       "  --work               With --calculate: prints the steps after each answer\n"
       "                       line.\n");
// New options after the first block, so that its translations stand.
constexpr char kExplainOptions[] =
    N_("  --explain PROBLEM    Prints the worked solution of a problem, a step a line,\n"
       "                       ending with its answer line; with -, of one problem a\n"
       "                       line from standard input.\n"
       "  --format FORMAT      text (the default), json (one object a problem, with\n"
       "                       --calculate or --explain) or latex (with --explain).\n"
       "  --lcd METHOD         With --explain: finds common denominators by listing\n"
       "                       multiples (multiples) or by prime factors (primes); by\n"
       "                       default multiples while the common denominator is at\n"
       "                       most 100.\n"
       "  --mixed METHOD       With --explain: adds and subtracts mixed numbers with the\n"
       "                       wholes and fractions apart (apart) or as improper\n"
       "                       fractions (improper); by default apart where no number is\n"
       "                       negative.\n"
       "  --no-cancel          With --explain: multiplies without cancelling first.\n");
constexpr char kExamplesHeading[] =
    N_("A problem has any number of operators and brackets; x and / go before + and -.\n"
       "Answer lines show the fraction, the mixed number and the decimal:\n");
constexpr char kExamples[] =
    "ondavi --calculate \"1 1/2 + 2/3\"        13/6 = 2 1/6 = 2.16666666666667\n"
    "ondavi --calculate \"-12 5/8 x 3 7/9\"    -1717/36 = -47 25/36 = -47.6944444444444\n"
    "ondavi --calculate \"(2/3 + 1/4) / 5/6\"  11/10 = 1 1/10 = 1.1\n";
constexpr char kStatementsHeading[] =
    // xgettext:no-c-format
    N_("One number alone is answered in lowest terms; 35% is 35/100. Two sides joined by ?\n"
       "are compared; joined by < > = <= >= != they are a statement, printed after true or\n"
       "false (exit status 1 for false); a chain a = b = c is checked link by link:\n");
constexpr char kStatementExamples[] =
    "ondavi --calculate \"18/24\"                   3/4 = 0.75\n"
    "ondavi --calculate \"5/8 ? 3/5\"               5/8 > 3/5\n"
    "ondavi --calculate \"2 - 3/4 = 1 1/2\"         false 2 - 3/4 = 1 1/2\n";
constexpr char kExitStatus[] =
    N_("A problem without an answer is reported on standard error as\n"
       "\"ondavi: PROBLEM: MESSAGE\".\n"
       "Exit status: 0 when every problem was answered, 1 when one was not, 2 for a\n"
       "usage error.\n");

bool IsOneOf(std::string_view name, std::span<const char* const> names) {
  for (const char* n : names) {
    if (name == n) return true;
  }
  return false;
}

// A word that starts with a dash and then an ASCII letter or another dash, as every option's
// name does; "-", "-1/4", "-.5", "-½" and "-１/２" are words of a problem.
bool IsOption(std::string_view word) {
  if (word.size() < 2 || word[0] != '-') return false;
  const char next = word[1];
  return next == '-' || (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z');
}

// Whether a word is the option `name`, alone or with "=VALUE".
bool IsNamed(std::string_view word, std::string_view name) {
  return word.starts_with(name) && (word.size() == name.size() || word[name.size()] == '=');
}

// The value of an option written "--name VALUE" or "--name=VALUE" at arguments[i], moving i past
// it; nothing when it is missing.
std::optional<std::string> OptionValue(const std::vector<std::string>& arguments, std::size_t& i,
                                       std::string_view name) {
  const std::string& argument = arguments[i];
  if (argument.size() > name.size() && argument.starts_with(name) && argument[name.size()] == '=') {
    return argument.substr(name.size() + 1);
  }
  if (i + 1 == arguments.size()) return std::nullopt;
  return arguments[++i];
}

}  // namespace

char DecimalSeparatorOf(std::span<const std::string> preferences) {
  constexpr std::string_view kCommaLanguages[] = {"de", "es", "fr", "id", "it",
                                                  "pl", "pt", "ru", "tr", "uk"};
  // Regions of those languages that write a point, where "1,500" is fifteen hundred.
  constexpr std::string_view kPointRegions[] = {
      "es_MX", "es_US", "es_419", "es_PR", "es_DO", "es_GT", "es_HN", "es_NI", "es_PA",
      "es_SV", "es_CU", "es_PE",  "es_PH", "es_BZ", "de_CH", "de_LI", "it_CH"};
  const std::string_view chosen = Language();
  const std::string_view language = chosen.substr(0, chosen.find('_'));
  if (std::find(std::begin(kCommaLanguages), std::end(kCommaLanguages), language) ==
      std::end(kCommaLanguages)) {
    return '.';
  }
  for (const std::string& preference : preferences) {
    // "es_MX.UTF-8", "es-MX", "es": the language, and the region when one is named.
    const std::string_view name =
        std::string_view(preference).substr(0, preference.find_first_of(".@"));
    if (!name.starts_with(language) ||
        (name.size() > language.size() && name[language.size()] != '_' &&
         name[language.size()] != '-')) {
      continue;
    }
    std::string region = std::string(language) + '_';
    for (char c : name.substr(std::min(name.size(), language.size() + 1))) {
      region += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return std::find(std::begin(kPointRegions), std::end(kPointRegions), region) !=
                   std::end(kPointRegions)
               ? '.'
               : ',';
  }
  return ',';
}

int RunCalculations(std::string_view problem, const Answering& how, Terminal& terminal) {
  if (problem == "-") return AnswerBatch(how, terminal);
  LineCalculator calculator(how);
  return AnswerProblem(calculator, problem, terminal) ? 0 : 1;
}

CommandLine ReadCommandLine(const std::vector<std::string>& arguments,
                            const ToolkitOptions& toolkit) {
  CommandLine command;
  bool calculate = false;
  const auto error = [&](std::string what) {
    command.ask = CommandLine::Ask::kUsageError;
    command.error = std::move(what);
    return command;
  };
  const auto add_word = [&](std::string_view word) {
    if (!command.problem.empty()) command.problem += ' ';
    command.problem += word;
  };
  bool explain_options = false;  // a setting of the worked solution was given
  int chosen = 0;                // the last choice read: its index, -1 unknown, -2 missing
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    // The options of the answer's form and of the worked solution: a name, and a value from a
    // list of choices.
    const auto choice = [&](std::string_view name,
                            std::initializer_list<std::string_view> choices) -> int {
      const std::optional<std::string> value = OptionValue(arguments, i, name);
      if (!value) return -2;
      int index = 0;
      for (std::string_view c : choices) {
        if (*value == c) return index;
        ++index;
      }
      command.error = TrArgs("Unknown value '%1' for '%2'.", std::array{*value, std::string(name)});
      return -1;
    };
    if (argument == "--work") {
      command.work = true;
    } else if (argument == "--no-cancel") {
      command.how.settings.cancel = false;
      explain_options = true;
    } else if (IsNamed(argument, "--format")) {
      if ((chosen = choice("--format", {"text", "json", "latex"})) < 0) break;
      command.how.format = static_cast<Format>(chosen);
    } else if (IsNamed(argument, "--lcd")) {
      if ((chosen = choice("--lcd", {"multiples", "primes"})) < 0) break;
      command.how.settings.denominator = chosen == 0
                                             ? explain::Settings::Denominator::kMultiples
                                             : explain::Settings::Denominator::kPrimeFactors;
      explain_options = true;
    } else if (IsNamed(argument, "--mixed")) {
      if ((chosen = choice("--mixed", {"apart", "improper"})) < 0) break;
      command.how.settings.mixed = chosen == 0 ? explain::Settings::MixedNumbers::kApart
                                               : explain::Settings::MixedNumbers::kImproper;
      explain_options = true;
    } else if (!calculate && argument == "--explain") {
      calculate = true;
      command.how.explain = true;
    } else if (!calculate && argument.starts_with("--explain=")) {
      calculate = true;
      command.how.explain = true;
      add_word(std::string_view(argument).substr(std::string_view("--explain=").size()));
    } else if (calculate || !IsOption(argument)) {
      calculate = true;  // a problem's first word, or one after it
      add_word(argument);
    } else if (argument == "--help" || argument == "-h" || argument == "-help" ||
               argument == "/?") {
      command.ask = CommandLine::Ask::kHelp;
      return command;
    } else if (argument == "--version" || argument == "-v" || argument == "-version") {
      command.ask = CommandLine::Ask::kVersion;
      return command;
    } else if (argument == "--calculate") {
      calculate = true;
    } else if (argument.starts_with("--calculate=")) {
      calculate = true;
      add_word(std::string_view(argument).substr(std::string_view("--calculate=").size()));
    } else {
      // The toolkit's: a flag, or an option with its value in the next word or after a "=".
      std::string_view name = std::string_view(argument).substr(argument.starts_with("--") ? 2 : 1);
      const std::size_t equals = name.find('=');
      const bool value_given = equals != std::string_view::npos;
      name = name.substr(0, equals);
      if (!value_given && IsOneOf(name, toolkit.flags)) continue;
      if (!IsOneOf(name, toolkit.with_value)) {
        return error(TrArgs("Unknown option '%1'.", std::array{argument}));
      }
      if (value_given) continue;
      if (i + 1 == arguments.size()) {
        return error(TrArgs("Missing value after '%1'.", std::array{argument}));
      }
      ++i;
    }
  }
  if (chosen == -2) {
    return error(TrArgs("Missing value after '%1'.", std::array{arguments.back()}));
  }
  if (chosen == -1) return error(command.error);
  if (command.work && (!calculate || command.how.explain))
    return error(std::string(Tr("'--work' goes with '--calculate'.")));
  if ((explain_options || command.how.format == Format::kLatex) && !command.how.explain) {
    return error(
        std::string(Tr("'--format latex', '--lcd', '--mixed' and '--no-cancel' go with "
                       "'--explain'.")));
  }
  if (command.how.format != Format::kText && !calculate) {
    return error(std::string(Tr("'--format' goes with '--calculate' or '--explain'.")));
  }
  command.how.work = command.work;
  if (calculate && command.problem.empty()) {
    return error(
        TrArgs("Missing value after '%1'.",
               std::array{std::string(command.how.explain ? "--explain" : "--calculate")}));
  }
  if (calculate) command.ask = CommandLine::Ask::kCalculate;
  return command;
}

int AnswerOnTerminal(const CommandLine& command, std::string_view version,
                     const ToolkitOptions& toolkit, char decimal_separator, Terminal& terminal) {
  using Ask = CommandLine::Ask;
  int status = 0;
  switch (command.ask) {
    case Ask::kHelp: {
      std::string help = std::string(Tr(kUsage)) + std::string(Tr(kExplainUsage)) +
                         std::string(Tr(kDescription)) + "\n" + std::string(Tr(kOptions)) +
                         std::string(Tr(kExplainOptions));
      if (!toolkit.help.empty()) help += std::string(Tr(toolkit.help)) + "\n";
      terminal.Out(help + "\n" + std::string(Tr(kExamplesHeading)) + kExamples +
                   std::string(Tr(kStatementsHeading)) + kStatementExamples +
                   std::string(Tr(kExitStatus)));
      break;
    }
    case Ask::kVersion:
      terminal.Out("ondavi " + std::string(version) + "\n");
      break;
    case Ask::kUsageError:
      terminal.Err("ondavi: " + command.error + "\n" +
                   std::string(Tr("Try 'ondavi --help' for more information.")) + "\n");
      status = 2;
      break;
    case Ask::kCalculate: {
      Answering how = command.how;
      how.decimal_separator = decimal_separator;
      status = RunCalculations(command.problem, how, terminal);
      break;
    }
    case Ask::kWindow:
      break;
  }
  if (const Delivery delivery = terminal.Finish(); !delivery.complete) {
    if (!delivery.why.empty()) {
      terminal.Err("ondavi: " +
                   TrArgs("cannot write to standard output: %1", std::array{delivery.why}) + "\n");
    }
    return 1;
  }
  return status;
}

}  // namespace ondavi::form

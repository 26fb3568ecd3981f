#include "batch.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "answer_text.h"
#include "characters.h"
#include "escaped_line.h"
#include "message_text.h"
#include "translation.h"
#include "verdict_text.h"
#include "worked_solution.h"
#include "writers.h"

namespace ondavi::form {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Lines a core answers from each block of a batch; a block of fewer lines is answered by fewer
// cores, since a thread for a few lines costs more than it saves.
constexpr std::size_t kLinesPerCore = 1024;
// At most this many cores share a batch: beyond it writing the answers out would dominate.
constexpr unsigned kMostCores = 8;
// A block holds at most about this many bytes, so that a batch of long lines is not held whole.
constexpr std::size_t kMostBlockBytes = 4 << 20;
// A line's room beyond this is given back before the next block is read into it, so that the
// rooms of long lines are not kept for the rest of the batch.
constexpr std::size_t kRoomKept = 4096;
// Of a problem too long to be read, at most this many bytes are echoed.
constexpr std::size_t kEchoedOfTooLong = 40;

// What a calculator wrote for its part of a block, kept to be passed on in order.
class RecordingTerminal : public Terminal {
 public:
  bool ReadLine(std::string&) override { return false; }
  void Out(std::string_view text) override { out_ += text; }
  void Err(std::string_view text) override { errors_.push_back({out_.size(), std::string(text)}); }
  Delivery Finish() override { return {}; }

  // Writes everything on the terminal as it was written here, each message after the answers
  // before it, and forgets it.
  void PassOn(Terminal& terminal) {
    std::size_t written = 0;
    for (const auto& [at, text] : errors_) {
      if (at > written) terminal.Out(std::string_view(out_).substr(written, at - written));
      terminal.Err(text);
      written = at;
    }
    if (out_.size() > written) terminal.Out(std::string_view(out_).substr(written));
    out_.clear();
    errors_.clear();
  }

 private:
  struct Error {
    std::size_t at;  // how much of out_ stood before it
    std::string text;
  };
  std::string out_;
  std::vector<Error> errors_;
};

// One core's calculator and what it wrote.
struct Share {
  explicit Share(const Answering& how) : calculator(how) {}
  LineCalculator calculator;
  RecordingTerminal written;
  bool all_answered = true;
};

// The cores' calculators, each made when a block first needs it. Each block of lines is shared
// out among threads started for it, one for each core but the first (the caller's), and joined
// before the answers are passed on. A thread for each block costs microseconds against the
// milliseconds a block takes, and joining is the one wait that every platform's threads keep
// without fail: waits on a shared barrier were lost under Wine, and the batch hung.
class Cores {
 public:
  Cores(unsigned most, const Answering& how, const std::vector<std::string>& lines)
      : most_(most), how_(how), lines_(lines) {}

  // Answers the first `count` lines of the block, each core in use an equal share of them in
  // turn, and passes on what they wrote in the lines' order.
  void Answer(std::size_t count, Terminal& terminal) {
    const std::size_t used = std::clamp<std::size_t>(count / kLinesPerCore, 1, most_);
    while (shares_.size() < used) {
      shares_.push_back(std::make_unique<Share>(how_));
    }
    const std::size_t share = (count + used - 1) / used;
    std::vector<std::thread> threads;
    for (std::size_t core = 1; core < used; ++core) {
      threads.emplace_back([this, core, share, count] { AnswerShare(core, share, count); });
    }
    AnswerShare(0, share, count);
    for (std::thread& thread : threads) thread.join();
    for (std::size_t core = 0; core < used; ++core) shares_[core]->written.PassOn(terminal);
  }

  bool AllAnswered() const {
    return std::all_of(shares_.begin(), shares_.end(),
                       [](const auto& share) { return share->all_answered; });
  }

 private:
  void AnswerShare(std::size_t core, std::size_t share, std::size_t count) {
    Share& mine = *shares_[core];
    const std::size_t end = std::min(count, (core + 1) * share);
    for (std::size_t i = core * share; i < end; ++i) {
      if (!AnswerProblem(mine.calculator, lines_[i], mine.written)) mine.all_answered = false;
    }
  }

  std::size_t most_;
  const Answering& how_;
  const std::vector<std::string>& lines_;
  std::vector<std::unique_ptr<Share>> shares_;
};

// Whether the line holds nothing but spaces.
bool IsBlank(std::string_view line) {
  while (!line.empty()) {
    const auto first = static_cast<unsigned char>(line[0]);
    if (first < 0x80 && first != ' ' && first != '\t') return false;  // most lines, at once
    const auto space = std::find_if(std::begin(kBlankLineSpaces), std::end(kBlankLineSpaces),
                                    [&](std::string_view s) { return line.starts_with(s); });
    if (space == std::end(kBlankLineSpaces)) return false;
    line.remove_prefix(space->size());
  }
  return true;
}

// Reads the next block of problem lines into `lines`, passing over blank ones and a byte-order
// mark before the first line of all. The block ends when it is full, when it holds
// kMostBlockBytes, when the next line has not arrived yet, or at the end of the input, which
// sets `ended`. Returns how many lines it read.
std::size_t ReadBlock(Terminal& terminal, std::vector<std::string>& lines, bool& first,
                      bool& ended) {
  std::size_t count = 0;
  std::size_t bytes = 0;
  while (count < lines.size() && bytes < kMostBlockBytes) {
    if (count > 0 && terminal.WouldWait()) break;
    std::string& line = lines[count];
    if (line.capacity() > kRoomKept) std::string().swap(line);
    if (!terminal.ReadLine(line)) {
      ended = true;
      break;
    }
    if (first && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
    first = false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!IsBlank(line)) {
      ++count;
      bytes += line.size();
    }
  }
  return count;
}

// The catalogs' lookup, as the worked solution's writers take it.
std::string_view Translated(std::string_view context, std::string_view english) {
  return Tr(context, english);
}

// The line without the spaces at its ends that a blank line may hold.
std::string_view Trimmed(std::string_view line) {
  for (bool cut = true; cut;) {
    cut = false;
    for (const std::string_view space : kBlankLineSpaces) {
      if (line.starts_with(space)) {
        line.remove_prefix(space.size());
        cut = true;
      }
      if (line.ends_with(space)) {
        line.remove_suffix(space.size());
        cut = true;
      }
    }
  }
  return line;
}

// The start of a line too long to echo whole: at most kEchoedOfTooLong bytes, ending before a
// control character and at the end of a character.
std::string_view Beginning(std::string_view line) {
  std::size_t end = 0;
  const std::size_t most = std::min(line.size(), kEchoedOfTooLong);
  while (end < most && static_cast<unsigned char>(line[end]) >= 0x20 && line[end] != 0x7F) ++end;
  if (end < line.size()) {
    while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) --end;
  }
  return line.substr(0, end);
}

// Says that the problem is too long to be read: its start, an ellipsis and why.
void RefuseTooLong(std::string_view problem, Terminal& terminal) {
  terminal.Err("ondavi: " + Escaped(Beginning(problem)) + "\xE2\x80\xA6: " +
               // TRANSLATORS: said of a line given to "ondavi --calculate -" that is too long to
               // be read; %1 is a number of bytes written in digits alone, 1000000.
               TrArgs("a problem of more than %1 bytes is not read",
                      std::array{std::to_string(kLongestProblem)}) +
               "\n");
}

}  // namespace

bool AnswerProblem(LineCalculator& calculator, std::string_view problem, Terminal& terminal) {
  if (problem.size() <= kLongestProblem) return calculator.Answer(problem, terminal);
  RefuseTooLong(problem, terminal);
  return false;
}

void LineCalculator::AppendWorkedSolution(std::string_view line, const std::string& answer_line,
                                          const std::string& message) {
  const std::optional<explain::Solution> solution =
      WorkedSolution(line, how_.settings, boxes_.DecimalSeparator());
  if (how_.format == Format::kJson) {
    explain::AppendJson(answer_, line, solution ? &*solution : nullptr, answer_line, message,
                        Translated);
    return;
  }
  if (!solution) return;
  answer_ += Trimmed(line);
  answer_ += how_.format == Format::kLatex ? " \\\\\n" : "\n";
  if (how_.format == Format::kLatex) {
    explain::AppendLatex(answer_, *solution, Translated);
  } else {
    explain::AppendText(answer_, *solution, Translated);
  }
  if (!answer_line.empty()) answer_ += answer_line + "\n";
  answer_ += '\n';
}

bool LineCalculator::Answer(std::string_view line, Terminal& terminal) {
  answer_.clear();
  std::string message, answer_line;
  bool holds = true;
  if (!actions_.Solve(line)) {
    message = std::string(Tr("not a problem")) + ": " + actions_.RefusalReason();
  } else if (const Judged* judged = actions_.Statement()) {
    answer_line = VerdictLine(*judged);
    if (answer_line.empty()) message = actions_.Said().Last();
    holds = judged->verdict.holds;
  } else if (actions_.Said().Shown()) {
    message = actions_.Said().Last();
  } else {
    AppendAnswerLine(answer_line, boxes_);
  }
  if (how_.explain) {
    AppendWorkedSolution(line, answer_line, message);
  } else if (how_.format == Format::kJson) {
    explain::AppendJson(answer_, line, nullptr, answer_line, message, Translated);
  } else if (message.empty()) {
    answer_ += answer_line + '\n';
    if (how_.work && !actions_.Statement()) {
      AppendWithLineEnds(answer_, module_.Work.Text(), "\n");
      answer_ += '\n';
    }
  }
  if (!answer_.empty()) terminal.Out(answer_);
  if (!message.empty() && how_.format != Format::kJson) {
    terminal.Err("ondavi: " + Escaped(line) + ": " + message + "\n");
  }
  return message.empty() && holds;
}

int AnswerBatch(const Answering& how, Terminal& terminal) {
  const unsigned available = std::clamp(std::thread::hardware_concurrency(), 1u, kMostCores);
  std::vector<std::string> lines(kLinesPerCore * available);  // each line keeps its room
  Cores cores(available, how, lines);
  bool first = true;
  bool ended = false;
  while (!ended && !terminal.OutputFailed()) {
    const std::size_t count = ReadBlock(terminal, lines, first, ended);
    if (count > 0) cores.Answer(count, terminal);
  }
  return cores.AllAnswered() ? 0 : 1;
}

}  // namespace ondavi::form

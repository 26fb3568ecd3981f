#include "batch.h"

#include <algorithm>
#include <cstddef>
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

// Lines a core answers from each block of a batch.
constexpr std::size_t kLinesPerCore = 1024;
// At most this many cores share a batch: beyond it writing the answers out would dominate.
constexpr unsigned kMostCores = 8;

// What a calculator wrote for its part of a block, kept to be passed on in order.
class RecordingTerminal : public Terminal {
 public:
  bool ReadLine(std::string&) override { return false; }
  void Out(std::string_view text) override { out_ += text; }
  void Err(std::string_view text) override { errors_.push_back({out_.size(), std::string(text)}); }
  std::string Finish() override { return {}; }

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

// The cores' calculators. Each block of lines is shared out among threads started for it, one
// for each core but the first (the caller's), and joined before the answers are passed on. A
// thread for each block costs microseconds against the milliseconds a block takes, and joining
// is the one wait that every platform's threads keep without fail: waits on a shared barrier
// were lost under Wine, and the batch hung.
class Cores {
 public:
  Cores(unsigned count, const Answering& how, const std::vector<std::string>& lines)
      : lines_(lines) {
    for (unsigned i = 0; i < count; ++i) shares_.push_back(std::make_unique<Share>(how));
  }

  // Answers the first `count` lines of the block, each core an equal share of them in turn, and
  // passes on what they wrote in the lines' order.
  void Answer(std::size_t count, Terminal& terminal) {
    const std::size_t share = (count + shares_.size() - 1) / shares_.size();
    std::vector<std::thread> threads;
    for (std::size_t core = 1; core < shares_.size(); ++core) {
      threads.emplace_back([this, core, share, count] { AnswerShare(core, share, count); });
    }
    AnswerShare(0, share, count);
    for (std::thread& thread : threads) thread.join();
    for (const auto& core : shares_) core->written.PassOn(terminal);
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
      if (!mine.calculator.Answer(lines_[i], mine.written)) mine.all_answered = false;
    }
  }

  const std::vector<std::string>& lines_;
  std::vector<std::unique_ptr<Share>> shares_;
};

// Reads the next block of problem lines into `lines`, passing over blank ones and a byte-order
// mark before the first line of all; returns how many it read, fewer than fit at the end.
std::size_t ReadBlock(Terminal& terminal, std::vector<std::string>& lines, bool& first) {
  std::size_t count = 0;
  while (count < lines.size()) {
    std::string& line = lines[count];
    if (!terminal.ReadLine(line)) break;
    if (first && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
    first = false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(kSpacesAndTabs) != std::string::npos) ++count;
  }
  return count;
}

// The catalogs' lookup, as the worked solution's writers take it.
std::string_view Translated(std::string_view context, std::string_view english) {
  return Tr(context, english);
}

}  // namespace

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
  const std::size_t first = line.find_first_not_of(kSpacesAndTabs);
  const std::size_t last = line.find_last_not_of(kSpacesAndTabs);
  answer_ += line.substr(first, last + 1 - first);
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
  bool first = true;
  std::size_t count = ReadBlock(terminal, lines, first);
  // A batch that fills less than one block is answered by one core.
  Cores cores(count == lines.size() ? available : 1, how, lines);
  for (;;) {
    cores.Answer(count, terminal);
    if (count < lines.size()) break;
    count = ReadBlock(terminal, lines, first);
  }
  return cores.AllAnswered() ? 0 : 1;
}

}  // namespace ondavi::form

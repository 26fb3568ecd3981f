#include "batch.h"

#include <algorithm>
#include <barrier>
#include <cstddef>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "answer_text.h"
#include "characters.h"
#include "message_text.h"
#include "translation.h"

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
  explicit Share(bool work) : calculator(work) {}
  LineCalculator calculator;
  RecordingTerminal written;
  bool all_answered = true;
};

// The cores' calculators, and a thread for each but the first (the caller's), started once for
// the whole batch, which waits for a block of lines, answers its share and waits for the next.
class Cores {
 public:
  Cores(unsigned count, bool work, const std::vector<std::string>& lines)
      : lines_(lines), sync_(count) {
    for (unsigned i = 0; i < count; ++i) shares_.push_back(std::make_unique<Share>(work));
    for (unsigned i = 1; i < count; ++i) threads_.emplace_back([this, i] { Run(i); });
  }
  Cores(const Cores&) = delete;
  Cores& operator=(const Cores&) = delete;
  ~Cores() {
    stopping_ = true;
    sync_.arrive_and_wait();
    for (std::thread& thread : threads_) thread.join();
  }

  // Answers the first `count` lines of the block, each core an equal share of them in turn, and
  // passes on what they wrote in the lines' order.
  void Answer(std::size_t count, Terminal& terminal) {
    count_ = count;
    share_ = (count + shares_.size() - 1) / shares_.size();
    sync_.arrive_and_wait();  // the block is there for every core
    AnswerShare(0);
    sync_.arrive_and_wait();  // every share is answered
    for (const auto& share : shares_) share->written.PassOn(terminal);
  }

  bool AllAnswered() const {
    return std::all_of(shares_.begin(), shares_.end(),
                       [](const auto& share) { return share->all_answered; });
  }

 private:
  void Run(std::size_t core) {
    for (;;) {
      sync_.arrive_and_wait();
      if (stopping_) return;
      AnswerShare(core);
      sync_.arrive_and_wait();
    }
  }

  void AnswerShare(std::size_t core) {
    Share& share = *shares_[core];
    const std::size_t end = std::min(count_, (core + 1) * share_);
    for (std::size_t i = core * share_; i < end; ++i) {
      if (!share.calculator.Answer(lines_[i], share.written)) share.all_answered = false;
    }
  }

  const std::vector<std::string>& lines_;
  std::vector<std::unique_ptr<Share>> shares_;
  std::size_t count_ = 0;  // lines in the block
  std::size_t share_ = 0;  // lines each core answers
  bool stopping_ = false;
  std::barrier<> sync_;  // where the cores meet before and after each block
  std::vector<std::thread> threads_;
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

}  // namespace

bool LineCalculator::Answer(std::string_view line, Terminal& terminal) {
  if (!actions_.Solve(line)) {
    terminal.Err("ondavi: " + std::string(line) + ": " + std::string(Tr("not a problem")) + "\n");
    return false;
  }
  if (actions_.Said().Shown()) {
    terminal.Err("ondavi: " + std::string(line) + ": " + actions_.Said().Last() + "\n");
    return false;
  }
  answer_.clear();
  AppendAnswerLine(answer_, boxes_);
  answer_ += '\n';
  if (work_) {
    AppendWithLineEnds(answer_, module_.Work.Text(), "\n");
    answer_ += '\n';
  }
  terminal.Out(answer_);
  return true;
}

int AnswerBatch(bool work, Terminal& terminal) {
  const unsigned available = std::clamp(std::thread::hardware_concurrency(), 1u, kMostCores);
  std::vector<std::string> lines(kLinesPerCore * available);  // each line keeps its room
  bool first = true;
  std::size_t count = ReadBlock(terminal, lines, first);
  // A batch that fills less than one block is answered by one core.
  Cores cores(count == lines.size() ? available : 1, work, lines);
  for (;;) {
    cores.Answer(count, terminal);
    if (count < lines.size()) break;
    count = ReadBlock(terminal, lines, first);
  }
  return cores.AllAnswered() ? 0 : 1;
}

}  // namespace ondavi::form

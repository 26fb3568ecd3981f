// A batch of whole problems, one a line, as "ondavi --calculate -" reads them: the core alone
// (Calculate on the box texts read beforehand) against the whole command line (reading each
// line, calculating and printing the answer line), so that reading and printing can be seen not
// to dominate; and the command line answering in JSON, and explaining each problem in JSON. Usage:
// batch_bench [benchmark options] PROBLEMS_FILE
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "box_panel.h"
#include "calculate.h"
#include "command_line.h"
#include "form_actions.h"
#include "message_prompt.h"
#include "module1.h"
#include "problem.h"

namespace ondavi::bench {
namespace {

class SilentPrompt : public MessagePrompt {
 public:
  void Show(const std::string&) override {}
};

std::vector<std::string> lines;

// The box texts and operator of every step of every problem, as the form enters them.
struct Calculation {
  std::array<std::string, 6> operands;
  const char* operation;
};

std::vector<Calculation> StepsOf(const std::vector<std::string>& problems) {
  const char* operations[] = {"", "+", "-", "x", "/"};
  std::vector<Calculation> calculations;
  Module1 module;
  InMemoryBoxPanel boxes;
  SilentPrompt prompt;
  for (const std::string& line : problems) {
    const std::optional<form::Problem> problem = form::ReadProblem(line);
    if (!problem || problem->zero_denominator) continue;
    std::vector<form::OperandTexts> answers;
    for (const form::Step& step : problem->steps) {
      Calculation c{{}, operations[static_cast<int>(step.action)]};
      for (const form::StepOperand* operand : {&step.first, &step.second}) {
        const form::OperandTexts& texts =
            operand->earlier_step < 0 ? problem->Written(*operand)
                                      : answers[static_cast<std::size_t>(operand->earlier_step)];
        std::copy(texts.begin(), texts.end(),
                  c.operands.begin() + (operand == &step.first ? 0 : 3));
      }
      for (int i = 0; i < 6; ++i) boxes.SetText(static_cast<Box>(i + 1), c.operands[i]);
      module.Operation = c.operation;
      Calculate(module, boxes, prompt);
      answers.push_back(form::AnswerAsOperand(boxes));
      calculations.push_back(std::move(c));
    }
  }
  return calculations;
}

void BM_CoreAlone(benchmark::State& state) {
  const std::vector<Calculation> calculations = StepsOf(lines);
  Module1 module;
  InMemoryBoxPanel boxes;
  SilentPrompt prompt;
  for (auto _ : state) {
    for (const Calculation& c : calculations) {
      for (int i = 0; i < 6; ++i) boxes.SetText(static_cast<Box>(i + 1), c.operands[i]);
      module.Operation = c.operation;
      Calculate(module, boxes, prompt);
      benchmark::DoNotOptimize(boxes.texts().data());  // every answer box written
    }
  }
  state.counters["problems/s"] = benchmark::Counter(static_cast<double>(lines.size()),
                                                    benchmark::Counter::kIsIterationInvariantRate);
  state.counters["steps/s"] = benchmark::Counter(static_cast<double>(calculations.size()),
                                                 benchmark::Counter::kIsIterationInvariantRate);
}

// Standard input from the lines in memory, standard output and error gathered in memory.
class MemoryTerminal : public form::Terminal {
 public:
  bool ReadLine(std::string& line) override {
    if (next_ == lines.size()) return false;
    line = lines[next_++];
    return true;
  }
  void Out(std::string_view text) override { out += text; }
  void Err(std::string_view text) override { err += text; }
  form::Delivery Finish() override { return {}; }
  std::string out, err;

 private:
  std::size_t next_ = 0;
};

// The whole command line, answering as `how` says: answer lines, or worked solutions.
void BM_CommandLine(benchmark::State& state, form::Answering how) {
  std::size_t printed = 0;
  for (auto _ : state) {
    MemoryTerminal terminal;
    form::RunCalculations("-", how, terminal);
    printed = terminal.out.size();
    benchmark::DoNotOptimize(terminal.out.data());
  }
  state.counters["problems/s"] = benchmark::Counter(static_cast<double>(lines.size()),
                                                    benchmark::Counter::kIsIterationInvariantRate);
  state.counters["bytes printed"] = static_cast<double>(printed);
}

BENCHMARK(BM_CoreAlone)->Name("batch, core alone")->Unit(benchmark::kMillisecond);
form::Answering Asked(bool explain, form::Format format) {
  form::Answering how;
  how.explain = explain;
  how.format = format;
  return how;
}

BENCHMARK_CAPTURE(BM_CommandLine, calculate, Asked(false, form::Format::kText))
    ->Name("batch, read, calculated and printed")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CommandLine, calculate_json, Asked(false, form::Format::kJson))
    ->Name("batch, --calculate --format json")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CommandLine, explain_json, Asked(true, form::Format::kJson))
    ->Name("batch, --explain --format json")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ondavi::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc != 2) {
    std::fputs("usage: batch_bench [benchmark options] PROBLEMS_FILE\n", stderr);
    return 2;
  }
  std::ifstream file(argv[1]);
  for (std::string line; std::getline(file, line);) ondavi::bench::lines.push_back(line);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

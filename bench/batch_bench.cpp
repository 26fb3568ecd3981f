// A batch of whole problems, one a line, as "ondavi --calculate -" reads them: the core alone
// (Calculate on the box texts read beforehand) against the whole command line (reading each
// line, calculating and printing the answer line), so that reading and printing can be seen not
// to dominate. Usage: batch_bench [benchmark options] PROBLEMS_FILE
#include <benchmark/benchmark.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "box_panel.h"
#include "calculate.h"
#include "command_line.h"
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

void BM_CoreAlone(benchmark::State& state) {
  std::vector<form::Problem> problems;
  for (const std::string& line : lines) {
    if (const std::optional<form::Problem> problem = form::ReadProblem(line)) {
      problems.push_back(*problem);
    }
  }
  const char* operations[] = {"", "+", "-", "x", "/"};
  Module1 module;
  InMemoryBoxPanel boxes;
  SilentPrompt prompt;
  for (auto _ : state) {
    for (const form::Problem& problem : problems) {
      for (int i = 0; i < 6; ++i) boxes.SetText(static_cast<Box>(i + 1), problem.operands[i]);
      module.Operation = operations[static_cast<int>(problem.action)];
      Calculate(module, boxes, prompt);
    }
    benchmark::DoNotOptimize(module.Work.data());
  }
  state.counters["problems/s"] = benchmark::Counter(static_cast<double>(problems.size()),
                                                    benchmark::Counter::kIsIterationInvariantRate);
}

void BM_CommandLine(benchmark::State& state) {
  std::size_t printed = 0;
  for (auto _ : state) {
    std::size_t next = 0;
    std::string out, err;
    form::Terminal terminal{[&](std::string& line) {
                              if (next == lines.size()) return false;
                              line = lines[next++];
                              return true;
                            },
                            [&](std::string_view text) { out += text; },
                            [&](std::string_view text) { err += text; }};
    form::RunCalculations("-", false, terminal);
    printed = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["problems/s"] = benchmark::Counter(static_cast<double>(lines.size()),
                                                    benchmark::Counter::kIsIterationInvariantRate);
  state.counters["bytes printed"] = static_cast<double>(printed);
}

BENCHMARK(BM_CoreAlone)->Name("batch, core alone")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommandLine)
    ->Name("batch, read, calculated and printed")
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

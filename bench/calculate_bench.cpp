// Speed of one calculation on the worked examples and on the hardest inputs for the factor
// search, and of the factor search against a candidate-by-candidate search.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "box_panel.h"
#include "calculate.h"
#include "literal_find_gcf.h"
#include "message_prompt.h"
#include "module1.h"

namespace ondavi::bench {
namespace {

class SilentPrompt : public MessagePrompt {
 public:
  void Show(const std::string&) override { shown = true; }
  bool shown = false;
};

struct Case {
  const char* name;
  std::array<const char*, 6> operands;
  const char* operation;
};

const Case kCases[] = {
    {"1 1/2 + 2/3", {"1", "1", "2", "", "2", "3"}, "+"},
    {"1/2 + 1/6", {"", "1", "2", "", "1", "6"}, "+"},
    {"1/9007199254740881 + nothing", {"", "1", "9007199254740881", "", "", ""}, "+"},
    {"1/67108859 x 1/67108837", {"", "1", "67108859", "", "1", "67108837"}, "x"},
    {"1/67108859 + 1/67108837", {"", "1", "67108859", "", "1", "67108837"}, "+"},
    {"963761198399/963761198400 + 1/963761198400",
     {"", "963761198399", "963761198400", "", "1", "963761198400"},
     "+"},
    // Five factorisations of products of two large primes: the denominator S, then the result
    // 5992279447852031/S and its mixed fraction 462090150815413/S.
    {"5992279447852030/S + 1/S, S = 2765094648518309",
     {"", "5992279447852030", "2765094648518309", "", "1", "2765094648518309"},
     "+"},
    // 8086598962041600 has 41,472 divisors, the most of any number below 2^53.
    {"1/8086598962041600 + 1/8086598962041600",
     {"", "1", "8086598962041600", "", "1", "8086598962041600"},
     "+"},
    {"8086598962041599/8086598962041600 + 1/8086598962041600",
     {"", "8086598962041599", "8086598962041600", "", "1", "8086598962041600"},
     "+"},
    {"1/4497552337041600 x 6746328388800",
     {"", "1", "4497552337041600", "6746328388800", "", ""},
     "x"},
    // The slowest found: two numbers of 40,960 and 41,472 divisors, each listed once.
    {"8664213173616000/8086598962041600 + nothing",
     {"", "8664213173616000", "8086598962041600", "", "", ""},
     "+"},
    {"1/9973 x 1/9967", {"", "1", "9973", "", "1", "9967"}, "x"},
    {"1/997 x 1/991", {"", "1", "997", "", "1", "991"}, "x"},
};

// A click on an operator as the window sees it: every answer box is written, since the window
// shows them at once; the transcript is recorded, and written only when "Show Work" reads it,
// which `show_work` does after each calculation.
void BM_Calculate(benchmark::State& state, const Case& c, bool show_work) {
  Module1 module;
  InMemoryBoxPanel boxes;
  SilentPrompt prompt;
  module.Operation = c.operation;
  for (auto _ : state) {
    for (int i = 0; i < 6; ++i) boxes.SetText(static_cast<Box>(i + 1), c.operands[i]);
    Calculate(module, boxes, prompt);
    benchmark::DoNotOptimize(boxes.texts().data());
    if (show_work) benchmark::DoNotOptimize(module.Work.data());
  }
}

// Calculations per second on two mixed numbers with parts from 1 to 999 and each operator, as
// a batch of homework gives them.
void BM_ThreeDigitMixedNumbers(benchmark::State& state) {
  std::mt19937 random(20261209);
  std::uniform_int_distribution<int> part(1, 999);
  const char* operations[] = {"+", "-", "x", "/"};
  struct Calculation {
    std::array<std::string, 6> operands;
    const char* operation;
  };
  std::vector<Calculation> calculations(1024);
  for (Calculation& c : calculations) {
    for (std::string& operand : c.operands) operand = std::to_string(part(random));
    c.operation = operations[part(random) % 4];
  }
  Module1 module;
  InMemoryBoxPanel boxes;
  SilentPrompt prompt;
  std::size_t next = 0;
  for (auto _ : state) {
    const Calculation& c = calculations[next++ % calculations.size()];
    for (int i = 0; i < 6; ++i) boxes.SetText(static_cast<Box>(i + 1), c.operands[i]);
    module.Operation = c.operation;
    Calculate(module, boxes, prompt);
    benchmark::DoNotOptimize(boxes.texts().data());  // every answer box written, as shown
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ThreeDigitMixedNumbers)->Name("Calculate, 3-digit mixed numbers");

bool ShowsAMessage(const Case& c) {
  Module1 module;
  InMemoryBoxPanel boxes;
  SilentPrompt prompt;
  module.Operation = c.operation;
  for (int i = 0; i < 6; ++i) boxes.SetText(static_cast<Box>(i + 1), c.operands[i]);
  Calculate(module, boxes, prompt);
  return prompt.shown;
}

// The one search that 1/997 x 1/991 makes: reducing 1/988027.
template <void (*Search)(Module1&)>
void BM_FindGcf(benchmark::State& state) {
  Module1 module;
  for (auto _ : state) {
    module.FirstNumber = 1;
    module.SecondNumber = 997.0 * 991.0;
    Search(module);
    benchmark::DoNotOptimize(module.Gcf);
  }
}
// The search, with both factor lists read (a calculation reads neither).
void Factorised(Module1& m) {
  m.FindGcf();
  benchmark::DoNotOptimize(m.FactorsA.size() + m.FactorsB.size());
}
BENCHMARK(BM_FindGcf<Factorised>)->Name("FindGcf 1, 988027 (factorised)");
BENCHMARK(BM_FindGcf<LiteralFindGcf>)->Name("FindGcf 1, 988027 (candidate by candidate)");

// Console output, plus the literal/factorised speed ratio from the medians (or single runs).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Aggregate || run.aggregate_name == "median") {
        times_[run.run_name.function_name] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const double literal = times_["FindGcf 1, 988027 (candidate by candidate)"];
    const double factorised = times_["FindGcf 1, 988027 (factorised)"];
    if (literal > 0 && factorised > 0) {
      std::printf("speed ratio, candidate by candidate / factorised: %.0fx\n",
                  literal / factorised);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace ondavi::bench

int main(int argc, char** argv) {
  // Every case must time an answer: a message would time the refusal instead.
  for (const auto& c : ondavi::bench::kCases) {
    if (ondavi::bench::ShowsAMessage(c)) {
      std::fprintf(stderr, "calculate_bench: \"%s\" gives no answer\n", c.name);
      return 1;
    }
  }
  for (const auto& c : ondavi::bench::kCases) {
    benchmark::RegisterBenchmark((std::string("Calculate ") + c.name).c_str(),
                                 ondavi::bench::BM_Calculate, c, false);
  }
  benchmark::RegisterBenchmark(
      (std::string("Calculate and Show Work ") + ondavi::bench::kCases[0].name).c_str(),
      ondavi::bench::BM_Calculate, ondavi::bench::kCases[0], true);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ondavi::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

// One million calculations on random inputs in one process: calls per second, and resident
// memory before and after, which must not grow.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "box_panel.h"
#include "calculate.h"
#include "message_prompt.h"
#include "module1.h"

namespace ondavi::bench {
namespace {

constexpr long kCalculations = 1'000'000;
constexpr long kAllowedGrowthKiB = 256;  // allocator noise; a leak of one byte a call is ~1 MiB
bool memory_grew = false;

class SilentPrompt : public MessagePrompt {
 public:
  void Show(const std::string&) override {}
};

long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE) / 1024;
}

// Box texts of every kind a person might type, good and bad.
std::vector<std::array<std::string, 6>> RandomInputs(std::size_t count) {
  const std::vector<std::string> wholes = {"",
                                           "-",
                                           "0",
                                           "3",
                                           "-7",
                                           "12",
                                           "2.5",
                                           "1e3",
                                           "&HFF",
                                           "abc",
                                           "1e300",
                                           "-0",
                                           "9007199254740881"};
  const std::vector<std::string> parts = {"",           "0",        "1",   "2",   "3",   "6",
                                          "7",          "12",       "240", "231", "997", "9973",
                                          "4000000000", "67108859", "x",   "-1",  "1.5"};
  std::mt19937 rng(42);
  const auto pick = [&rng](const std::vector<std::string>& from) {
    return from[rng() % from.size()];
  };
  std::vector<std::array<std::string, 6>> inputs(count);
  for (auto& in : inputs) {
    in = {pick(wholes), pick(parts), pick(parts), pick(wholes), pick(parts), pick(parts)};
  }
  return inputs;
}

void BM_Soak(benchmark::State& state) {
  const auto inputs = RandomInputs(4096);
  const char* operations[] = {"+", "-", "x", "/"};
  Module1 module;
  InMemoryBoxPanel boxes;
  SilentPrompt prompt;
  const auto calculate = [&](long i) {
    const auto& in = inputs[static_cast<std::size_t>(i) % inputs.size()];
    for (int b = 0; b < 6; ++b) boxes.SetText(static_cast<Box>(b + 1), in[b]);
    module.Operation = operations[i % 4];
    Calculate(module, boxes, prompt);
  };
  for (long i = 0; i < 20'000; ++i) calculate(i);  // let the allocator settle first
  const long before = ResidentKiB();
  long i = 0;
  for (auto _ : state) calculate(i++);
  const long after = ResidentKiB();
  state.counters["calls_per_second"] =
      benchmark::Counter(static_cast<double>(i), benchmark::Counter::kIsRate);
  state.counters["rss_before_KiB"] = static_cast<double>(before);
  state.counters["rss_after_KiB"] = static_cast<double>(after);
  if (after - before > kAllowedGrowthKiB) {
    memory_grew = true;
    state.SkipWithError("resident memory grew during the soak");
  }
}
BENCHMARK(BM_Soak)->Iterations(kCalculations)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ondavi::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return ondavi::bench::memory_grew ? 1 : 0;
}

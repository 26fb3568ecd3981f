// Reading whole problems of up to a megabyte, answered or refused: the reader's time grows with
// the length of the line, whatever the line holds.
#include <benchmark/benchmark.h>

#include <string>

#include "problem.h"

namespace {

constexpr std::size_t kMegabyte = 1 << 20;

// A line of about `size` bytes made of `unit` over and over, between `before` and `after`.
std::string Line(std::string_view before, std::string_view unit, std::string_view after,
                 std::size_t size) {
  std::string line(before);
  while (line.size() + unit.size() + after.size() <= size) line += unit;
  return line + std::string(after);
}

void Read(benchmark::State& state, const std::string& line, bool answered) {
  for (auto _ : state) {
    auto problem = ondavi::form::ReadProblem(line);
    benchmark::DoNotOptimize(problem);
    if (problem.has_value() != answered) state.SkipWithError("read otherwise than expected");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * line.size()));
}

void BM_Operators(benchmark::State& state) {
  Read(state, Line("1/2", " + 3 1/4 x 5/6", "", kMegabyte), true);
}
void BM_NestedBrackets(benchmark::State& state) {
  const std::size_t depth = kMegabyte / 16;
  Read(state, std::string(depth, '(') + "1/2" + Line("", " + 1/3)", "", depth * 7), true);
}
void BM_RefusedAtTheEnd(benchmark::State& state) {
  Read(state, Line("1/2", " + 3 1/4 x 5/6", " + three", kMegabyte), false);
}
void BM_NoProblem(benchmark::State& state) {
  Read(state, std::string(kMegabyte, '1'), false);
}

}  // namespace

BENCHMARK(BM_Operators)->Name("ReadProblem, 1 MB of operators")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NestedBrackets)
    ->Name("ReadProblem, 65,536 nested brackets")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefusedAtTheEnd)
    ->Name("ReadProblem, 1 MB refused at its end")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NoProblem)->Name("ReadProblem, 1 MB of digits")->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

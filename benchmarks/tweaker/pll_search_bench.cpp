// The clock dialog runs the best-match divisor search on every slider move,
// so one search must stay far below a millisecond. Figures: time per search
// over the whole mode-0 range, against a first-match search and a bare pass
// over the candidate grid in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "tweaker/adapter/pll.h"

namespace {

std::vector<float> modeZeroTargets() {
  std::vector<float> targets;
  for (float t = 33.0f; t <= 271.0f; t += 0.25f) targets.push_back(t);
  return targets;
}

void runSearches(benchmark::State& state, bool bestMatch) {
  const std::vector<float> targets = modeZeroTargets();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vdx::findPllDivisors(targets[i], bestMatch, 0));
    i = (i + 1) % targets.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_BestMatchSearch(benchmark::State& state) { runSearches(state, true); }
void BM_FirstMatchSearch(benchmark::State& state) { runSearches(state, false); }

// Every candidate of all four post dividers, computed and compared once.
void BM_CandidateGrid(benchmark::State& state) {
  for (auto _ : state) {
    float sum = 0.0f;
    for (int r = 0; r < 4; ++r)
      for (int m = 1; m <= 31; ++m)
        for (int n = 1; n <= 127; ++n) {
          const float f = static_cast<float>((n + 2) * vdx::kPllReferenceMhz / ((m + 2) * (1 << r)));
          if (f < 150.0f) sum += f;
        }
    benchmark::DoNotOptimize(sum);
  }
}

BENCHMARK(BM_BestMatchSearch);
BENCHMARK(BM_FirstMatchSearch);
BENCHMARK(BM_CandidateGrid);

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      nanos_[run.benchmark_name()] = run.GetAdjustedRealTime();
      cpuNanos_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const double best = nanos_["BM_BestMatchSearch"];
    const double first = nanos_["BM_FirstMatchSearch"];
    const double grid = nanos_["BM_CandidateGrid"];
    std::printf("best-match search: %.1f us per search, %.1f us of CPU (goal: well under 1000 us)\n",
                best / 1000.0, cpuNanos_["BM_BestMatchSearch"] / 1000.0);
    if (first > 0) std::printf("best-match / first-match: %.2f\n", best / first);
    if (grid > 0) std::printf("best-match / full candidate grid: %.2f\n", best / grid);
  }

 private:
  std::map<std::string, double> nanos_;
  std::map<std::string, double> cpuNanos_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

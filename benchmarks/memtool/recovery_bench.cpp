// Recovery of a 512 MB block against a plain commit/memset/release of the
// same size in the same run. The recovery goes through the seam over an
// anonymous private mapping, the host's equivalent of an uncached commit.
#include <benchmark/benchmark.h>
#include <sys/mman.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "memtool/recovery.h"

namespace {

constexpr uint32_t kAmountMB = 512;
constexpr std::size_t kBytes = std::size_t(kAmountMB) << 20;

class MappedMemory : public mt::VirtualMemory {
 public:
  void* commit(std::size_t bytes) override {
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return p == MAP_FAILED ? nullptr : p;
  }
  void release(void* block, std::size_t bytes) override { munmap(block, bytes); }
};

void BM_PlainCommitMemsetRelease(benchmark::State& state) {
  for (auto _ : state) {
    void* p = mmap(nullptr, kBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) {
      state.SkipWithError("mmap failed");
      break;
    }
    std::memset(p, 0, kBytes);
    benchmark::ClobberMemory();
    munmap(p, kBytes);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}
BENCHMARK(BM_PlainCommitMemsetRelease)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_Recovery512MB(benchmark::State& state) {
  MappedMemory memory;
  for (auto _ : state) {
    if (!mt::recoverBlock(memory, kAmountMB)) {
      state.SkipWithError("recovery refused the block");
      break;
    }
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}
BENCHMARK(BM_Recovery512MB)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Prints the recovery's time as a ratio of the plain baseline (goal: at most 1.10).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs)
      if (r.iterations > 0) times_[r.benchmark_name().substr(0, r.benchmark_name().find('/'))] = r.GetAdjustedRealTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    auto base = times_.find("BM_PlainCommitMemsetRelease");
    auto rec = times_.find("BM_Recovery512MB");
    if (base != times_.end() && rec != times_.end() && base->second > 0)
      std::printf("recovery / plain commit-memset-release (512 MB): %.3f (goal <= 1.10)\n",
                  rec->second / base->second);
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

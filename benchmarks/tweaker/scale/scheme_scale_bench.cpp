// How the portable scheme costs grow with the scheme file, on the in-memory
// profile: the names read and sorted as the hidden list keeps them, the tray
// menu built with its Schemes submenu, and the last scheme's line read and
// parsed (the part of an apply that depends on the file). For 10 to 5,000
// schemes; ends with each cost per scheme at 5,000 against 500 in CPU time
// (goal: at most 1.5, no quadratic step; the sort alone grows as n log n,
// 1.37 from 500 to 5,000).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "benchmarks/tweaker/scheme_scale_file.h"
#include "tests/fakes/tweaker/fake_profile.h"
#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/common/text_compare.h"
#include "tweaker/schemes/scheme_file.h"
#include "tweaker/schemes/scheme_line.h"
#include "tweaker/shell/menu_builder.h"

namespace {

constexpr char kFile[] = "C:\\WINDOWS\\SYSTEM\\Vidarix.dat";
const int kSizes[] = {10, 100, 500, 1000, 5000};


// Names in a shuffled order, the one sorting last at the end of the file.
std::string schemeFileText(unsigned count) {
  std::string text = "[Ferrolux]\n";
  char name[32];
  for (unsigned n : scheme_scale::schemeOrder(count)) {
    std::snprintf(name, sizeof name, "Game %04u", n);
    text += std::string(name) + "=" + scheme_scale::schemeLine(n) + "\n";
  }
  return text;
}

// The hidden list box sorts without regard to case.
std::vector<std::string> sortedNames(vdx::FakeProfile& profile) {
  std::vector<std::string> names = vdx::schemeNames(profile, kFile);
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return vdx::lowerCase(a) < vdx::lowerCase(b);
  });
  return names;
}

void setPerScheme(benchmark::State& state) {
  state.counters["per_scheme"] =
      benchmark::Counter(static_cast<double>(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                                  benchmark::Counter::kInvert);
}

void BM_SchemeList(benchmark::State& state) {
  vdx::FakeProfile profile;
  profile.setFileText(kFile, schemeFileText(static_cast<unsigned>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(sortedNames(profile));
  setPerScheme(state);
}

void BM_TrayMenu(benchmark::State& state) {
  vdx::FakeProfile profile;
  profile.setFileText(kFile, schemeFileText(static_cast<unsigned>(state.range(0))));
  vdx::TrayMenuInputs in;
  in.advanced = true;
  in.capabilities = vdx::kCapMclk | vdx::kCapAgp | vdx::kCapZBuffer | vdx::kCapFastZClear | vdx::kCapMiniGl |
                    vdx::kCapOpenGl | vdx::kCapGamma | vdx::kCapCommandDma;
  in.deviceId = 0x8A22;
  in.agpSizeList = {4, 8, 16, 32, 64, 128};
  in.physicalMemoryMb = 128;
  in.schemeListExists = true;
  in.schemes = sortedNames(profile);
  in.currentScheme = in.schemes.back();
  in.displayModes = {{640, 480, 16, 60}, {800, 600, 16, 60}, {1024, 768, 16, 60}, {1024, 768, 32, 60}};
  in.screenWidth = 1024;
  in.screenHeight = 768;
  in.screenDepth = 32;
  vdx::TrayMenu menu;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vdx::buildTrayMenu(in, &menu));
    if (menu.schemeCount != in.schemes.size()) state.SkipWithError("the menu lost schemes");
  }
  setPerScheme(state);
}

void BM_ApplyLastLine(benchmark::State& state) {
  vdx::FakeProfile profile;
  profile.setFileText(kFile, schemeFileText(static_cast<unsigned>(state.range(0))));
  const std::string last = sortedNames(profile).back();
  vdx::DriverOptions defaults;
  for (auto _ : state) {
    vdx::DriverOptions options = defaults;
    vdx::SchemeReaderInputs in;
    in.options = &options;
    in.defaults = &defaults;
    float mclk = 0, eclk = 0;
    benchmark::DoNotOptimize(vdx::parseSchemeLine(vdx::readSchemeLine(profile, kFile, last), in, &mclk, &eclk));
  }
  setPerScheme(state);
}

void sizes(benchmark::internal::Benchmark* b) {
  for (int n : kSizes) b->Arg(n);
}

BENCHMARK(BM_SchemeList)->Apply(sizes);
BENCHMARK(BM_TrayMenu)->Apply(sizes);
BENCHMARK(BM_ApplyLastLine)->Apply(sizes);

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    // CPU time: on a busy machine the wall clock also counts other work.
    for (const Run& run : runs) nanos_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* name : {"BM_SchemeList", "BM_TrayMenu", "BM_ApplyLastLine"}) {
      const double at500 = nanos_[std::string(name) + "/500"] / 500;
      const double at5000 = nanos_[std::string(name) + "/5000"] / 5000;
      if (at500 > 0)
        std::printf("%s: %.1f ns of CPU per scheme at 500, %.1f at 5000: ratio %.2f (goal: at most 1.5)\n", name, at500,
                    at5000, at5000 / at500);
    }
  }

 private:
  std::map<std::string, double> nanos_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

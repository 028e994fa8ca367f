// Start-to-tray times of tray programs, side by side under one Wine server:
// from CreateProcess until the program, its icon added, first waits for input
// (WaitForInputIdle). Each run starts every program once, in turn; then the
// program is ended and the next one starts. Prints each start, then minimum
// and median per program and their ratios to the first program (the baseline).
// start_to_tray RUNS BASELINE.exe PROGRAM.exe [PROGRAM.exe...]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double nowMs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// One start, in milliseconds; a negative figure when the program did not idle.
double startOnce(const std::string& exe) {
  STARTUPINFOA si;
  ZeroMemory(&si, sizeof si);
  si.cb = sizeof si;
  PROCESS_INFORMATION pi;
  std::string commandLine = "\"" + exe + "\"";
  const std::string folder = folderOf(exe);
  const double start = nowMs();
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
    return -1;
  const DWORD idle = WaitForInputIdle(pi.hProcess, 30000);
  const double elapsed = nowMs() - start;
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  Sleep(200);  // let the shell drop the ended program's icon
  return idle == 0 ? elapsed : -1;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string nameOf(const std::string& path) { return path.substr(path.find_last_of("\\/") + 1); }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::printf("usage: start_to_tray RUNS BASELINE.exe PROGRAM.exe [PROGRAM.exe...]\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  std::vector<std::string> exes(argv + 2, argv + argc);
  // A first start of each warms the file cache and the server; not counted.
  for (const std::string& exe : exes) startOnce(exe);
  std::vector<std::vector<double>> times(exes.size());
  for (int run = 1; run <= runs; ++run) {
    std::printf("run %d:", run);
    for (std::size_t i = 0; i < exes.size(); ++i) {
      const double ms = startOnce(exes[i]);
      if (ms >= 0) times[i].push_back(ms);
      std::printf(" %s %.1f ms%s", nameOf(exes[i]).c_str(), ms, i + 1 < exes.size() ? "," : "\n");
    }
    std::fflush(stdout);
  }
  if (times[0].empty()) {
    std::printf("the baseline never idled\n");
    return 1;
  }
  const double baseMin = *std::min_element(times[0].begin(), times[0].end());
  const double baseMedian = median(times[0]);
  for (std::size_t i = 0; i < exes.size(); ++i) {
    if (times[i].empty()) {
      std::printf("%s: never idled\n", nameOf(exes[i]).c_str());
      continue;
    }
    const double mn = *std::min_element(times[i].begin(), times[i].end());
    const double md = median(times[i]);
    std::printf("%s: %zu starts, min %.1f ms, median %.1f ms", nameOf(exes[i]).c_str(), times[i].size(), mn, md);
    if (i > 0) std::printf("; ratio to %s: min %.2f, median %.2f", nameOf(exes[0]).c_str(), mn / baseMin, md / baseMedian);
    std::printf("\n");
  }
  return 0;
}

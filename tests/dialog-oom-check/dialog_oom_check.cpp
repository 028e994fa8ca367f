// The Gamma and Refresh Rates dialogs when the memory for its state cannot be had: it ends at
// once with 2, as if cancelled, and the program that opened it goes on.
// Allocation fails on request here: the nothrow form answers null, and the
// ordinary form throws, which nothing catches, so a procedure that uses it
// ends this program before it can report.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "resource.h"
#include "tweaker/display/win32/gamma_dialog_proc.h"
#include "tweaker/display/refresh_rates_dialog.h"

namespace {

bool g_noMemory = false;
int g_passed = 0, g_failed = 0;

void check(bool ok, const std::string& what) {
  std::printf("  %s %s\n", ok ? "ok  " : "FAIL", what.c_str());
  std::fflush(stdout);
  (ok ? g_passed : g_failed)++;
}

}  // namespace

void* operator new(std::size_t size) {
  if (g_noMemory) throw std::bad_alloc();
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return g_noMemory ? nullptr : std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }

// Opens the dialog on resource `resource` with an empty model while no memory can be had.
template <class Dialog>
void checkWithoutMemory(const char* name, int resource, vdx::DialogKind kind) {
  std::printf("dialog-oom: opening %s without memory\n", name);
  std::fflush(stdout);
  vdx::DialogSlots slots;
  vdx::DialogRun<typename Dialog::Presenter> run{};
  run.frame.slots = &slots;
  run.frame.kind = kind;
  g_noMemory = true;
  const INT_PTR result = vdx::runPresenterDialog<Dialog>(GetModuleHandleA(nullptr), nullptr, resource, run);
  g_noMemory = false;
  check(result == IDCANCEL, std::string(name) + ": the dialog ends with 2 (got " + std::to_string(result) + ")");
  check(slots.get(kind) == nullptr, std::string(name) + ": no dialog is left in its slot");
}

int main() {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);
  checkWithoutMemory<vdx::GammaDialogWin32>("Gamma", IDD_GAMMA, vdx::DialogKind::Gamma);
  checkWithoutMemory<vdx::PresenterDialog<vdx::RefreshRatesDialog>>("Refresh Rates", IDD_REFRESH_RATES,
                                                                   vdx::DialogKind::RefreshRates);
  check(true, "the program goes on after them");
  std::printf("dialog-oom: %d passed, %d failed\n", g_passed, g_failed);
  return g_failed == 0 ? 0 : 1;
}

#include "tests/e2e/common/handle_counts.h"

#include <winternl.h>

#include <vector>

namespace e2e {

namespace {

// The process environment block keeps the table's address at this offset
// in 64-bit processes.
constexpr SIZE_T kPebGdiTableOffset = 0xF8;
constexpr SIZE_T kGdiTableEntries = 0x10000;

// One entry of the table: the object's kernel address, its owner, a
// reuse count, its type (0 for a free entry) and a user pointer.
struct GdiEntry {
  UINT64 object;
  UINT32 owner;
  USHORT unique;
  UCHAR type;
  UCHAR flags;
  UINT64 user;
};
static_assert(sizeof(GdiEntry) == 24, "the table's entry size");

using QueryProcess = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);

long gdiObjects(HANDLE process) {
  // Through void (*)(), the one function type GCC lets any other be cast to
  // without -Wcast-function-type.
  static const auto query = reinterpret_cast<QueryProcess>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION info = {};
  if (!query || query(process, 0 /* ProcessBasicInformation */, &info, sizeof info, nullptr) != 0) return -1;
  UINT64 table = 0;
  SIZE_T got = 0;
  const auto* at = static_cast<const char*>(static_cast<const void*>(info.PebBaseAddress)) + kPebGdiTableOffset;
  if (!ReadProcessMemory(process, at, &table, sizeof table, &got) || !table) return -1;
  std::vector<GdiEntry> entries(kGdiTableEntries);
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                         entries.size() * sizeof(GdiEntry), &got))
    return -1;
  long n = 0;
  for (std::size_t i = 0; i < got / sizeof(GdiEntry); ++i)
    if (entries[i].type != 0) ++n;
  return n;
}

// GetProcessHandleCount answers 0 under Wine: a handle value is live when
// it can be duplicated out of the process. Values are multiples of 4; the
// walk ends after a long run of free ones.
long kernelHandles(HANDLE process) {
  long n = 0;
  int misses = 0;
  for (ULONG_PTR v = 4; misses < 1024 && v < (1u << 24); v += 4) {
    HANDLE copy = nullptr;
    if (DuplicateHandle(process, reinterpret_cast<HANDLE>(v), GetCurrentProcess(), &copy, 0, FALSE,
                        DUPLICATE_SAME_ACCESS)) {
      CloseHandle(copy);
      ++n;
      misses = 0;
    } else {
      ++misses;
    }
  }
  return n;
}

BOOL CALLBACK countChild(HWND, LPARAM lp) {
  ++*reinterpret_cast<long*>(lp);
  return TRUE;
}

long windowsOf(DWORD processId) {
  struct Ctx {
    DWORD pid;
    long n;
  } ctx{processId, 0};
  EnumWindows(
      [](HWND w, LPARAM lp) CALLBACK -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(lp);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid != c->pid) return TRUE;
        ++c->n;
        EnumChildWindows(w, countChild, reinterpret_cast<LPARAM>(&c->n));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  return ctx.n;
}

}  // namespace

std::string HandleCounts::text() const {
  return std::to_string(kernel) + " kernel, " + std::to_string(gdi) + " GDI, " + std::to_string(windows) +
         " windows";
}

HandleCounts countHandles(DWORD processId) {
  HandleCounts c;
  HANDLE p = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_DUP_HANDLE, FALSE, processId);
  if (!p) return c;
  c.kernel = kernelHandles(p);
  c.gdi = gdiObjects(p);
  CloseHandle(p);
  c.windows = windowsOf(processId);
  return c;
}

}  // namespace e2e

#include "memtool/platform/win32/system_libraries_win32.h"

namespace mt {

namespace {

using AnyFunction = void (*)();  // casts to any function type without a warning

// The library stays loaded for the rest of the run (the dialog's and the
// sound drivers' state live in it), so a later call only finds it again.
AnyFunction libraryFunction(const char* library, const char* name) {
  HMODULE module = LoadLibraryA(library);
  return module ? reinterpret_cast<AnyFunction>(GetProcAddress(module, name)) : nullptr;
}

}  // namespace

bool getOpenFileName(OPENFILENAMEA* ofn) {
  AnyFunction f = libraryFunction("comdlg32.dll", "GetOpenFileNameA");
  return f && reinterpret_cast<BOOL(WINAPI*)(OPENFILENAMEA*)>(f)(ofn);
}

void playSound(const char* path, UINT flags) {
  if (AnyFunction f = libraryFunction("winmm.dll", "sndPlaySoundA")) {
    reinterpret_cast<BOOL(WINAPI*)(LPCSTR, UINT)>(f)(path, flags);
  }
}

}  // namespace mt

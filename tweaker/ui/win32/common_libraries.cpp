#include "tweaker/ui/win32/common_libraries.h"

namespace vdx {

namespace {

using AnyFunction = void (*)();  // casts to any function type without a warning

// The library stays loaded for the rest of the run (its window classes must),
// so a second call only finds it again.
AnyFunction libraryFunction(const char* library, const char* name) {
  HMODULE module = LoadLibraryA(library);
  return module ? reinterpret_cast<AnyFunction>(GetProcAddress(module, name)) : nullptr;
}

}  // namespace

void initCommonControls() {
  if (AnyFunction f = libraryFunction("comctl32.dll", "InitCommonControls")) reinterpret_cast<void(WINAPI*)()>(f)();
}

bool getOpenFileName(OPENFILENAMEA* ofn) {
  AnyFunction f = libraryFunction("comdlg32.dll", "GetOpenFileNameA");
  return f && reinterpret_cast<BOOL(WINAPI*)(OPENFILENAMEA*)>(f)(ofn);
}

}  // namespace vdx

// Opening a document or link with the shell (ShellExecuteA).
#pragma once
#include <cstdint>
#include <string>

namespace mt {

// A window handle carried through portable code.
using WindowRef = std::uintptr_t;

class ShellOpen {
 public:
  virtual ~ShellOpen() = default;
  // ShellExecuteA(owner, verb, file, params, dir, showCmd); empty texts are
  // passed as null. False when the shell reported a failure.
  virtual bool execute(WindowRef owner, const std::string& verb, const std::string& file,
                       const std::string& params, const std::string& dir, int showCmd) = 0;
};

}  // namespace mt

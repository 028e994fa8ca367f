// The services the program runs on: the real chip and driver in
// Vidarix.exe, the simulated adapter in Vidarix-sim.exe. The entry point
// owns one for the whole run.
#pragma once
#include <memory>

#include "tweaker/platform/platform.h"

namespace vdx {

class ProgramPlatform {
 public:
  ProgramPlatform();
  ~ProgramPlatform();
  ProgramPlatform(const ProgramPlatform&) = delete;
  ProgramPlatform& operator=(const ProgramPlatform&) = delete;

  const Platform& services() const { return services_; }

 private:
  struct Parts;  // the implementations, one set per program
  std::unique_ptr<Parts> parts_;
  Platform services_;
};

}  // namespace vdx

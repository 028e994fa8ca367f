// Installs the services the program runs on: the real chip and driver in
// Vidarix.exe, the simulated adapter in Vidarix-sim.exe. The program's entry
// calls it once, before anything else.
#pragma once

namespace vdx {

void installProgramPlatform();

}  // namespace vdx

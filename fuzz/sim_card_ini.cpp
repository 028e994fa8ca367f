// The simulated card's INI as a person might edit it.
#include <cstdint>
#include <string>

#include "tests/fakes/tweaker/fake_profile.h"
#include "tweaker/simulated/sim_card_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vdx::FakeProfile ini;
  const std::string path = "C:\\sim\\VidarixSim.ini";
  ini.setFileText(path, std::string(reinterpret_cast<const char*>(data), size));
  vdx::loadSimCard(ini, path);
  vdx::takeSimResetRequest(ini, path);
  return 0;
}

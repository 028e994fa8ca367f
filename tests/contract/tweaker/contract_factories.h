// The seam implementations the contract tests run against: the in-memory
// fakes on the host, the real Win32 services under Wine. Each binding
// defines these once.
#pragma once
#include <memory>
#include <string>

#include "tweaker/platform/display.h"
#include "tweaker/platform/profile.h"
#include "tweaker/platform/registry.h"
#include "tweaker/platform/system.h"

namespace vdx {
namespace contract {

std::unique_ptr<Registry> makeRegistry();
std::unique_ptr<ProfileFile> makeProfile();
std::unique_ptr<SystemServices> makeSystem();
// A display without the S3 driver's escapes.
std::unique_ptr<Display> makeDisplay();
// A full path for a scratch INI file that does not exist yet.
std::string scratchIniPath(const std::string& name);
// Puts raw text into a scratch file, as another editor would have left it.
void writeScratchFile(ProfileFile& ini, const std::string& path, const std::string& text);
// Removes a scratch file (nothing on the fake, which starts empty each time).
void removeScratchFile(const std::string& path);
// A full path of an existing file without a version resource, or empty when
// the binding has none.
std::string fileWithoutVersion();

}  // namespace contract
}  // namespace vdx

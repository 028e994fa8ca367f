// Version texts from files' version resources: the driver version after the
// last '-' and the DirectX release of a FileVersion.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tweaker/adapter/file_version.h"
#include "tweaker/display/directx_version.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  vdx::parseVersionText(text);
  const vdx::DirectXVersion dx = vdx::directXVersionFromText(text);
  // The line always starts with the text it describes.
  if (dx.line.compare(0, text.size(), text) != 0 && text.find('\0') == std::string::npos) std::abort();
  return 0;
}

// The About dialog's system information page: each line's text from plain
// values, and the dialog's behaviour over a dialog surface.
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/display/driver_escape.h"
#include "tweaker/platform/chip_ports.h"
#include "tweaker/platform/registry.h"
#include "tweaker/platform/system.h"
#include "tweaker/ui/dialog_presenter.h"

namespace vdx {

// Where the icon's link leads.
extern const char kHomePageUrl[];

std::string aboutTitle(const std::string& programVersion);
// "%s  (%s)": the FileVersion text and the file name after the last '\'.
std::string fileVersionLine(const std::string& versionText, const std::string& filePath);
// True when a REG_SZ value of the OpenGLdrivers key names the ICD file
// (letter case ignored).
bool icdRegistered(Registry& reg, const std::string& icdFileName);
extern const char kIcdWarning[];
// From the nine BIOS version words, then the date words when there are any.
std::string biosLine(const uint16_t* version, const uint16_t* date);
std::string makerLine(uint16_t subsystemVendorId, uint16_t subsystemId);
bool chipKnown(uint32_t deviceId);
std::string chipLine(const AdapterIdentity& identity, const std::string& revisionText);
std::string clockLine(bool shown, float mhz);
std::string osLine(uint32_t code, const std::string& versionText);
std::string memoryLine(const MemoryStatusRecord& memory);
// `bytes` null when the driver does not say.
std::string videoMemoryLine(const uint32_t* bytes, uint8_t memoryType);

// What the dialog reads while it opens.
struct AboutDialogModel {
  SystemServices* system;
  Registry* registry;
  ChipPorts* ports;
  MilliClock* clock;
  DriverEscapes* escapes;
  const AdapterIdentity* identity;
  std::string programPath;  // whose FileVersion the title shows
};

class AboutDialog {
 public:
  AboutDialog(DialogSurface& surface, const AboutDialogModel& model) : surface_(surface), model_(model) {}
  using Model = AboutDialogModel;

  // Fills every line, the processor's last (its clock takes 350 ms).
  void init();
  // OK and Escape both end it with 1.
  int ok() { return 1; }
  int cancel() { return 1; }

 private:
  void fillVideoInfo();
  void fillSystemInfo();

  DialogSurface& surface_;
  AboutDialogModel model_;
};

}  // namespace vdx

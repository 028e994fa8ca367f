// Start-up checks that compare what is installed now with what was there
// before: the display driver's version and the Direct3D release.
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/display/directx_version.h"
#include "tweaker/display/driver_escape.h"
#include "tweaker/platform/platform.h"

namespace vdx {

// The start-up switch: the whole command line, compared without case.
enum class StartSwitch { None, IgnoreChip, ResetDisplay };
StartSwitch parseStartSwitch(const char* commandLine);

// The device ids the program runs on without "-IgnoreChip".
bool isSupportedChip(uint32_t deviceId);

// A new driver version text resets the card's scheme name. Case does not
// count; an absent "LastDrv" is empty.
bool driverChanged(const std::string& driverVersionText, const std::string& lastDrv);

// Reads the display driver's version and, when it changed, writes
// "Current" = "(Default)" and "LastDrv" = the new text into the card key.
void checkDriverChange(const Platform& hw, const AdapterIdentity& id, const std::string& lastDrv);

// Direct3D newer than DirectX 6.0 handles texture patching itself.
bool direct3DWithdrawsTexPatch(const DirectXVersion& v);

// Checks "D3DIM.DLL" in the system directory; when it withdraws the option,
// marks TexPatch unavailable and deletes "TP" from the driver settings key.
void checkDirect3D(const Platform& hw, const AdapterIdentity& id, bool* texPatchUnavailable);

// The entry point's chip check: the driver must answer the private escapes
// and name a chip from the list. Whenever it names one, the device id goes
// into `id` (so "-IgnoreChip" still finds the chip's row); the revision is
// read only for the listed chips.
bool checkChip(DriverEscapes& escapes, ChipPorts& ports, AdapterIdentity& id);

}  // namespace vdx

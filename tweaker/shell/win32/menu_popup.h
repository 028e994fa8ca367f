// The tray menu as tracked on screen.
#pragma once
#include <cstdint>

namespace vdx {

// How many schemes the last tray menu offered; a scheme command beyond them
// does nothing.
uint16_t trayMenuSchemeCount();

}  // namespace vdx

// Context help: every dialog control that has a help topic, with the topic's
// context id (the same number as the control id).
#pragma once
#include <array>
#include <cstdint>

namespace vdx {

// Room for the widened table: pairs plus the terminating 0.
constexpr std::size_t kHelpIdCapacity = 180;

// The control ids that have help, in table order.
const uint16_t* helpControlIds(std::size_t* count);

// The table in the form WinHelp's control-help commands take: 32-bit
// (control id, context id) pairs, then 0; unused room is 0 as well.
const std::array<uint32_t, kHelpIdCapacity>& widenedHelpIdTable();

}  // namespace vdx

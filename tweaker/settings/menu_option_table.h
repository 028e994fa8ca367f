// The tray menu's option commands, one row each: the id (or id range), the
// option field it changes, the chip capability without which the item is
// removed, what the command does, and which key stores the option. The menu
// builder and the command handler both walk this one table.
#pragma once
#include <cstdint>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/resources/command_ids.h"
#include "tweaker/settings/driver_options.h"

namespace vdx {

enum class OptionAction : uint8_t {
  Flip,           // field = !field
  FlipTrilinear,  // AT, and AM with it under the link preference
  FlipLinkedFog,  // EF or ES, `partner` following under the link preference
  FlipRestart,    // flip, then the restart notice
  TextureMode,    // AA / VO after the display question; value 0 AA, 1 VO, 2 neither
  Set,            // field = value
  CommandDma,     // DMACB from the id, then the CommandDMA restart notice
  DBias,          // DB from the id
  AgpSize,        // AGPSize from the id, after the display question
  AgpRate,        // AGP from the id, then the restart notice
};

enum class OptionKeyOf : uint8_t { DriverSettings, MiniGL };

struct MenuOptionRow {
  uint16_t first, last;  // the command ids
  OptionAction action;
  int32_t DriverOptions::*field;  // null where the id alone says the value
  ChipCapability capability;      // 0: always offered; else removed without any of these bits
  int32_t value;                  // Set and TextureMode
  int32_t DriverOptions::*partner;  // FlipLinkedFog: the option that follows
  bool tooltip;                     // the tooltip shows this option
  OptionKeyOf key;

  // Flips show their option as a check mark; the others are radio groups.
  bool showsCheck() const {
    return action == OptionAction::Flip || action == OptionAction::FlipTrilinear ||
           action == OptionAction::FlipLinkedFog || action == OptionAction::FlipRestart;
  }
};

extern const MenuOptionRow menuOptionTable[];
extern const std::size_t menuOptionTableSize;

// The row whose ids hold `id`; null for any other command.
const MenuOptionRow* findMenuOption(uint16_t id);

// What an id of the numbered groups stands for, and back.
float dBiasOfItem(uint16_t id);             // IDM_DBIAS_ZERO is 0.0, one id a step of 0.1
int32_t commandDmaOfItem(uint16_t id);      // MB
uint16_t commandDmaItem(int32_t megabytes);
int32_t agpRateOfItem(uint16_t id);
uint16_t agpRateItem(int32_t rate);         // 4X, 2X, else 1X

}  // namespace vdx

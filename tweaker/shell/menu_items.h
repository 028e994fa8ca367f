// Every tray menu item once: its id and text, what shows it, what choosing it
// does and the option field it changes. The two menus (menu_tables.h) are
// ordered lists of these ids; the menu builder and the command handler both
// walk this one table, so adding an item is one row here and its id in a menu.
#pragma once
#include <cstddef>
#include <cstdint>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/resources/command_ids.h"
#include "tweaker/settings/driver_options.h"
#include "tweaker/shell/menu_model.h"

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
  // Not options: the command handler's own.
  Dialog,  // opens the dialog its id names (command_dialogs.h)
  Help,
  Exit,
};

enum class OptionKeyOf : uint8_t { DriverSettings, MiniGL };

// What, besides the chip's capability, decides whether an item is shown.
enum class ShownWhen : uint8_t {
  Chip,               // the capability alone (none: always)
  ChipOrPerfIcdMenu,  // the capability, or "PerfICDmenu" on
  ChipNoPerfIcdMenu,  // the capability, and "PerfICDmenu" off
  TexPatchUsable,     // the capability, and TexPatch usable on this system
  NotSavage3D,        // the capability, and not on a Savage3D
};

// The facts of one click that decide what is shown.
struct MenuShowing {
  uint32_t capabilities = 0;
  uint32_t deviceId = 0;
  bool perfIcdMenu = false;
  bool texPatchUnavailable = false;
};

struct MenuOptionRow {
  uint16_t first = 0, last = 0;  // the command id; a range only for items made at each click
  const char* text = nullptr;    // null for items made at each click
  OptionAction action = OptionAction::Flip;
  int32_t DriverOptions::*field = nullptr;  // null where the id alone says the value
  ChipCapability capability = 0;            // 0: always offered; else removed without any of these bits
  ShownWhen shownWhen = ShownWhen::Chip;
  int32_t value = 0;                          // Set and TextureMode
  int32_t DriverOptions::*partner = nullptr;  // FlipLinkedFog: the option that follows
  bool tooltip = false;                       // the tooltip shows this option
  OptionKeyOf key = OptionKeyOf::DriverSettings;

  // Flips show their option as a check mark; the others are radio groups or commands.
  bool showsCheck() const {
    return action == OptionAction::Flip || action == OptionAction::FlipTrilinear ||
           action == OptionAction::FlipLinkedFog || action == OptionAction::FlipRestart;
  }
  bool isOption() const { return action < OptionAction::Dialog; }
};

extern const MenuOptionRow menuOptionTable[];
extern const std::size_t menuOptionTableSize;

// The parts of the menus that are not commands: popups and separators. Their
// ids lie below the command range, so they never reach the command handler.
enum MenuPartId : uint16_t {
  kMenuEnd = 1,  // closes the popup opened last
  kMenuSeparator,
  kTexturesPopup,
  kAgpPopup,
  kAgpSeparator,  // the separator below "&AGP", which goes with it
  kMiscPopup,
  kDBiasPopup,
  kCommandDmaPopup,
  kMiniGlPopup,
  kOpenGlPopup,
  kHwTnlPopup,
  kAutoZClearPopup,
  kFogTablePopup,
  kTextureSizePopup,
  kDisplaysPopup,  // the advanced menu's
  kDisplayPopup,   // the basic menu's
};

struct MenuPartRow {
  uint16_t id;
  MenuNode::Kind kind;
  const char* text;
  ChipCapability capability;
  ShownWhen shownWhen;
};

extern const MenuPartRow menuPartTable[];
extern const std::size_t menuPartTableSize;

// The row of an item whose ids hold `id`; null for any other id.
const MenuOptionRow* findMenuRow(uint16_t id);
// The same for option commands only.
const MenuOptionRow* findMenuOption(uint16_t id);
const MenuPartRow* findMenuPart(uint16_t id);

bool isShown(ChipCapability capability, ShownWhen when, const MenuShowing& showing);

// What an id of the numbered groups stands for, and back.
float dBiasOfItem(uint16_t id);             // IDM_DBIAS_ZERO is 0.0, one id a step of 0.1
int32_t commandDmaOfItem(uint16_t id);      // MB
uint16_t commandDmaItem(int32_t megabytes);
int32_t agpRateOfItem(uint16_t id);
uint16_t agpRateItem(int32_t rate);         // 4X, 2X, else 1X

}  // namespace vdx

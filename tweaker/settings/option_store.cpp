#include "tweaker/settings/option_store.h"

#include <cstdio>

#include "tweaker/common/text_format.h"
#include "tweaker/settings/option_table.h"
#include "tweaker/common/registry_utils.h"
#include "tweaker/settings/settings_keys.h"
#include "tweaker/common/text_rules.h"
#include "tweaker/settings/tristate_names.h"

namespace vdx {
namespace {

std::string valueNameOf(const OptionRow& row, const OptionContext& ctx) {
  return std::string(row.valueName) == "VO" ? ctx.vidTexValueName : row.valueName;
}

const TristateTable& tristateTableOf(const OptionRow& row) {
  return tristateNames[row.encoding == OptionEncoding::TextureSize ? kTristateTextureSize : kTristateSwitch];
}

// A non-empty REG_SZ text, or false.
bool numberText(const RegKey& key, const std::string& name, std::string* text) {
  return readRawString(key, name, kStringValueMax, text) && !text->empty();
}

void readRow(const RegKey& key, const OptionRow& row, const OptionContext& ctx, const DriverOptions& defaults,
             DriverOptions* current) {
  const std::string name = valueNameOf(row, ctx);
  std::string text;
  switch (row.encoding) {
    case OptionEncoding::OnOff:
      current->*row.field = readOnOff(key, name, defaults.*row.field);
      break;
    case OptionEncoding::SwitchKeepingValue:
      current->*row.field = readOnOff(key, name, current->*row.field);
      break;
    case OptionEncoding::TriState:
    case OptionEncoding::TextureSize: {
      // Absent or empty leaves the field as it is; unknown text is the default.
      if (!readRawString(key, name, kOnOffTextMax, &text) || text.empty()) break;
      int32_t value = 0;
      current->*row.field = tristateValue(tristateTableOf(row), text.c_str(), &value) ? value : defaults.*row.field;
      break;
    }
    case OptionEncoding::Decimal: {
      float value = defaults.*row.floatField;
      if (numberText(key, name, &text)) value = leadingFloat(text);
      clampFloat(&value, static_cast<float>(row.low), static_cast<float>(row.high));
      current->*row.floatField = value;
      break;
    }
    case OptionEncoding::Number:
    case OptionEncoding::CommandDma: {
      int32_t value = defaults.*row.field;
      if (numberText(key, name, &text)) value = leadingInt(text);
      clampInt(&value, row.low == kLowIsTmFloor ? ctx.tmValueFloor : row.low, row.high);
      current->*row.field = value;
      break;
    }
    case OptionEncoding::AgpRate: {
      int32_t value = defaults.*row.field;
      if (numberText(key, name, &text)) value = leadingInt(text);
      if (value != 1 && value != 2 && value != 4) value = defaults.*row.field;
      current->*row.field = value;
      break;
    }
    case OptionEncoding::Dword:
      current->*row.field = static_cast<int32_t>(readDwordValue(key, name, static_cast<uint32_t>(defaults.*row.field)));
      break;
  }
}

bool rowIsWritten(const OptionRow& row, const OptionContext& ctx) {
  const bool hasCap = row.capability == 0 || (ctx.capabilities & row.capability) != 0;
  switch (row.writeRule) {
    case WriteRule::Always:
    case WriteRule::TexPatch:
      return true;
    case WriteRule::WithCapability:
      return hasCap;
    case WriteRule::OpenGl:
      return ((ctx.capabilities & kCapOpenGl) != 0 || ctx.perfIcdMenu) && hasCap;
    case WriteRule::NotByWriter:
      return false;
  }
  return false;
}

void writeText(const RegKey& key, const std::string& name, bool isDefault, bool writeDefaults,
               const std::string& text) {
  if (isDefault && !writeDefaults) {
    deleteValue(key, name);
  } else {
    writeStringValue(key, name, text);
  }
}

std::string format(const char* fmt, int32_t value) {
  char buffer[32];
  formatText(buffer, sizeof buffer, fmt, static_cast<int>(value));
  return buffer;
}

void writeRow(const RegKey& key, const OptionRow& row, const OptionContext& ctx, const DriverOptions& defaults,
              const DriverOptions& current) {
  const std::string name = valueNameOf(row, ctx);
  const bool writeDefaults = ctx.writeRegDefaults;
  if (row.writeRule == WriteRule::TexPatch && ctx.texPatchUnavailable) {
    deleteValue(key, name);
    return;
  }
  switch (row.encoding) {
    case OptionEncoding::OnOff:
    case OptionEncoding::SwitchKeepingValue:
      writeOnOffOrDelete(key, name, current.*row.field, defaults.*row.field, writeDefaults);
      break;
    case OptionEncoding::TriState:
    case OptionEncoding::TextureSize:
      writeText(key, name, current.*row.field == defaults.*row.field, writeDefaults,
                tristateText(tristateTableOf(row), current.*row.field));
      break;
    case OptionEncoding::Decimal: {
      char buffer[64];
      formatText(buffer, sizeof buffer, "%.1f", static_cast<double>(current.*row.floatField));
      writeText(key, name, current.*row.floatField == defaults.*row.floatField, writeDefaults, buffer);
      break;
    }
    case OptionEncoding::Number:
      writeText(key, name, current.*row.field == defaults.*row.field, writeDefaults, format("%d", current.*row.field));
      break;
    case OptionEncoding::AgpRate:
      writeText(key, name, current.*row.field == defaults.*row.field, writeDefaults, format("%dX", current.*row.field));
      break;
    case OptionEncoding::CommandDma:
      // The default buffer size is never stored, whatever "WriteRegDefaults" says.
      writeText(key, name, current.*row.field == defaults.*row.field, false,
                format((ctx.capabilities & kCapAgp) ? "%dA" : "%dP", current.*row.field));
      break;
    case OptionEncoding::Dword:
      writeDwordOrDelete(key, name, static_cast<uint32_t>(current.*row.field),
                         static_cast<uint32_t>(defaults.*row.field), writeDefaults);
      break;
  }
}

}  // namespace

OptionContext optionContext(const AdapterIdentity& id, const Preferences& prefs, bool texPatchUnavailable) {
  OptionContext ctx;
  ctx.vidTexValueName = id.vidTexValueName.empty() ? "VO" : id.vidTexValueName;
  ctx.capabilities = id.capabilities;
  ctx.tmValueFloor = static_cast<int32_t>(id.tmValueFloor);
  ctx.writeRegDefaults = prefs.writeRegDefaults;
  ctx.perfIcdMenu = prefs.perfIcdMenu;
  ctx.texPatchUnavailable = texPatchUnavailable;
  return ctx;
}

void readDriverOptions(Registry& reg, const AdapterIdentity& id, const OptionContext& ctx,
                       const DriverOptions& defaults, DriverOptions* current) {
  {
    RegKey key;
    if (openSettingsKey(reg, id, SettingsKey::DriverSettings, &key) == 0) {
      for (int i = 0; i < kDriverReadOrderCount; ++i)
        readRow(key, *findOptionRow(kDriverReadOrder[i]), ctx, defaults, current);
    }
  }
  RegKey key;
  if (openSettingsKey(reg, id, SettingsKey::MiniGL, &key) != 0) return;
  for (int i = 0; i < kMiniGLOrderCount; ++i) readRow(key, *findOptionRow(kMiniGLOrder[i]), ctx, defaults, current);
}

bool writeDriverOptions(Registry& reg, const AdapterIdentity& id, const OptionContext& ctx,
                        const DriverOptions& defaults, const DriverOptions& current) {
  RegKey key;
  if (openSettingsKey(reg, id, SettingsKey::DriverSettings, &key) != 0) return false;
  for (int i = 0; i < kDriverWriteOrderCount; ++i) {
    const OptionRow& row = *findOptionRow(kDriverWriteOrder[i]);
    if (rowIsWritten(row, ctx)) writeRow(key, row, ctx, defaults, current);
  }
  // The driver reads its settings at the next mode switch; make them visible now.
  reg.flushKey(key.handle());
  return true;
}

bool writeMiniGLOptions(Registry& reg, const AdapterIdentity& id, const OptionContext& ctx,
                        const DriverOptions& defaults, const DriverOptions& current) {
  RegKey key;
  if (openSettingsKey(reg, id, SettingsKey::MiniGL, &key) != 0) return false;
  for (int i = 0; i < kMiniGLOrderCount; ++i) writeRow(key, *findOptionRow(kMiniGLOrder[i]), ctx, defaults, current);
  return true;
}

}  // namespace vdx

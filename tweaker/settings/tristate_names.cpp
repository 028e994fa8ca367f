#include "tweaker/settings/tristate_names.h"

#include "tweaker/common/text_compare.h"
#include "tweaker/common/text_rules.h"

namespace vdx {
namespace {
const TristateName kSwitchRows[] = {{0, "Auto"}, {-1, "Off"}, {1, "On"}};
const TristateName kTextureSizeRows[] = {{0, "Auto"}, {-1, "16"}, {1, "32"}};
}  // namespace

const TristateTable tristateNames[2] = {{kSwitchRows, 3}, {kTextureSizeRows, 3}};

const char* tristateText(const TristateTable& table, int32_t value) {
  for (int i = 0; i < table.count; ++i)
    if (table.rows[i].value == value) return table.rows[i].text;
  return table.rows[0].text;
}

bool tristateValue(const TristateTable& table, const char* text, int32_t* value) {
  for (int i = 0; i < table.count; ++i) {
    if (equalsNoCase(text, table.rows[i].text)) {
      *value = table.rows[i].value;
      return true;
    }
  }
  return false;
}

}  // namespace vdx

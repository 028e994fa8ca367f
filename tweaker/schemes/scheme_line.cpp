#include "tweaker/schemes/scheme_line.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "tweaker/common/text_format.h"
#include "tweaker/settings/option_table.h"
#include "tweaker/settings/tristate_names.h"

namespace vdx {

namespace {

// Appends to one fixed buffer and silently stops at its end, so a line is
// never longer than the scheme file holds.
class LineBuffer {
 public:
  void add(const char* format, ...) {
    if (used_ >= sizeof text_ - 1) return;
    va_list args;
    va_start(args, format);
    const int n = formatTextV(text_ + used_, sizeof text_ - used_, format, args);
    va_end(args);
    if (n > 0) used_ += static_cast<std::size_t>(n);
    if (used_ > sizeof text_ - 1) used_ = sizeof text_ - 1;
  }
  std::string str() const { return std::string(text_, used_); }

 private:
  char text_[kSchemeLineMax + 1] = {0};
  std::size_t used_ = 0;
};

const char* onOff(int32_t v) { return v ? "On" : "off"; }

struct FlagPair {
  const char* key;
  int32_t DriverOptions::*field;
  ChipCapability needs;  // 0: always
};

const FlagPair kMiniGLPairs[] = {
    {"32Bit", &DriverOptions::Bit32, 0},          {"AutoS3TC", &DriverOptions::AutoS3TC, 0},
    {"S3TCDiskCache", &DriverOptions::S3TCDiskCache, 0}, {"TextureCache", &DriverOptions::TextureCache, 0},
    {"Mipmapping", &DriverOptions::Mipmapping, 0},
};
const FlagPair kStandardPairs[] = {
    {"ATB", &DriverOptions::ATB, 0}, {"OS", &DriverOptions::OS, 0}, {"AM", &DriverOptions::AM, 0},
    {"AC", &DriverOptions::AC, 0},   {"FD", &DriverOptions::FD, 0}, {"EF", &DriverOptions::EF, 0},
    {"ES", &DriverOptions::ES, 0},   {"TP", &DriverOptions::TP, 0}, {"TSL", &DriverOptions::TSL, 0},
    {"NF", &DriverOptions::NF, 0},
};
const FlagPair kIcdPairs[] = {
    {"ICD3DNOW", &DriverOptions::ICD3DNOW, 0},
    {"ICDSIMD", &DriverOptions::ICDSIMD, 0},
    {"ICDUSEKTX", &DriverOptions::ICDUSEKTX, 0},
    {"ICDWBUFFER", &DriverOptions::ICDWBUFFER, 0},
};

void addFlags(LineBuffer& out, const DriverOptions& o, const FlagPair* rows, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) out.add(" %s:%s", rows[i].key, onOff(o.*rows[i].field));
}

// Reader kinds.
enum class Kind { Flag, Integer, DBias, Switch3, TexSize, AgpSize, Mclk, Eclk, VidTex };

struct KeyRow {
  const char* key;  // null for VO, whose name depends on the driver
  Kind kind;
  int32_t DriverOptions::*field;
};

const KeyRow kKeys[] = {
    {"AGPSize", Kind::AgpSize, &DriverOptions::AGPSize},
    {nullptr, Kind::VidTex, &DriverOptions::VO},
    {"AA", Kind::Flag, &DriverOptions::AA},
    {"FD", Kind::Flag, &DriverOptions::FD},
    {"FB", Kind::Flag, &DriverOptions::FB},
    {"AM", Kind::Flag, &DriverOptions::AM},
    {"OS", Kind::Flag, &DriverOptions::OS},
    {"AC", Kind::Flag, &DriverOptions::AC},
    {"AT", Kind::Flag, &DriverOptions::AT},
    {"ATB", Kind::Flag, &DriverOptions::ATB},
    {"WV", Kind::Flag, &DriverOptions::WV},
    {"EF", Kind::Flag, &DriverOptions::EF},
    {"ES", Kind::Flag, &DriverOptions::ES},
    {"TP", Kind::Flag, &DriverOptions::TP},
    {"TSL", Kind::Flag, &DriverOptions::TSL},
    {"WC", Kind::Flag, &DriverOptions::WC},
    {"BW", Kind::Flag, &DriverOptions::BW},
    {"ZB", Kind::Flag, &DriverOptions::ZB},
    {"ZC", Kind::Flag, &DriverOptions::ZC},
    {"NF", Kind::Flag, &DriverOptions::NF},
    {"WB", Kind::Flag, &DriverOptions::WB},
    {"HSP", Kind::Flag, &DriverOptions::HSP},
    {"ICD3DNOW", Kind::Flag, &DriverOptions::ICD3DNOW},
    {"ICDSIMD", Kind::Flag, &DriverOptions::ICDSIMD},
    {"ICDUSEKTX", Kind::Flag, &DriverOptions::ICDUSEKTX},
    {"ICDWBUFFER", Kind::Flag, &DriverOptions::ICDWBUFFER},
    {"32Bit", Kind::Flag, &DriverOptions::Bit32},
    {"AutoS3TC", Kind::Flag, &DriverOptions::AutoS3TC},
    {"S3TCDiskCache", Kind::Flag, &DriverOptions::S3TCDiskCache},
    {"TextureCache", Kind::Flag, &DriverOptions::TextureCache},
    {"Mipmapping", Kind::Flag, &DriverOptions::Mipmapping},
    {"DB", Kind::DBias, nullptr},
    {"TC", Kind::Integer, &DriverOptions::TC},
    {"TM", Kind::Integer, &DriverOptions::TM},
    {"DMACB", Kind::Integer, &DriverOptions::DMACB},
    {"ICDHWTL", Kind::Switch3, &DriverOptions::ICDHWTL},
    {"ICDAZ", Kind::Switch3, &DriverOptions::ICDAZ},
    {"ICDFOGTABLE", Kind::Switch3, &DriverOptions::ICDFOGTABLE},
    {"ICDTEXTURESIZE", Kind::TexSize, &DriverOptions::ICDTEXTURESIZE},
    {"MclkSpeed", Kind::Mclk, nullptr},
    {"EclkSpeed", Kind::Eclk, nullptr},
};

bool equalsNoCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b) {
    char x = *a, y = *b;
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return *a == *b;
}

float readFloat(const char* text) { return static_cast<float>(readDecimal(text, nullptr)); }

float clampTo(float v, float lo, float hi) { return v < lo ? lo : (v > hi ? hi : v); }

// The leading decimal number (blanks and sign first; no digits reads as 0);
// false when it does not fit 32 bits.
bool leadingInteger(const char* text, int32_t* out) {
  while (*text == ' ' || *text == '\t') ++text;
  const bool negative = *text == '-';
  if (*text == '-' || *text == '+') ++text;
  int64_t value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    value = value * 10 + (*text - '0');
    if (value > 0x80000000LL) return false;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return false;
  *out = static_cast<int32_t>(value);
  return true;
}

// The option's default is always offered: it is what "(Default)" sets.
bool isDefault(const KeyRow& row, const SchemeReaderInputs& in, int32_t v) {
  return in.defaults && in.defaults->*row.field == v;
}

bool offeredAgpSize(const SchemeReaderInputs& in, int32_t size) {
  if (!in.agpSizes || size <= 0) return false;
  for (uint32_t s : *in.agpSizes) {
    if (s == static_cast<uint32_t>(size)) return true;
  }
  return false;
}

// The option's range in the driver settings table: TC, TM, DMACB.
bool inOptionRange(const KeyRow& row, const SchemeReaderInputs& in, int32_t v) {
  const OptionRow* option = findOptionRow(row.key);
  if (!option) return false;
  const int32_t low = option->low == kLowIsTmFloor ? in.tmValueFloor : option->low;
  return v >= low && v <= option->high;
}

void keepInForce(const KeyRow& row, const SchemeReaderInputs& in) {
  if (in.inForce) in.options->*row.field = in.inForce->*row.field;
}

void readPair(const KeyRow& row, const char* value, const SchemeReaderInputs& in, float* mclk, float* eclk) {
  DriverOptions& o = *in.options;
  int32_t v = 0;
  switch (row.kind) {
    case Kind::Flag:
    case Kind::VidTex:
      if (equalsNoCase(value, "On") || equalsNoCase(value, "1")) o.*row.field = 1;
      if (equalsNoCase(value, "off") || equalsNoCase(value, "0")) o.*row.field = 0;
      break;
    case Kind::Integer:
      if (leadingInteger(value, &v) && (inOptionRange(row, in, v) || isDefault(row, in, v))) {
        o.*row.field = v;
      } else {
        keepInForce(row, in);
      }
      break;
    case Kind::AgpSize:
      if (equalsNoCase(value, "Same")) {
        o.AGPSize = kAgpSizeSame;
      } else if (leadingInteger(value, &v) && (offeredAgpSize(in, v) || isDefault(row, in, v))) {
        o.AGPSize = v;
      } else {
        keepInForce(row, in);
      }
      break;
    case Kind::DBias:
      o.DB = clampTo(readFloat(value), -1.0f, 1.0f);
      break;
    case Kind::Switch3:
    case Kind::TexSize: {
      const TristateTable& t = tristateNames[row.kind == Kind::Switch3 ? kTristateSwitch : kTristateTextureSize];
      o.*row.field = tristateValue(t, value, &v) ? v : in.defaults->*row.field;
      break;
    }
    case Kind::Mclk:
      if (in.useSchemeMclk) *mclk = clampTo(readFloat(value), in.limits.mclkMin, in.limits.mclkMax);
      break;
    case Kind::Eclk:
      if (in.useSchemeMclk) *eclk = clampTo(readFloat(value), in.limits.eclkMin, in.limits.eclkMax);
      break;
  }
}

}  // namespace

std::string formatSchemeLine(const SchemeSaveRequest& request, const SchemeWriterInputs& in) {
  const DriverOptions& o = *in.options;
  const AdapterIdentity& id = *in.identity;
  LineBuffer out;
  out.add("%s:%s %s:%s %s:%s %s:%s %s:%s ", "AA", onOff(o.AA), id.vidTexValueName.c_str(), onOff(o.VO), "AT",
          onOff(o.AT), "WV", onOff(o.WV), "FB", onOff(o.FB));
  if (request.keepAgpSizeSame) {
    out.add("%s:%s", "AGPSize", "Same");
  } else {
    out.add("%s:%d", "AGPSize", o.AGPSize);
  }
  if (request.includeMiniGL) addFlags(out, o, kMiniGLPairs, sizeof kMiniGLPairs / sizeof kMiniGLPairs[0]);
  if (request.includeStandard) {
    addFlags(out, o, kStandardPairs, sizeof kStandardPairs / sizeof kStandardPairs[0]);
    char db[32];
    formatText(db, sizeof db, "%.1f", static_cast<double>(o.DB));
    out.add(" %s:%s", "DB", db);
    out.add(" %s:%d", "TC", o.TC);
    out.add(" %s:%d", "TM", o.TM);
    if (id.has(kCapBlockWrite)) out.add(" %s:%s", "BW", onOff(o.BW));
    if (id.has(kCapCommandDma)) out.add(" %s:%d", "DMACB", o.DMACB);
    if (id.has(kCapWriteCombining)) out.add(" %s:%s", "WC", onOff(o.WC));
    if (id.has(kCapZBuffer)) out.add(" %s:%s", "ZB", onOff(o.ZB));
    if (id.has(kCapFastZClear)) out.add(" %s:%s", "ZC", onOff(o.ZC));
    if (id.has(kCapForceWBuffer)) out.add(" %s:%s", "WB", onOff(o.WB));
    if (id.has(kCapFixGameText)) out.add(" %s:%s", "HSP", onOff(o.HSP));
    if (id.has(kCapAgpSideband)) out.add(" %s:%s", "AGPSB", onOff(o.AGPSB));
    if (id.has(kCapOpenGl) || in.perfIcdMenu) {
      addFlags(out, o, kIcdPairs, sizeof kIcdPairs / sizeof kIcdPairs[0]);
      const TristateTable& sw = tristateNames[kTristateSwitch];
      if (id.has(kCapHwTnl)) out.add(" %s:%s", "ICDHWTL", tristateText(sw, o.ICDHWTL));
      if (id.has(kCapAutoZClear)) out.add(" %s:%s", "ICDAZ", tristateText(sw, o.ICDAZ));
      out.add(" %s:%s", "ICDFOGTABLE", tristateText(sw, o.ICDFOGTABLE));
      out.add(" %s:%s", "ICDTEXTURESIZE", tristateText(tristateNames[kTristateTextureSize], o.ICDTEXTURESIZE));
    }
  }
  if (request.saveClockSpeed && in.clocks) {
    const ClockState& c = *in.clocks;
    if (c.desiredMclk != c.startupMclk) out.add(" %s:%.2f", "MclkSpeed", static_cast<double>(c.desiredMclk));
    if (id.has(kCapEclk) && c.desiredEclk != c.startupEclk)
      out.add(" %s:%.2f", "EclkSpeed", static_cast<double>(c.desiredEclk));
  }
  return out.str();
}

bool parseSchemeLine(const std::string& line, const SchemeReaderInputs& in, float* mclk, float* eclk) {
  if (line.empty()) return false;
  const char* rest = line.c_str();
  const char* end = rest + line.size();
  char token[kSchemeTokenMax + 1];
  while (rest < end) {
    // A blank ends a token; a tab only when no blank remains.
    const char* stop = static_cast<const char*>(memchr(rest, ' ', static_cast<std::size_t>(end - rest)));
    if (!stop) stop = static_cast<const char*>(memchr(rest, '\t', static_cast<std::size_t>(end - rest)));
    if (!stop) stop = end;
    std::size_t len = static_cast<std::size_t>(stop - rest);
    if (len > kSchemeTokenMax) len = kSchemeTokenMax;
    memcpy(token, rest, len);
    token[len] = '\0';
    rest = stop < end ? stop + 1 : end;
    char* colon = strchr(token, ':');
    if (!colon) continue;
    *colon = '\0';
    for (const KeyRow& row : kKeys) {
      if (!equalsNoCase(token, row.key ? row.key : in.vidTexValueName)) continue;
      readPair(row, colon + 1, in, mclk, eclk);
      break;
    }
  }
  return true;
}

}  // namespace vdx

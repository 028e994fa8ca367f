#include "tweaker/display/outputs_dialog.h"

#include "tweaker/resources/resource.h"

namespace vdx {

namespace {

struct TvStandardRow {
  const char* name;
  uint32_t code;
};

// In the order the list shows them.
const TvStandardRow kTvStandards[] = {
    {"NTSC", 1},    {"NTSC (Japan)", 3}, {"PAL", 2},    {"PAL-M", 4},   {"PAL-B", 5},
    {"PAL-D", 6},   {"PAL-G", 7},        {"PAL-H", 8},  {"PAL-I", 9},   {"PAL-K", 10},
    {"PAL-K1", 11}, {"PAL-N", 12},       {"PAL-N(combo)", 13}, {"PAL-60", 14},
};

struct DisplayBox {
  int box, status;
  uint32_t bit;
};

const DisplayBox kDisplayBoxes[] = {
    {IDC_OUT_CRT, IDC_OUT_CRT_STATUS, DISPLAY_CRT},
    {IDC_OUT_TV, IDC_OUT_TV_STATUS, DISPLAY_TV},
    {IDC_OUT_LCD, IDC_OUT_LCD_STATUS, DISPLAY_LCD},
    {IDC_OUT_FLAT, IDC_OUT_FLAT_STATUS, DISPLAY_FLAT_PANEL},
};

// The one that stays on when the user turns every display off.
const uint32_t kFallbackOrder[] = {DISPLAY_CRT, DISPLAY_LCD, DISPLAY_TV};
const uint32_t kDisplayBits = DISPLAY_CRT | DISPLAY_LCD | DISPLAY_TV | DISPLAY_FLAT_PANEL;

// The TV picture controls: disabled until the TV part is read with the TV on.
const int kTvPictureControls[] = {
    IDC_OUT_FLICKER,    IDC_OUT_FLICKER_LEVEL, IDC_OUT_HORZ_SIZE, IDC_OUT_VERT_SIZE,
    IDC_OUT_LOCK_RATIO, IDC_OUT_HORZ_POS,      IDC_OUT_VERT_POS,  IDC_OUT_BRIGHTNESS,
    IDC_OUT_CONTRAST,   IDC_OUT_COLOUR,        IDC_OUT_TINT,
};

// The first item whose data matches, or the first item.
void selectByData(DialogSurface& s, int id, ItemData data) {
  const int count = s.itemCount(id);
  for (int i = 0; i < count; ++i) {
    if (s.itemData(id, i) == data) {
      s.select(id, i);
      return;
    }
  }
  s.select(id, 0);
}

int asPos(uint32_t v) { return static_cast<int>(v & 0x7FFFFFFF); }

}  // namespace

ChipPictureRules chipPictureRules(uint32_t deviceId) {
  if (deviceId == 0x8A20 || deviceId == 0x8A21) return {28, 16, 32, 6, 6, true, false, true};
  if (deviceId == 0x8A22 || deviceId == 0x9102) return {40, 13, 37, 6, 6, false, false, false};
  if (deviceId >= 0x8C10 && deviceId <= 0x8C13) return {0, 0, 0, 0, 0, false, true, true};
  return {0, 0, 0, 0, 0, false, false, false};
}

uint32_t nextDisplayMask(uint32_t active, uint32_t supported, bool crt, bool tv, bool lcd, int duoView) {
  uint32_t mask = active & kDisplayMaskWritable;
  const struct {
    uint32_t bit;
    bool on;
  } boxes[] = {{DISPLAY_CRT, crt}, {DISPLAY_TV, tv}, {DISPLAY_LCD, lcd}};
  for (const auto& b : boxes) {
    if (!(supported & b.bit)) continue;
    mask = b.on ? (mask | b.bit) : (mask & ~b.bit);
  }
  if (duoView >= 0) mask = duoView ? (mask | DISPLAY_DUOVIEW) : (mask & ~DISPLAY_DUOVIEW);
  // Tested last: DuoView's bit is no display, so it alone would turn every display off.
  if (!(mask & kDisplayBits)) {
    for (uint32_t bit : kFallbackOrder) {
      if (active & bit) return mask | bit;
    }
    return active & kDisplayMaskWritable;  // nothing to fall back to: leave the driver as it is
  }
  return mask;
}

void OutputsDialog::init() {
  surface_.enable(IDC_OUT_APPLY, false);
  for (int id : kTvPictureControls) surface_.enable(id, false);
  surface_.show(IDC_OUT_FLICKER_LEVEL, model_.prefs->showFlickerSlider);
  read(true);
}

bool OutputsDialog::duoViewOffered() const {
  return model_.identity->has(kCapTwoDisplays) && model_.prefs->showDuoview;
}

void OutputsDialog::setTrack(int id, uint32_t maximum, uint32_t pos, bool on) {
  surface_.setTrackRange(id, 0, asPos(maximum));
  if (maximum >= 32) surface_.setTrackTicFrequency(id, 3);
  surface_.setTrackPos(id, asPos(pos));
  surface_.enable(id, on);
}

void OutputsDialog::read(bool queryConnection) {
  DriverEscapes& drv = *model_.escapes;
  uint32_t supported = 0, tvStandards = 0, active = 0;
  drv.DRV_GET_DISPLAY_CAPS(&supported, &tvStandards);
  drv.DRV_GET_ACTIVE_DISPLAYS(&active);
  uint32_t connected = active;
  if (model_.prefs->useQueryConnect && queryConnection) drv.DRV_GET_CONNECTED_DISPLAYS(&connected);

  const bool duo = duoViewOffered();
  surface_.show(IDC_OUT_DUOVIEW, duo);
  surface_.enable(IDC_OUT_DUOVIEW, duo);
  if (duo) surface_.setChecked(IDC_OUT_DUOVIEW, (active & DISPLAY_DUOVIEW) != 0);

  for (const DisplayBox& d : kDisplayBoxes) {
    surface_.enable(d.box, (d.bit & connected & supported) != 0);
    surface_.setText(d.status, (connected & d.bit) ? "Connected" : "Disconnected");
  }
  const bool tvSupported = (supported & DISPLAY_TV) != 0;
  surface_.enable(IDC_OUT_TV_STANDARD, tvSupported);
  surface_.enable(IDC_OUT_TV_PORT, tvSupported);
  for (const DisplayBox& d : kDisplayBoxes) {
    if (active & d.bit) surface_.setChecked(d.box, true);
  }
  if (tvSupported) readTv((active & supported & DISPLAY_TV) != 0);

  const bool lcdSupported = (supported & DISPLAY_LCD) != 0;
  if (lcdSupported) {
    uint16_t panel[3] = {};
    if (drv.DRV_GET_PANEL_SIZE(panel)) {
      state_.panelWidth = panel[0];
      state_.panelHeight = panel[1];
    }
    uint32_t horz = 0, vert = 0;
    drv.DRV_GET_HORZ_EXPANSION(&horz);
    drv.DRV_GET_VERT_EXPANSION(&vert);
    surface_.setChecked(IDC_OUT_EXPAND_LCD, horz == kExpansionOn && vert == kExpansionOn);
  }
  const int w = model_.display->screenWidth(), h = model_.display->screenHeight();
  surface_.enable(IDC_OUT_EXPAND_LCD,
                  w < state_.panelWidth && h < state_.panelHeight && lcdSupported && (active & DISPLAY_LCD));
}

void OutputsDialog::readTv(bool tvOn) {
  DriverEscapes& drv = *model_.escapes;
  const AdapterIdentity& id = *model_.identity;
  uint32_t supported = 0, standards = 0;
  drv.DRV_GET_DISPLAY_CAPS(&supported, &standards);

  surface_.clearItems(IDC_OUT_TV_STANDARD);
  surface_.clearItems(IDC_OUT_TV_PORT);
  for (const TvStandardRow& row : kTvStandards) {
    if (standards >> (row.code - 1) & 1) surface_.addItem(IDC_OUT_TV_STANDARD, row.name, row.code);
  }
  uint32_t standard = 0;
  drv.DRV_GET_TV_STANDARD(&standard);
  selectByData(surface_, IDC_OUT_TV_STANDARD, standard);

  if (id.has(kCapTvRca) || id.has(kCapTvSVideo)) {
    if (id.has(kCapTvRca)) surface_.addItem(IDC_OUT_TV_PORT, "RCA", 0);
    if (id.has(kCapTvSVideo)) surface_.addItem(IDC_OUT_TV_PORT, "S-Video", 1);
    uint32_t port = 0;
    drv.DRV_GET_TV_PORT(&port);
    selectByData(surface_, IDC_OUT_TV_PORT, port);
  } else {
    surface_.enable(IDC_OUT_TV_PORT, false);
  }

  OutputsState& s = state_;
  const ChipPictureRules rules = chipPictureRules(id.deviceId);
  s.brightnessMax = rules.brightnessMax;
  s.contrastMax = rules.contrastMax;
  s.colourMax = rules.colourMax;
  s.tintMax = rules.tintMax;
  s.flickerMax = rules.flickerMax;
  drv.DRV_GET_TV_PICTURE_RANGES(&s.brightnessMax, &s.contrastMax, &s.colourMax, &s.tintMax);
  drv.DRV_GET_FLICKER_RANGE(&s.flickerMax, nullptr, nullptr);

  drv.DRV_GET_FLICKER(&s.flickerOn, &s.flickerLevel);
  setTrack(IDC_OUT_FLICKER_LEVEL, s.flickerMax, s.flickerLevel, s.flickerOn && s.flickerMax > 1 && tvOn);
  surface_.show(IDC_OUT_FLICKER_LEVEL, model_.prefs->showFlickerSlider);
  surface_.setChecked(IDC_OUT_FLICKER, s.flickerOn != 0);
  surface_.enable(IDC_OUT_FLICKER, tvOn);

  drv.DRV_GET_TV_BRIGHTNESS(&s.brightness);
  drv.DRV_GET_TV_CONTRAST(&s.contrast);
  drv.DRV_GET_TV_COLOUR(&s.colour);
  drv.DRV_GET_TV_TINT(&s.tint);
  setTrack(IDC_OUT_BRIGHTNESS, s.brightnessMax, s.brightness, s.brightnessMax && tvOn);
  setTrack(IDC_OUT_CONTRAST, s.contrastMax, s.contrast, s.contrastMax && tvOn);
  setTrack(IDC_OUT_COLOUR, s.colourMax, s.colour, s.colourMax && tvOn);
  setTrack(IDC_OUT_TINT, s.tintMax, s.tint, s.tintMax && tvOn);

  drv.DRV_GET_TV_SIZE_RANGE(&s.horzSizeMax, &s.vertSizeMax);
  // A maximum of 0 means no size control; it must not wrap round.
  if (rules.sizeMaximaLess1) {
    if (s.horzSizeMax) --s.horzSizeMax;
    if (s.vertSizeMax) --s.vertSizeMax;
  }
  s.horzSizeInverted = rules.horzSizeInverted;
  s.sizesLinked = rules.sizesLinked;
  uint32_t horz = s.horzSize;
  if (drv.DRV_GET_TV_HORZ_SIZE(&horz)) {
    s.horzSize = s.horzSizeInverted ? (horz <= s.horzSizeMax ? s.horzSizeMax - horz : 0) : horz;
  }
  drv.DRV_GET_TV_VERT_SIZE(&s.vertSize, &s.lockRatio);
  setTrack(IDC_OUT_HORZ_SIZE, s.horzSizeMax, s.horzSize, s.horzSizeMax && tvOn && !s.lockRatio);
  setTrack(IDC_OUT_VERT_SIZE, s.vertSizeMax, s.vertSize, s.vertSizeMax && tvOn);
  surface_.setChecked(IDC_OUT_LOCK_RATIO, s.lockRatio != 0);
  surface_.enable(IDC_OUT_LOCK_RATIO, tvOn);

  drv.DRV_GET_TV_POSITION(&s.horzPosRange, &s.horzPos, &s.vertPosRange, &s.vertPos);
  surface_.setSpinRange(IDC_OUT_HORZ_POS, 0, static_cast<int>(s.horzPosRange & 0xFFFF));
  surface_.setSpinPos(IDC_OUT_HORZ_POS, static_cast<int>(s.horzPos & 0xFFFF));
  surface_.enable(IDC_OUT_HORZ_POS, s.horzPosRange && tvOn);
  surface_.setSpinRange(IDC_OUT_VERT_POS, 0, static_cast<int>(s.vertPosRange & 0xFFFF));
  surface_.setSpinPos(IDC_OUT_VERT_POS, static_cast<int>(s.vertPos & 0xFFFF));
  surface_.enable(IDC_OUT_VERT_POS, s.vertPosRange && tvOn);
}

void OutputsDialog::scrollEnded(int id) {
  DriverEscapes& drv = *model_.escapes;
  OutputsState& s = state_;
  const int32_t noHorz = -1;
  const int32_t linkedHorz = s.sizesLinked ? static_cast<int32_t>(s.horzSize) : noHorz;
  switch (id) {
    case IDC_OUT_FLICKER_LEVEL: {
      const uint32_t v = static_cast<uint32_t>(surface_.trackPos(id));
      if (v != s.flickerLevel) drv.DRV_SET_FLICKER(s.flickerOn, v);
      s.flickerLevel = v;
      break;
    }
    case IDC_OUT_BRIGHTNESS: {
      const uint32_t v = static_cast<uint32_t>(surface_.trackPos(id));
      if (v != s.brightness) drv.DRV_SET_TV_BRIGHTNESS(v);
      s.brightness = v;
      break;
    }
    case IDC_OUT_CONTRAST:
      s.contrast = static_cast<uint32_t>(surface_.trackPos(id));
      drv.DRV_SET_TV_CONTRAST(s.contrast);
      break;
    case IDC_OUT_COLOUR:
      s.colour = static_cast<uint32_t>(surface_.trackPos(id));
      drv.DRV_SET_TV_COLOUR(s.colour);
      break;
    case IDC_OUT_TINT:
      s.tint = static_cast<uint32_t>(surface_.trackPos(id));
      drv.DRV_SET_TV_TINT(s.tint);
      break;
    case IDC_OUT_HORZ_SIZE: {
      const uint32_t pos = static_cast<uint32_t>(surface_.trackPos(id));
      uint32_t v = pos;
      if (s.horzSizeInverted) v = pos <= s.horzSizeMax ? s.horzSizeMax - pos : 0;
      s.horzSize = v;
      if (s.sizesLinked)
        drv.DRV_SET_TV_SIZE(s.vertSize, s.lockRatio, static_cast<int32_t>(v));
      else
        drv.DRV_SET_TV_HORZ_SIZE(v);
      break;
    }
    case IDC_OUT_VERT_SIZE:
      s.vertSize = static_cast<uint32_t>(surface_.trackPos(id));
      drv.DRV_SET_TV_SIZE(s.vertSize, s.lockRatio, linkedHorz);
      break;
    case IDC_OUT_HORZ_POS:
      s.horzPos = static_cast<uint32_t>(surface_.spinPos(id)) & 0xFFFF;
      drv.DRV_SET_TV_POSITION(s.horzPosRange, s.horzPos, s.vertPosRange, s.vertPos);
      break;
    case IDC_OUT_VERT_POS:
      s.vertPos = static_cast<uint32_t>(surface_.spinPos(id)) & 0xFFFF;
      drv.DRV_SET_TV_POSITION(s.horzPosRange, s.horzPos, s.vertPosRange, s.vertPos);
      break;
    default:
      return;
  }
  surface_.enable(IDC_OUT_APPLY, true);
}

void OutputsDialog::scrolled(int id, int code) {
  if (code == kScrollEnded) scrollEnded(id);
}

int OutputsDialog::ok() {
  send();
  return 1;
}

void OutputsDialog::apply() {
  send();
  read(false);
}

void OutputsDialog::send() {
  DriverEscapes& drv = *model_.escapes;
  uint32_t supported = 0, standards = 0, active = 0;
  drv.DRV_GET_DISPLAY_CAPS(&supported, &standards);
  drv.DRV_GET_ACTIVE_DISPLAYS(&active);
  const uint32_t old = active & kDisplayMaskWritable;
  const int duo = duoViewOffered() ? (surface_.checked(IDC_OUT_DUOVIEW) ? 1 : 0) : -1;
  const uint32_t mask = nextDisplayMask(active, supported, surface_.checked(IDC_OUT_CRT),
                                        surface_.checked(IDC_OUT_TV), surface_.checked(IDC_OUT_LCD), duo);
  if (mask != old && !drv.DRV_SET_ACTIVE_DISPLAYS(mask)) {
    ShowMessageBox(*model_.boxes, model_.owner, "Could not set displays.", "Vidarix", kMbIconExclamation);
  }
  if (mask & DISPLAY_LCD) {
    const uint32_t code = surface_.checked(IDC_OUT_EXPAND_LCD) ? kExpansionOn : kExpansionOff;
    drv.DRV_SET_HORZ_EXPANSION(code);
    drv.DRV_SET_VERT_EXPANSION(code);
  }
  if (mask & DISPLAY_TV) {
    const int sel = surface_.selection(IDC_OUT_TV_STANDARD);
    uint32_t current = 0;
    if (sel >= 0 && drv.DRV_GET_TV_STANDARD(&current)) {
      const uint32_t chosen = static_cast<uint32_t>(surface_.itemData(IDC_OUT_TV_STANDARD, sel));
      if (chosen != current) drv.DRV_SET_TV_STANDARD(chosen);
    }
    if (model_.identity->has(kCapTvRca) || model_.identity->has(kCapTvSVideo)) {
      const int port = surface_.selection(IDC_OUT_TV_PORT);
      if (port >= 0 && drv.DRV_GET_TV_PORT(&current)) {
        const uint32_t chosen = static_cast<uint32_t>(surface_.itemData(IDC_OUT_TV_PORT, port));
        if (chosen != current) drv.DRV_SET_TV_PORT(chosen);
      }
    }
  }
  surface_.enable(IDC_OUT_APPLY, false);
}

bool OutputsDialog::command(int id, int code) {
  switch (id) {
    case IDC_OUT_CRT:
    case IDC_OUT_TV:
    case IDC_OUT_LCD:
    case IDC_OUT_FLAT:
    case IDC_OUT_DUOVIEW:
    case IDC_OUT_EXPAND_LCD:
      surface_.enable(IDC_OUT_APPLY, true);
      return true;
    case IDC_OUT_TV_STANDARD:
    case IDC_OUT_TV_PORT:
      if (code != kListSelectionChanged) return false;
      surface_.enable(IDC_OUT_APPLY, true);
      return true;
    case IDC_OUT_FLICKER:
      state_.flickerOn = surface_.checked(id) ? 1 : 0;
      surface_.enable(IDC_OUT_FLICKER_LEVEL, state_.flickerOn && state_.flickerMax > 1);
      model_.escapes->DRV_SET_FLICKER(state_.flickerOn, state_.flickerLevel);
      surface_.enable(IDC_OUT_APPLY, true);
      return true;
    case IDC_OUT_LOCK_RATIO:
      state_.lockRatio = surface_.checked(id) ? 1 : 0;
      surface_.enable(IDC_OUT_HORZ_SIZE, state_.horzSizeMax && !state_.lockRatio);
      model_.escapes->DRV_SET_TV_SIZE(state_.vertSize, state_.lockRatio,
                                      state_.sizesLinked ? static_cast<int32_t>(state_.horzSize) : -1);
      surface_.enable(IDC_OUT_APPLY, true);
      return true;
    default:
      return false;
  }
}

}  // namespace vdx

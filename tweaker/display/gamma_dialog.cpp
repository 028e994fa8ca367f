#include "tweaker/display/gamma_dialog.h"

#include <cstdio>

#include "tweaker/common/registry_utils.h"
#include "tweaker/common/text_format.h"
#include "tweaker/resources/resource.h"
#include "tweaker/ui/message_box.h"

namespace vdx {

namespace {

struct StorageItem {
  const char* text;
  GammaType type;
};
const StorageItem kStorageItems[] = {
    {"By resolution + colour", GAMMA_BY_MODE},
    {"By colour depth", GAMMA_BY_BPP},
    {"Globally", GAMMA_GLOBAL},
    {"Disabled", GAMMA_DISABLED},
};

const int kChannelButtons[] = {IDC_GAMMA_RED, IDC_GAMMA_GREEN, IDC_GAMMA_BLUE, IDC_GAMMA_ALL};

int sliderPos(float v) { return static_cast<int>(v * 100 + 0.05f); }

void setFigure(DialogSurface& surface, int id, float v) {
  char text[16];
  formatText(text, sizeof text, "%.2f", v);
  surface.setText(id, text);
}

}  // namespace

void GammaDialog::init() {
  const bool two = model_.identity->has(kCapTwoDisplays);
  for (int id : {IDC_GAMMA_DISPLAY1, IDC_GAMMA_DISPLAY2}) {
    surface_.show(id, two);
    surface_.enable(id, two);
  }
  if (two) surface_.setChecked(IDC_GAMMA_DISPLAY1, true);
  GammaRamp hardware;
  model_.escapes->GetGammaRamp(&hardware);
  s_.savedTable = hardware;
  ApplyStoredGamma(model_.hw, *model_.identity, model_.gammaType, *model_.escapes, &s_);
  s_.savedValues = s_.values;
  for (const StorageItem& item : kStorageItems) {
    const int index = surface_.addItem(IDC_GAMMA_STORAGE, item.text, item.type);
    if (item.type == model_.gammaType) surface_.select(IDC_GAMMA_STORAGE, index);
  }
  surface_.enable(kApplyId, false);
  surface_.setTrackRange(IDC_GAMMA_SLIDER, 10, 300);
  surface_.setTrackTicFrequency(IDC_GAMMA_SLIDER, 10);
  surface_.setTrackRange(IDC_GAMMA_BRIGHT_SLIDER, 0, 300);
  surface_.setTrackTicFrequency(IDC_GAMMA_BRIGHT_SLIDER, 10);
  show(true);
}

void GammaDialog::show(bool moveSliders) {
  int index = 0;
  int button = 0;
  if (s_.selection == kGammaAllChannels) {
    button = IDC_GAMMA_ALL;
  } else if (s_.selection & kGammaRed) {
    button = IDC_GAMMA_RED;
  } else if (s_.selection & kGammaGreen) {
    button = IDC_GAMMA_GREEN, index = 1;
  } else if (s_.selection & kGammaBlue) {
    button = IDC_GAMMA_BLUE, index = 2;
  }
  for (int id : kChannelButtons) surface_.setChecked(id, id == button);
  setFigure(surface_, IDC_GAMMA_VALUE, s_.values.gamma[index]);
  setFigure(surface_, IDC_GAMMA_BRIGHT_VALUE, s_.values.bright[index]);
  if (!moveSliders) return;
  surface_.setTrackPos(IDC_GAMMA_SLIDER, sliderPos(s_.values.gamma[index]));
  surface_.setTrackPos(IDC_GAMMA_BRIGHT_SLIDER, sliderPos(s_.values.bright[index]));
}

void GammaDialog::preview() {
  BuildGammaTable(&s_);
  model_.escapes->SetGammaRamp(s_.table, false);
  surface_.enable(kApplyId, true);
  s_.dirty = true;
}

void GammaDialog::scrolled(int id, int) {
  if (id != IDC_GAMMA_SLIDER && id != IDC_GAMMA_BRIGHT_SLIDER) return;
  const float v = surface_.trackPos(id) * 0.01f;
  float* field = id == IDC_GAMMA_SLIDER ? s_.values.gamma : s_.values.bright;
  for (int c = 0; c < 3; ++c) {
    if (s_.selection & (1 << c)) field[c] = v;  // -1 has every bit set
  }
  preview();
  show(false);
}

void GammaDialog::takeStorageType() {
  const int index = surface_.selection(IDC_GAMMA_STORAGE);
  if (index < 0) return;
  model_.gammaType = static_cast<GammaType>(surface_.itemData(IDC_GAMMA_STORAGE, index));
  result_.gammaType = model_.gammaType;
}

void GammaDialog::commit() {
  model_.escapes->SetGammaRamp(s_.table, true);
  s_.savedValues = s_.values;
  s_.savedTable = s_.table;
  s_.dirty = false;
}

int GammaDialog::ok() {
  takeStorageType();
  commit();
  RegKey card;
  if (openCardKey(*model_.hw.registry, *model_.identity, &card) == 0) {
    const GammaType type = model_.gammaType;
    if (type != GAMMA_DISABLED) {
      writeStringValue(card,
                       gammaValueName(type, static_cast<int>(s_.width), static_cast<int>(s_.height),
                                      static_cast<int>(s_.bitsPerPixel)),
                       formatStoredGamma(s_.values));
    }
    writeStringValue(card, "GammaType", gammaTypeText(type));
  }
  return kIdOk;
}

int GammaDialog::cancel() {
  model_.escapes->SetGammaRamp(s_.savedTable, false);
  return kIdCancel;
}

void GammaDialog::apply() {
  takeStorageType();
  if (s_.dirty) commit();
  surface_.enable(kApplyId, false);
  if (!model_.applied) return;
  model_.applied(result_);
  result_ = {};  // taken: Cancel after Apply has nothing left to hand over
}

bool GammaDialog::command(int id) {
  switch (id) {
    case IDC_GAMMA_RED:
    case IDC_GAMMA_GREEN:
    case IDC_GAMMA_BLUE:
      s_.selection = static_cast<int16_t>(1 << (id - IDC_GAMMA_RED));
      show(true);
      return true;
    case IDC_GAMMA_ALL:
      s_.selection = kGammaAllChannels;
      for (int c = 1; c < 3; ++c) {
        s_.values.gamma[c] = s_.values.gamma[0];
        s_.values.bright[c] = s_.values.bright[0];
      }
      preview();
      show(true);
      return true;
    case IDC_GAMMA_DEFAULT:
      s_.values = StoredGamma();
      preview();
      show(true);
      return true;
    case IDC_GAMMA_DISPLAY1:
    case IDC_GAMMA_DISPLAY2:
      return true;  // the table goes to whichever display the driver addresses
    default:
      return false;
  }
}

}  // namespace vdx

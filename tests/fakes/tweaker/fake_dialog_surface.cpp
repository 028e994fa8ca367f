#include "tests/fakes/tweaker/fake_dialog_surface.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "rc_dialog_controls.h"  // made at build time from tweaker/resources/*.rc

namespace vdx {

FakeDialogSurface FakeDialogSurface::forDialog(int dialogId) {
  for (const rc::DialogControls& d : rc::kDialogs) {
    if (d.dialogId == dialogId && d.controlIds) {
      return FakeDialogSurface(std::vector<int>(d.controlIds, d.controlIds + d.controlCount));
    }
  }
  ADD_FAILURE() << "no dialog resource with id " << dialogId << " in tweaker/resources/*.rc";
  return FakeDialogSurface(std::vector<int>());
}

FakeDialogSurface::FakeDialogSurface(const std::vector<int>& ids) {
  controls_[0];
  for (int id : ids) controls_[id];
}

FakeControl* FakeDialogSurface::find(int id) {
  auto it = controls_.find(id);
  if (it != controls_.end()) return &it->second;
  unknown_.push_back(id);
  ADD_FAILURE() << "dialog has no control with id " << id;
  scratch_ = FakeControl();
  return &scratch_;
}

FakeControl& FakeDialogSurface::control(int id) { return *find(id); }

void FakeDialogSurface::setText(int id, const std::string& text) { find(id)->text = text; }
std::string FakeDialogSurface::text(int id) { return find(id)->text; }
void FakeDialogSurface::setChecked(int id, bool on) { find(id)->checked = on; }
bool FakeDialogSurface::checked(int id) { return find(id)->checked; }
void FakeDialogSurface::enable(int id, bool on) { find(id)->enabled = on; }
bool FakeDialogSurface::enabled(int id) { return find(id)->enabled; }
void FakeDialogSurface::show(int id, bool on) { find(id)->visible = on; }
bool FakeDialogSurface::visible(int id) { return find(id)->visible; }

void FakeDialogSurface::setTrackRange(int id, int minimum, int maximum) {
  FakeControl* c = find(id);
  c->rangeMin = minimum;
  c->rangeMax = maximum;
  c->pos = std::min(std::max(c->pos, minimum), maximum);
}
void FakeDialogSurface::setTrackTicFrequency(int id, int every) { find(id)->ticEvery = every; }
// A track bar keeps its position inside its range, as the real control does.
void FakeDialogSurface::setTrackPos(int id, int pos) {
  FakeControl* c = find(id);
  c->pos = std::min(std::max(pos, c->rangeMin), c->rangeMax);
}
int FakeDialogSurface::trackPos(int id) { return find(id)->pos; }

void FakeDialogSurface::setSpinRange(int id, int lower, int upper) {
  FakeControl* c = find(id);
  c->rangeMin = static_cast<short>(lower);
  c->rangeMax = static_cast<short>(upper);
}
void FakeDialogSurface::setSpinPos(int id, int pos) { find(id)->pos = static_cast<short>(pos); }
int FakeDialogSurface::spinPos(int id) { return find(id)->pos & 0xFFFF; }

void FakeDialogSurface::clearItems(int id) {
  FakeControl* c = find(id);
  c->items.clear();
  c->selection = -1;
}
int FakeDialogSurface::addItem(int id, const std::string& text, ItemData data) {
  FakeControl* c = find(id);
  c->items.emplace_back(text, data);
  return static_cast<int>(c->items.size()) - 1;
}
void FakeDialogSurface::removeItem(int id, int index) {
  FakeControl* c = find(id);
  if (index < 0 || index >= static_cast<int>(c->items.size())) return;
  c->items.erase(c->items.begin() + index);
  if (c->selection == index) c->selection = -1;
  else if (c->selection > index) --c->selection;
}
int FakeDialogSurface::itemCount(int id) { return static_cast<int>(find(id)->items.size()); }
std::string FakeDialogSurface::itemText(int id, int index) {
  FakeControl* c = find(id);
  if (index < 0 || index >= static_cast<int>(c->items.size())) return std::string();
  return c->items[static_cast<std::size_t>(index)].first;
}
ItemData FakeDialogSurface::itemData(int id, int index) {
  FakeControl* c = find(id);
  if (index < 0 || index >= static_cast<int>(c->items.size())) return -1;  // LB_ERR
  return c->items[static_cast<std::size_t>(index)].second;
}
void FakeDialogSurface::select(int id, int index) {
  FakeControl* c = find(id);
  c->selection = (index >= 0 && index < static_cast<int>(c->items.size())) ? index : -1;
}
int FakeDialogSurface::selection(int id) { return find(id)->selection; }
int FakeDialogSurface::findItem(int id, const std::string& text) {
  FakeControl* c = find(id);
  for (std::size_t i = 0; i < c->items.size(); ++i) {
    if (c->items[i].first == text) return static_cast<int>(i);
  }
  return -1;
}
void FakeDialogSurface::limitText(int id, int maxChars) { find(id)->limit = maxChars; }
void FakeDialogSurface::focus(int id) {
  find(id);
  focused_ = id;
}
void FakeDialogSurface::endDialog(int result) {
  ended_ = true;
  result_ = result;
}

}  // namespace vdx

// An in-memory dialog: the controls a dialog resource declares, with their
// state. Any call naming a control the dialog does not have fails the test,
// which is how a presenter drifting away from its .rc shows up.
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tweaker/ui/dialog_surface.h"

namespace vdx {

struct FakeControl {
  std::string text;
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  int rangeMin = 0, rangeMax = 100, ticEvery = 0, pos = 0;
  int limit = -1;  // -1: no limit set
  std::vector<std::pair<std::string, ItemData>> items;
  int selection = -1;
};

class FakeDialogSurface : public DialogSurface {
 public:
  // The controls dialog resource dialogId declares in tweaker/resources/*.rc
  // (an id no .rc holds fails the test).
  static FakeDialogSurface forDialog(int dialogId);
  // Exactly the given control ids, for controls no dialog resource holds yet;
  // id 0 (the title) always exists.
  explicit FakeDialogSurface(const std::vector<int>& ids);

  // Direct access for tests: the state of a control (fails on an unknown id).
  FakeControl& control(int id);
  bool has(int id) const { return controls_.count(id) != 0; }
  bool ended() const { return ended_; }
  int result() const { return result_; }
  int focused() const { return focused_; }
  // Control ids that were asked for but do not exist.
  const std::vector<int>& unknownIds() const { return unknown_; }

  void setText(int id, const std::string& text) override;
  std::string text(int id) override;
  void setChecked(int id, bool on) override;
  bool checked(int id) override;
  void enable(int id, bool on) override;
  bool enabled(int id) override;
  void show(int id, bool on) override;
  bool visible(int id) override;
  void setTrackRange(int id, int minimum, int maximum) override;
  void setTrackTicFrequency(int id, int every) override;
  void setTrackPos(int id, int pos) override;
  int trackPos(int id) override;
  void setSpinRange(int id, int lower, int upper) override;
  void setSpinPos(int id, int pos) override;
  int spinPos(int id) override;
  void clearItems(int id) override;
  int addItem(int id, const std::string& text, ItemData data = 0) override;
  void removeItem(int id, int index) override;
  int itemCount(int id) override;
  std::string itemText(int id, int index) override;
  ItemData itemData(int id, int index) override;
  void select(int id, int index) override;
  int selection(int id) override;
  int findItem(int id, const std::string& text) override;
  void limitText(int id, int maxChars) override;
  void focus(int id) override;
  void endDialog(int result) override;

 private:
  FakeControl* find(int id);

  std::map<int, FakeControl> controls_;
  std::vector<int> unknown_;
  FakeControl scratch_;  // answers calls on unknown ids after the failure is recorded
  bool ended_ = false;
  int result_ = 0;
  int focused_ = 0;
};

}  // namespace vdx

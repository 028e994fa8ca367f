// The controls of an open dialog, as a dialog's logic sees them: each call
// names a control by its resource id. The Win32 side sends the matching
// control messages; tests use an in-memory surface that rejects ids the
// dialog does not have, so logic and .rc cannot drift apart unnoticed.
#pragma once
#include <cstdint>
#include <string>

namespace vdx {

using ItemData = std::intptr_t;

class DialogSurface {
 public:
  virtual ~DialogSurface() = default;

  // Text of a static, edit box, button or the dialog's title (id 0).
  virtual void setText(int id, const std::string& text) = 0;
  virtual std::string text(int id) = 0;

  // Check boxes and radio buttons.
  virtual void setChecked(int id, bool on) = 0;
  virtual bool checked(int id) = 0;

  virtual void enable(int id, bool on) = 0;
  virtual bool enabled(int id) = 0;
  virtual void show(int id, bool on) = 0;
  virtual bool visible(int id) = 0;

  // Track bars.
  virtual void setTrackRange(int id, int minimum, int maximum) = 0;
  virtual void setTrackTicFrequency(int id, int every) = 0;
  virtual void setTrackPos(int id, int pos) = 0;
  virtual int trackPos(int id) = 0;

  // Up-down controls: 16-bit range and position.
  virtual void setSpinRange(int id, int lower, int upper) = 0;
  virtual void setSpinPos(int id, int pos) = 0;
  virtual int spinPos(int id) = 0;

  // List boxes and drop-down lists alike; an index is -1 when nothing is
  // selected or the item does not exist.
  virtual void clearItems(int id) = 0;
  virtual int addItem(int id, const std::string& text, ItemData data = 0) = 0;
  virtual void removeItem(int id, int index) = 0;
  virtual int itemCount(int id) = 0;
  virtual std::string itemText(int id, int index) = 0;
  virtual ItemData itemData(int id, int index) = 0;
  virtual void select(int id, int index) = 0;
  virtual int selection(int id) = 0;
  // Index of the first item whose text equals `text` exactly, or -1.
  virtual int findItem(int id, const std::string& text) = 0;

  // Edit boxes: the longest text the user may type.
  virtual void limitText(int id, int maxChars) = 0;

  // Moves the keyboard focus to a control.
  virtual void focus(int id) = 0;

  // Ends the modal dialog with a result.
  virtual void endDialog(int result) = 0;
};

}  // namespace vdx

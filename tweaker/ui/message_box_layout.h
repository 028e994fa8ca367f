// What a message box shows for a style word, and how it sizes itself to its
// text: plain values in, plain values out, so the arithmetic is testable
// without a window.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vdx {

// Controls of dialog 130.
constexpr int kMsgBoxDialogId = 130;
constexpr int kMsgBoxTextId = 2000;
constexpr int kMsgBoxIconMarkId = 2001;
constexpr int kMsgBoxFirstButtonId = 2011;
constexpr int kMsgBoxButtonSlots = 5;
// Posted to itself on every paint; draws the icon once painting is done.
constexpr uint32_t UM_DRAW_ICON = 0x800;

// System icon ids (IDI_HAND ... IDI_ASTERISK); 0 = no icon.
constexpr int kIconHand = 32513;
constexpr int kIconQuestion = 32514;
constexpr int kIconExclamation = 32515;
constexpr int kIconAsterisk = 32516;

struct MessageBoxButton {
  int id;            // also the result code
  const char* text;
};

struct MessageBoxChoice {
  std::vector<MessageBoxButton> buttons;
  int defaultId = 0;      // the button the countdown and Enter press
  int defaultIndex = 0;
  int icon = 0;           // system icon id or 0
  bool closeEnabled = true;  // system menu Close; greyed without a Cancel-like button
  bool topmost = false;
  bool foreground = false;
};

MessageBoxChoice chooseMessageBox(uint32_t style);

// True for the ids that end the box (1 to 7 and 11) when the notification
// code is 0 (a click, Enter or Esc).
bool endsMessageBox(int id, int notifyCode);

// Rectangles in pixels, client coordinates for controls.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

struct MessageBoxLayoutInput {
  int dialogWidth = 0;    // the window, frame included
  int dialogHeight = 0;
  int clientHeight = 0;
  PixelRect text;         // control 2000 as the resource places it
  PixelRect firstButton;  // control 2011 as the resource places it
  int buttonCount = 1;
  bool hasIcon = false;
  int iconWidth = 32;     // SM_CXICON
  int dialogFrameWidth = 3;  // SM_CXDLGFRAME
  std::vector<int> lineWidths;  // each "\n"-separated line, measured in the control's font
  int lineHeight = 13;
};

struct MessageBoxLayout {
  int dialogWidth = 0;
  int dialogHeight = 0;
  PixelRect text;
  std::vector<PixelRect> buttons;  // left to right
  int growth = 0;                  // G: height added for the text
};

MessageBoxLayout layoutMessageBox(const MessageBoxLayoutInput& in);

// Splits at "\n" (a trailing "\n" ends an empty last line).
std::vector<std::string> splitMessageLines(const std::string& text);

// The countdown that answers the box itself: whole seconds, one tick a second.
class MessageBoxCountdown {
 public:
  // A time-out in milliseconds; 0 or less means none. Rounded up to whole seconds.
  explicit MessageBoxCountdown(long timeoutMs);
  bool running() const { return remainingMs_ > 0; }
  long remainingMs() const { return remainingMs_; }
  // One timer tick; true when the time has just run out.
  bool tick();

 private:
  long remainingMs_;
};

}  // namespace vdx

#include "tweaker/ui/message_box_layout.h"

#include <algorithm>

#include "tweaker/ui/message_box.h"

namespace vdx {

namespace {

// A constant table rather than a function-local static: nothing to build at
// run time, and no thread-safe initialisation guard pulled into the program.
struct ButtonSet {
  uint32_t bits;
  int count;
  MessageBoxButton buttons[4];
  bool closeEnabled;
};

constexpr ButtonSet kButtonSets[] = {
    {kMbOk, 1, {{kIdOk, "OK"}}, false},
    {kMbOkCancel, 2, {{kIdOk, "OK"}, {kIdCancel, "Cancel"}}, true},
    {kMbAbortRetryIgnore, 3, {{kIdAbort, "&Abort"}, {kIdRetry, "&Retry"}, {kIdIgnore, "&Ignore"}}, false},
    {kMbYesNoCancel, 3, {{kIdYes, "&Yes"}, {kIdNo, "&No"}, {kIdCancel, "Cancel"}}, true},
    {kMbYesNo, 2, {{kIdYes, "&Yes"}, {kIdNo, "&No"}}, false},
    {kMbRetryCancel, 2, {{kIdRetry, "&Retry"}, {kIdCancel, "Cancel"}}, true},
    {kMbYesAllNoCancel, 4, {{kIdYes, "&Yes"}, {IDYESTOALL, "Yes to &all"}, {kIdNo, "&No"}, {kIdCancel, "Cancel"}}, true},
};

struct IconRow {
  uint32_t bits;
  int icon;
};
constexpr IconRow kIcons[] = {
    {kMbIconHand, kIconHand},
    {kMbIconQuestion, kIconQuestion},
    {kMbIconExclamation, kIconExclamation},
    {kMbIconAsterisk, kIconAsterisk},
};

}  // namespace

MessageBoxChoice chooseMessageBox(uint32_t style) {
  MessageBoxChoice c;
  const uint32_t setBits = style & 0xF;
  // Sets the program never uses show a plain OK box.
  const ButtonSet* set = &kButtonSets[0];
  for (const ButtonSet& s : kButtonSets) {
    if (s.bits == setBits) set = &s;
  }
  c.buttons.assign(set->buttons, set->buttons + set->count);
  c.closeEnabled = set->closeEnabled;

  const int wanted = static_cast<int>((style & 0xF00) >> 8);
  c.defaultIndex = wanted < static_cast<int>(c.buttons.size()) ? wanted : 0;
  c.defaultId = c.buttons[static_cast<std::size_t>(c.defaultIndex)].id;

  for (const IconRow& r : kIcons) {
    if ((style & 0xF0) == r.bits) c.icon = r.icon;
  }
  c.topmost = (style & kMbSystemModal) != 0;
  c.foreground = (style & kMbSetForeground) != 0;
  return c;
}

bool endsMessageBox(int id, int notifyCode) {
  if (notifyCode != 0) return false;
  return (id >= kIdOk && id <= kIdNo) || id == IDYESTOALL;
}

MessageBoxLayout layoutMessageBox(const MessageBoxLayoutInput& in) {
  MessageBoxLayout out;
  out.dialogWidth = in.dialogWidth;
  out.dialogHeight = in.dialogHeight;
  out.text = in.text;

  // Room for the icon: the text's left edge moves, its right edge stays.
  if (in.hasIcon) out.text.left += in.iconWidth * 13 / 10;

  // Text fitting: one spare line, plus the wraps of lines wider than the control.
  const int controlWidth = std::max(1, out.text.width());
  const int lineHeight = std::max(0, in.lineHeight);
  int widest = 0;
  long lines = 1 + static_cast<long>(in.lineWidths.size());
  for (int w : in.lineWidths) {
    widest = std::max(widest, w);
    if (w > controlWidth) lines += w / controlWidth;
  }
  if (widest < out.text.width()) {
    const int narrower = out.text.width() - (widest + 1);
    out.text.right = out.text.left + widest + 1;
    out.dialogWidth -= narrower;
  }
  const long needed = lines * lineHeight;
  if (needed > out.text.height()) {
    out.growth = static_cast<int>(needed + 1 - out.text.height());
    out.text.bottom = out.text.top + static_cast<int>(needed) + 1;
    out.dialogHeight += out.growth;
  }

  // Button row: never narrower than the buttons' slots plus an icon's width.
  const int n = std::max(1, in.buttonCount);
  const int bw = in.firstButton.width();
  const int bh = in.firstButton.height();
  const int rowWidth = n * (bw + 3 * in.dialogFrameWidth);
  if (out.dialogWidth < in.iconWidth + rowWidth) out.dialogWidth = in.iconWidth + rowWidth;
  const int slot = rowWidth / n;
  int left = (out.dialogWidth - rowWidth) / 2 + (slot - bw) / 2;
  const int top = in.firstButton.top + out.growth;
  for (int i = 0; i < n; ++i) {
    out.buttons.push_back(PixelRect{left, top, left + bw, top + bh});
    left += slot;
  }
  const int clientBottom = in.clientHeight + out.growth;
  if (top + bh > clientBottom) out.dialogHeight += top + bh + 8 - clientBottom;
  return out;
}

std::vector<std::string> splitMessageLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  for (;;) {
    std::string::size_type nl = text.find('\n', start);
    if (nl == std::string::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, nl - start));
    start = nl + 1;
  }
}

MessageBoxCountdown::MessageBoxCountdown(long timeoutMs)
    : remainingMs_(timeoutMs > 0 ? (timeoutMs + 999) / 1000 * 1000 : 0) {}

bool MessageBoxCountdown::tick() {
  if (remainingMs_ <= 0) return false;
  remainingMs_ -= 1000;
  return remainingMs_ <= 0;
}

}  // namespace vdx

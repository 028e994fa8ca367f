// The message box's choices for a style word and its sizing arithmetic.
#include <gtest/gtest.h>

#include "tweaker/ui/message_box.h"
#include "tweaker/ui/message_box_layout.h"

namespace vdx {
namespace {

std::vector<int> ids(const MessageBoxChoice& c) {
  std::vector<int> out;
  for (const MessageBoxButton& b : c.buttons) out.push_back(b.id);
  return out;
}

TEST(MessageBoxChoice, EveryButtonSetHasItsButtonsAndCloseRule) {
  struct Row {
    uint32_t style;
    std::vector<int> ids;
    bool close;
  } rows[] = {
      {kMbOk, {1}, false},
      {kMbOkCancel, {1, 2}, true},
      {kMbAbortRetryIgnore, {3, 4, 5}, false},
      {kMbYesNoCancel, {6, 7, 2}, true},
      {kMbYesNo, {6, 7}, false},
      {kMbRetryCancel, {4, 2}, true},
      {kMbYesAllNoCancel, {6, 11, 7, 2}, true},
  };
  for (const Row& r : rows) {
    MessageBoxChoice c = chooseMessageBox(r.style);
    EXPECT_EQ(r.ids, ids(c)) << "style " << r.style;
    EXPECT_EQ(r.close, c.closeEnabled) << "style " << r.style;
  }
  MessageBoxChoice all = chooseMessageBox(kMbYesAllNoCancel);
  EXPECT_STREQ("Yes to &all", all.buttons[1].text);
  EXPECT_EQ(IDYESTOALL, all.buttons[1].id);
}

TEST(MessageBoxChoice, UnusedButtonSetsFallBackToOk) {
  for (uint32_t set : {6u, 9u, 11u, 15u}) EXPECT_EQ(std::vector<int>{1}, ids(chooseMessageBox(set)));
}

TEST(MessageBoxChoice, DefaultButtonOnlyWhenTheSetHasThatMany) {
  EXPECT_EQ(kIdNo, chooseMessageBox(kMbYesNo | kMbDefButton2).defaultId);
  EXPECT_EQ(kIdYes, chooseMessageBox(kMbYesNo | kMbDefButton3).defaultId);
  EXPECT_EQ(kIdCancel, chooseMessageBox(kMbYesNoCancel | kMbDefButton3).defaultId);
  EXPECT_EQ(kIdCancel, chooseMessageBox(kMbYesAllNoCancel | kMbDefButton4).defaultId);
  EXPECT_EQ(kIdOk, chooseMessageBox(kMbOk | kMbDefButton2).defaultId);
  EXPECT_EQ(0, chooseMessageBox(kMbYesNo | kMbDefButton3).defaultIndex);
}

TEST(MessageBoxChoice, IconsAndWindowFlags) {
  EXPECT_EQ(kIconHand, chooseMessageBox(0x10).icon);
  EXPECT_EQ(kIconQuestion, chooseMessageBox(kMbYesNo | kMbIconQuestion).icon);
  EXPECT_EQ(kIconExclamation, chooseMessageBox(0x30).icon);
  EXPECT_EQ(kIconAsterisk, chooseMessageBox(0x40).icon);
  EXPECT_EQ(0, chooseMessageBox(0x50).icon);
  EXPECT_EQ(0, chooseMessageBox(0).icon);
  MessageBoxChoice c = chooseMessageBox(kMbSystemModal | kMbSetForeground);
  EXPECT_TRUE(c.topmost);
  EXPECT_TRUE(c.foreground);
  EXPECT_FALSE(chooseMessageBox(0).topmost);
}

TEST(MessageBoxCommands, OnlyResultCodesClickedEndTheBox) {
  for (int id : {1, 2, 3, 4, 5, 6, 7, 11}) EXPECT_TRUE(endsMessageBox(id, 0)) << id;
  for (int id : {0, 8, 10, 12, 2000, 2011}) EXPECT_FALSE(endsMessageBox(id, 0)) << id;
  EXPECT_FALSE(endsMessageBox(kIdOk, 1));  // a notification, not a press
}

// Dialog 130 in pixels at the usual 6 x 13 dialog-unit base: 280 x 41 units.
MessageBoxLayoutInput baseInput() {
  MessageBoxLayoutInput in;
  in.dialogWidth = 426;
  in.dialogHeight = 94;
  in.clientHeight = 67;
  in.text = PixelRect{12, 13, 408, 26};
  in.firstButton = PixelRect{28, 33, 100, 57};
  in.iconWidth = 32;
  in.dialogFrameWidth = 3;
  in.lineHeight = 13;
  return in;
}

TEST(MessageBoxLayout, ShortLineNarrowsTheBoxButNotBelowButtonsAndIcon) {
  MessageBoxLayoutInput in = baseInput();
  in.buttonCount = 2;
  in.lineWidths = {100};
  MessageBoxLayout out = layoutMessageBox(in);
  EXPECT_EQ(101, out.text.width());
  // 426 - (396 - 101) = 131 is narrower than icon + 2 x (72 + 9) = 194.
  EXPECT_EQ(194, out.dialogWidth);

  in.lineWidths = {300};
  out = layoutMessageBox(in);
  EXPECT_EQ(301, out.text.width());
  EXPECT_EQ(426 - (396 - 301), out.dialogWidth);
}

TEST(MessageBoxLayout, ThreeLinesGetFourLineHeightsAndMoveTheButtons) {
  MessageBoxLayoutInput in = baseInput();
  in.lineWidths = {50, 60, 70};
  MessageBoxLayout out = layoutMessageBox(in);
  EXPECT_EQ(4 * 13 + 1, out.text.height());
  EXPECT_EQ(4 * 13 + 1 - 13, out.growth);
  EXPECT_EQ(94 + out.growth, out.dialogHeight);
  EXPECT_EQ(33 + out.growth, out.buttons[0].top);
}

TEST(MessageBoxLayout, OneLineNeedsTwoLineHeights) {
  // 1 + 1 lines = 26 pixels exceed the 13-pixel control: the box grows by 14.
  MessageBoxLayoutInput in = baseInput();
  in.lineWidths = {100};
  EXPECT_EQ(14, layoutMessageBox(in).growth);
}

TEST(MessageBoxLayout, LineTwiceAsWideAsTheControlCountsForThree) {
  MessageBoxLayoutInput in = baseInput();
  in.lineWidths = {2 * 396};
  MessageBoxLayout out = layoutMessageBox(in);
  EXPECT_EQ((1 + 1 + 2) * 13 + 1, out.text.height());
  EXPECT_EQ(396, out.text.width());  // not narrowed
  EXPECT_EQ(426, out.dialogWidth);
}

TEST(MessageBoxLayout, IconMovesTheLeftEdgeOnly) {
  MessageBoxLayoutInput in = baseInput();
  in.hasIcon = true;
  in.lineWidths = {1000};
  MessageBoxLayout out = layoutMessageBox(in);
  EXPECT_EQ(12 + 32 * 13 / 10, out.text.left);
  EXPECT_EQ(408, out.text.right);
}

TEST(MessageBoxLayout, ButtonRowIsCentredInEqualSlots) {
  MessageBoxLayoutInput in = baseInput();
  in.buttonCount = 4;
  in.lineWidths = {1000};
  MessageBoxLayout out = layoutMessageBox(in);
  ASSERT_EQ(4u, out.buttons.size());
  const int row = 4 * (72 + 9);
  EXPECT_EQ((426 - row) / 2 + (81 - 72) / 2, out.buttons[0].left);
  for (int i = 1; i < 4; ++i) EXPECT_EQ(out.buttons[0].left + 81 * i, out.buttons[i].left);
  for (const PixelRect& b : out.buttons) EXPECT_EQ(72, b.width());
}

TEST(MessageBoxLayout, ButtonsBelowTheClientAreaGrowTheBoxWithAMargin) {
  MessageBoxLayoutInput in = baseInput();
  in.lineWidths = {1000};
  in.firstButton = PixelRect{28, 60, 100, 84};  // bottom 84 past client 67 + growth
  MessageBoxLayout out = layoutMessageBox(in);
  const int clientBottom = 67 + out.growth;
  const int bottom = out.buttons[0].bottom;
  EXPECT_EQ(94 + out.growth + (bottom + 8 - clientBottom), out.dialogHeight);
}

TEST(MessageBoxLayout, EmptyMeasurementsDoNotDivideByZero) {
  MessageBoxLayoutInput in = baseInput();
  in.text = PixelRect{12, 13, 12, 13};  // zero-sized control
  in.lineWidths = {50, 0};
  MessageBoxLayout out = layoutMessageBox(in);
  EXPECT_GT(out.text.height(), 0);
}

TEST(MessageBoxText, SplitsAtNewlines) {
  EXPECT_EQ((std::vector<std::string>{"a", "", "b"}), splitMessageLines("a\n\nb"));
  EXPECT_EQ((std::vector<std::string>{"one"}), splitMessageLines("one"));
  EXPECT_EQ((std::vector<std::string>{"x", ""}), splitMessageLines("x\n"));
}

TEST(MessageBoxCountdown, RoundsUpToWholeSecondsAndExpiresOnce) {
  MessageBoxCountdown none(0);
  EXPECT_FALSE(none.running());
  EXPECT_FALSE(none.tick());
  EXPECT_FALSE(MessageBoxCountdown(-5).running());

  MessageBoxCountdown c(15000);
  int ticks = 0;
  while (!c.tick()) ++ticks;
  EXPECT_EQ(14, ticks);  // the 15th tick answers
  EXPECT_FALSE(c.tick());

  EXPECT_EQ(2000, MessageBoxCountdown(1001).remainingMs());
}

}  // namespace
}  // namespace vdx

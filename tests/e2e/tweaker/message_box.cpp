// The program's message box on a real dialog: one-line, three-line and
// four-button boxes (photographed), the default button, Enter, Esc, "Yes to
// &all" and the countdown. msgbox_show.exe (tests/msgbox-show) shows a box
// with the given style and exits with its result.
#include <string>

#include "tests/e2e/common/driver.h"

namespace {

std::string showExe() { return e2e::option("msgbox", "msgbox_show.exe"); }

struct Box {
  e2e::Process process;
  HWND dialog = nullptr;
};

Box open(const char* style, int timeout, const char* caption, const std::string& text) {
  Box b;
  b.process = e2e::launch(showExe(), std::string(style) + " " + std::to_string(timeout) + " \"" + caption + "\" \"" +
                                         text + "\"");
  b.dialog = e2e::waitDialog(b.process.id, caption, 5000);
  e2e::check(b.dialog != nullptr, std::string("the box \"") + caption + "\" appears");
  return b;
}

DWORD result(Box& b, int timeoutMs = 5000) {
  DWORD code = 0xDEADBEEF;
  if (!e2e::waitExit(b.process, timeoutMs, &code)) {
    e2e::check(false, "the box ends");
    e2e::kill(b.process);
  }
  return code;
}

RECT clientRectOf(HWND dialog, int id) {
  RECT r = {0, 0, 0, 0};
  HWND c = e2e::control(dialog, id);
  if (c) {
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}

bool visible(HWND w) { return w && (GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE); }

}  // namespace

E2E_SCENARIO(msgbox_one_line_narrows_and_enter_presses_ok) {
  Box b = open("0x40", 0, "One line", "The display settings were changed.");
  if (!b.dialog) return;
  e2e::pause(300);
  e2e::screenshot("vidarix-msgbox-one-line");
  RECT r;
  GetWindowRect(b.dialog, &r);
  // 280 dialog units are well over 400 pixels; the box narrows to its text.
  e2e::check(r.right - r.left < 400, "the box is narrower than the resource", std::to_string(r.right - r.left));
  HWND ok = e2e::control(b.dialog, 1);
  e2e::check(ok != nullptr && e2e::text(ok) == "OK", "one button, \"OK\", with result id 1");
  e2e::check(!visible(e2e::control(b.dialog, 2011)) && !visible(e2e::control(b.dialog, 2012)),
             "unused button slots are hidden");
  RECT t = clientRectOf(b.dialog, 2000);
  e2e::check(t.left > 40, "the icon pushes the text to the right", std::to_string(t.left));
  e2e::keys(b.dialog, {VK_RETURN});
  e2e::checkEq(1, static_cast<long long>(result(b)), "Enter presses OK");
}

E2E_SCENARIO(msgbox_three_lines_and_esc_gives_cancel) {
  Box b = open("0x24", 0, "Three lines", "First line of the question.\\nSecond line.\\nThird line, the last one.");
  if (!b.dialog) return;
  e2e::pause(300);
  e2e::screenshot("vidarix-msgbox-three-lines");
  RECT one = clientRectOf(b.dialog, 2000);
  const int height = one.bottom - one.top;
  // Four line heights (one spare line) plus one pixel: at least 4 x 13 + 1 at 8 points.
  e2e::check(height >= 4 * 12 + 1 && height <= 4 * 20 + 1, "the text gets four line heights",
             std::to_string(height));
  e2e::checkEq("&Yes", e2e::text(e2e::control(b.dialog, 6)), "first button");
  e2e::checkEq("&No", e2e::text(e2e::control(b.dialog, 7)), "second button");
  e2e::keys(b.dialog, {VK_ESCAPE});
  e2e::checkEq(2, static_cast<long long>(result(b)), "Esc gives IDCANCEL on a Yes/No box");
}

E2E_SCENARIO(msgbox_four_buttons_yes_to_all) {
  Box b = open("0x2A", 0, "Four buttons", "A scheme of this name exists. Overwrite it?");
  if (!b.dialog) return;
  e2e::pause(300);
  e2e::screenshot("vidarix-msgbox-four-buttons");
  const int ids[] = {6, 11, 7, 2};
  const char* texts[] = {"&Yes", "Yes to &all", "&No", "Cancel"};
  int lastLeft = -1;
  bool ordered = true;
  for (int i = 0; i < 4; ++i) {
    e2e::checkEq(texts[i], e2e::text(e2e::control(b.dialog, ids[i])), "button " + std::to_string(i + 1));
    RECT r = clientRectOf(b.dialog, ids[i]);
    if (r.left <= lastLeft) ordered = false;
    lastLeft = r.left;
  }
  e2e::check(ordered, "buttons run left to right in set order");
  e2e::click(e2e::control(b.dialog, 11));
  e2e::checkEq(11, static_cast<long long>(result(b)), "\"Yes to &all\" returns 11");
}

E2E_SCENARIO(msgbox_countdown_presses_the_default_button) {
  // MB_YESNO | MB_DEFBUTTON2 with a time-out: nobody answers, No wins.
  Box b = open("0x104", 2, "Countdown", "Keep these settings?");
  if (!b.dialog) return;
  const DWORD start = GetTickCount();
  const DWORD code = result(b, 8000);
  const DWORD took = GetTickCount() - start;
  e2e::checkEq(7, static_cast<long long>(code), "the countdown answers No");
  e2e::check(took >= 1000 && took < 6000, "after about two seconds", std::to_string(took) + " ms");
}

E2E_SCENARIO(msgbox_default_button_beyond_the_set_is_the_first) {
  // MB_YESNO | MB_DEFBUTTON3: only two buttons, so Yes is the default.
  Box b = open("0x204", 0, "Default", "Which one?");
  if (!b.dialog) return;
  e2e::keys(b.dialog, {VK_RETURN});
  e2e::checkEq(6, static_cast<long long>(result(b)), "Enter presses Yes");
}

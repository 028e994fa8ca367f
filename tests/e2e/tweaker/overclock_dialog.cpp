// The clocks in the running program: the Overclock dialog saves a higher
// Mclk into the card key and marks "Overclocked"; a start after a kill asks
// the crash-guard question, and "Yes" drops the saved speeds. Photographed.
#include <string>

#include "tests/e2e/tweaker/clock_fixture.h"

using namespace clockfx;

E2E_SCENARIO(overclock_save_then_crash_guard_yes) {
  FreshCard card;
  Running r = start();
  waitMain(r);
  HWND dialog = openOverclock(r);
  if (!dialog) return stop(r);
  e2e::pause(300);
  e2e::screenshot("vidarix-overclock-dialog");
  HWND slider = e2e::control(dialog, 1030);
  const LRESULT lo = SendMessageA(slider, TBM_GETRANGEMIN, 0, 0);
  const LRESULT hi = SendMessageA(slider, TBM_GETRANGEMAX, 0, 0);
  e2e::check(lo > 0 && hi > lo, "the Mclk slider has a range", std::to_string(lo) + ".." + std::to_string(hi));
  e2e::checkEq(25, SendMessageA(slider, TBM_GETPAGESIZE, 0, 0), "page size 25");
  e2e::check(e2e::text(e2e::control(dialog, 1032)).find("(Startup default)") != std::string::npos,
             "the Mclk label names the start-up clock", e2e::text(e2e::control(dialog, 1032)));
  // One step below the top: a higher Mclk than the card's own.
  SendMessageA(slider, TBM_SETPOS, TRUE, hi - 1);
  SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, hi - 1), reinterpret_cast<LPARAM>(slider));
  e2e::pause(200);
  const std::string label = e2e::text(e2e::control(dialog, 1032));
  e2e::check(label.find("(Startup default)") == std::string::npos, "the moved slider shows another clock", label);
  e2e::screenshot("vidarix-overclock-dialog-moved");
  e2e::click(e2e::control(dialog, 1));
  e2e::check(e2e::waitGone(dialog, 5000), "Save closes the dialog");
  const std::string saved = cardValue("MclkSpeed");
  e2e::check(saved != "<absent>" && saved.substr(0, 3) == label.substr(0, 3), "\"MclkSpeed\" holds the new clock",
             saved + " / " + label);
  e2e::checkEq("On", cardValue("Overclocked"), "\"Overclocked\" is on");

  // A kill ends no session: the next start asks.
  e2e::kill(r.process);
  e2e::pause(500);
  Running again = start();
  answerCrashGuard(again, true, "vidarix-overclock-crash-guard");
  waitMain(again);
  e2e::checkEq("<absent>", cardValue("MclkSpeed"), "\"Yes\" deletes \"MclkSpeed\"");
  e2e::checkEq("<absent>", cardValue("Overclocked"), "\"Yes\" deletes \"Overclocked\"");
  dialog = openOverclock(again);
  if (dialog) {
    e2e::check(e2e::text(e2e::control(dialog, 1032)).find("(Startup default)") != std::string::npos,
               "the chip runs at its start-up Mclk again", e2e::text(e2e::control(dialog, 1032)));
    e2e::click(e2e::control(dialog, 2));
    e2e::waitGone(dialog, 5000);
  }
  stop(again);
}

// The second round: after a kill and a restart of the machine (the chip at
// its power-up clocks), "No" keeps the saved speeds and programs them.
E2E_SCENARIO(overclock_z_crash_guard_no_keeps_and_programs) {
  FreshCard card;
  Running r = start();
  waitMain(r);
  const ChipClocks powerUp = chipClocks();
  if (!saveHigherMclk(r)) return stop(r);
  const ChipClocks saved = chipClocks();
  const std::string speed = cardValue("MclkSpeed");
  e2e::check(saved.mclkPair != powerUp.mclkPair, "Save programs the chip", powerUp.describe() + " -> " + saved.describe());
  e2e::kill(r.process);
  e2e::pause(500);
  requestMachineReset();
  Running again = start();
  const bool answered = answerCrashGuard(again, false);
  if (answered) {
    waitMain(again);
    e2e::checkEq(speed, cardValue("MclkSpeed"), "\"No\" keeps \"MclkSpeed\"");
    e2e::checkEq("On", cardValue("Overclocked"), "\"No\" keeps \"Overclocked\"");
    const ChipClocks now = chipClocks();
    e2e::checkEq(saved.mclkPair, now.mclkPair, "the saved Mclk is programmed into the chip (" + now.describe() + ")");
    e2e::check(now.mclk > powerUp.mclk + 1.0, "above the power-up Mclk", powerUp.describe() + " / " + now.describe());
    char text[16];
    wsprintfA(text, "%d.", static_cast<int>(now.mclk));
    e2e::check(speed.rfind(text, 0) == 0, "the chip runs at the saved speed", speed + " / " + now.describe());
  }
  stop(again);
}

// A chip without an engine clock: the Eclk row and the ratio controls are
// hidden and what is left is laid out whole. Photographed beside the Savage4's.
E2E_SCENARIO(overclock_z_dialog_without_engine_clock) {
  FreshCard card("Savage3D");
  Running r = start();
  waitMain(r);
  HWND dialog = r.main ? openOverclock(r) : nullptr;
  if (dialog) {
    e2e::pause(300);
    e2e::screenshot("vidarix-overclock-dialog-savage3d");
    for (int id : {1036, 1040, 1038, 1035, 1044, 1045, 1232, 1233, 1237, 1238})
      e2e::check(!IsWindowVisible(e2e::control(dialog, id)), "control " + std::to_string(id) + " is hidden");
    for (int id : {kMclkSlider, kMclkLabel, 1034, 1042, kMclkApply, 1234, 1235, 1, 2})
      e2e::check(IsWindowVisible(e2e::control(dialog, id)) != FALSE, "control " + std::to_string(id) + " is shown");
    e2e::check(e2e::text(e2e::control(dialog, kMclkLabel)).find("(Startup default)") != std::string::npos,
               "the Mclk label names the start-up clock", e2e::text(e2e::control(dialog, kMclkLabel)));
    // Save and Close take the hidden rows' place: below the Mclk row, with no
    // empty band under them.
    RECT apply, save, client;
    GetWindowRect(e2e::control(dialog, kMclkApply), &apply);
    GetWindowRect(e2e::control(dialog, 1), &save);
    GetClientRect(dialog, &client);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&apply), 2);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&save), 2);
    e2e::check(save.top > apply.bottom && save.top - apply.bottom < 30 && client.bottom - save.bottom < 20,
               "Save sits just under the Mclk row at the foot of the dialog",
               "Apply bottom " + std::to_string(apply.bottom) + ", Save " + std::to_string(save.top) + ".." +
                   std::to_string(save.bottom) + ", client " + std::to_string(client.bottom));
    e2e::click(e2e::control(dialog, 2));
    e2e::waitGone(dialog, 5000);
  }
  stop(r);
}

// Page Up and Page Down on a clock slider move it one unit (0.2 MHz), not
// the track bar's own page of 25.
E2E_SCENARIO(overclock_page_keys_move_one_unit) {
  FreshCard card;
  Running r = start();
  waitMain(r);
  HWND dialog = openOverclock(r);
  if (!dialog) return stop(r);
  e2e::pause(300);
  HWND slider = e2e::control(dialog, kMclkSlider);
  const LRESULT from = SendMessageA(slider, TBM_GETPOS, 0, 0);
  const struct {
    WPARAM key;
    LRESULT to;
    const char* what;
  } steps[] = {
      {VK_NEXT, from + 1, "Page Down moves one unit up"},
      {VK_NEXT, from + 2, "a second Page Down one more"},
      {VK_PRIOR, from + 1, "Page Up moves one unit down"},
  };
  for (const auto& s : steps) {
    SendMessageA(slider, WM_KEYDOWN, s.key, 0);
    SendMessageA(slider, WM_KEYUP, s.key, 0xC0000001);
    e2e::pause(100);
    e2e::checkEq(s.to, SendMessageA(slider, TBM_GETPOS, 0, 0), s.what);
  }
  e2e::screenshot("vidarix-overclock-dialog-paged");
  e2e::click(e2e::control(dialog, 2));
  e2e::waitGone(dialog, 5000);
  stop(r);
}

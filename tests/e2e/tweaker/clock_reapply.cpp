// The saved clocks come back after the events that lose them: a display
// change after a start with "-RD" alone (the reset's in-progress flag once
// stayed set and kept every clock off for the session), a resume notice after
// the card lost its power, and nothing at all after a start with SHIFT held,
// not even across a display change, until "&Apply" in the Overclock dialog.
//
// The simulated chip's clocks are read from its state file. "[Machine]
// PowerCycle=1" in the card file puts the running chip back at its power-up
// registers at its next register access; a request still pending afterwards
// means the program never went to the chip.
#include <string>

#include "tests/e2e/tweaker/clock_fixture.h"

using namespace clockfx;

namespace {

// The chip at the wanted clocks, after the program went to it once more.
void checkReapplied(const ChipClocks& wanted, const std::string& after) {
  e2e::check(!powerCyclePending(), after + ": Vidarix went to the chip");
  const ChipClocks now = chipClocks();
  e2e::checkEq(wanted.mclkPair, now.mclkPair, after + ": the chip runs at the wanted Mclk again (" + now.describe() + ")");
}

// Saves a higher Mclk in a session of its own and ends it with a plain Exit
// ("Overclocked" stays, so the next start asks). Returns the chip's clocks
// with the saved speed in force, or an empty record.
ChipClocks saveInASession() {
  Running r = start();
  waitMain(r);
  const ChipClocks before = chipClocks();
  ChipClocks saved;
  if (saveHigherMclk(r)) saved = chipClocks();
  e2e::check(!saved.mclkPair.empty() && saved.mclkPair != before.mclkPair, "Save programs the chip",
             before.describe() + " -> " + saved.describe());
  stop(r);
  return saved;
}

}  // namespace

E2E_SCENARIO(clock_reapply_after_rd_start_and_display_change) {
  FreshCard card;
  const int depth = screenDepth();
  const ChipClocks saved = saveInASession();
  if (saved.mclkPair.empty()) return;
  // The machine restarts: the chip is at its power-up clocks when "-RD" starts alone.
  requestMachineReset();
  Running r = start("-RD");
  if (!answerCrashGuard(r, false)) return stop(r);
  waitMain(r);
  e2e::checkEq(saved.mclkPair, chipClocks().mclkPair, "after a start with -RD the saved Mclk is programmed");
  // The card loses its clocks; the display change must bring them back.
  requestPowerCycle();
  e2e::pause(200);
  displayChange(depth);
  checkReapplied(saved, "a display change after -RD");
  // And again: the flag stays clear for the whole session.
  requestPowerCycle();
  e2e::pause(200);
  SendMessageTimeoutA(r.main, WM_DISPLAYCHANGE, static_cast<WPARAM>(depth),
                      MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)), SMTO_ABORTIFHUNG,
                      5000, nullptr);
  e2e::pause(700);
  checkReapplied(saved, "a second display change");
  stop(r);
}

E2E_SCENARIO(clock_reapply_after_resume_notice) {
  FreshCard card;
  Running r = start();
  waitMain(r);
  if (!saveHigherMclk(r)) return stop(r);
  const ChipClocks saved = chipClocks();
  // A suspend cut the card's power: it comes back at its own clocks.
  requestPowerCycle();
  e2e::pause(200);
  // PBT_APMPOWERSTATUSCHANGE is no resume: the chip is left alone.
  SendMessageTimeoutA(r.main, WM_POWERBROADCAST, 0x000A, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  e2e::pause(500);
  e2e::check(powerCyclePending(), "a power status change does not go to the chip");
  // NT's automatic resume, then the 98 family's user resume.
  SendMessageTimeoutA(r.main, WM_POWERBROADCAST, 0x0012 /* PBT_APMRESUMEAUTOMATIC */, 0, SMTO_ABORTIFHUNG, 5000,
                      nullptr);
  e2e::pause(700);
  checkReapplied(saved, "PBT_APMRESUMEAUTOMATIC");
  requestPowerCycle();
  e2e::pause(200);
  SendMessageTimeoutA(r.main, WM_POWERBROADCAST, 0x0007 /* PBT_APMRESUMESUSPEND */, 0, SMTO_ABORTIFHUNG, 5000,
                      nullptr);
  e2e::pause(700);
  checkReapplied(saved, "PBT_APMRESUMESUSPEND");
  const std::string label = mclkLabel(r);
  e2e::check(label.find("(Startup default)") == std::string::npos, "the dialog shows the saved Mclk", label);
  stop(r);
}

E2E_SCENARIO(clock_shift_at_start_sets_nothing_until_apply) {
  FreshCard card;
  const int depth = screenDepth();
  // A session saves a higher Mclk and exits plainly: the chip keeps running
  // at it, and the card key still holds the card's own as "MclkDef".
  const ChipClocks saved = saveInASession();
  if (saved.mclkPair.empty()) return;
  clearClockLog();

  // SHIFT goes down in the X display before the start.
  KeyFocusWindow keys;
  std::string why;
  const bool down = keys.key("keydown", "Shift_L", &why);
  e2e::check(down, "xdotool presses Shift_L in the X display", why);
  e2e::check((GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0, "Wine's GetAsyncKeyState sees the X key held");
  Running r = start();
  // SHIFT is read before the main window exists; the crash-guard question
  // comes while it does.
  r.main = e2e::waitWindow("VidarixCls", nullptr, 10000);
  HWND box = e2e::waitDialog(r.process.id, "Vidarix", 10000);
  const bool up = keys.key("keyup", "Shift_L", &why);
  e2e::check(up, "xdotool releases Shift_L", why);
  if (GetAsyncKeyState(VK_SHIFT) & 0x8000) {
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    e2e::check(false, "Wine's GetAsyncKeyState sees the key released");
  }
  e2e::check(box != nullptr, "the crash-guard question appears with SHIFT held");
  if (!answerCrashGuard(r, false)) return stop(r);
  waitMain(r);
  if (!r.main) return stop(r);
  int entries = 0;
  const std::string log = clockLog(&entries);
  e2e::checkEq(1, entries, "one \"Vidarix Clk\" entry in the scheme file");
  e2e::checkEq("Chip clock not set due to SHIFT key.|", log, "it says the clock was not set because of SHIFT");
  // Desired is now the card's own clock, the chip runs at the saved one: any
  // programming would show.
  e2e::checkEq(saved.mclkPair, chipClocks().mclkPair, "the start-up apply programs nothing");
  displayChange(depth);
  e2e::checkEq(saved.mclkPair, chipClocks().mclkPair, "a display change programs nothing either");
  e2e::checkEq(1, [] { int n = 0; clockLog(&n); return n; }(), "and logs nothing");

  // "&Apply" programs the Mclk the slider stands for, and clocks are allowed again.
  HWND dialog = openOverclock(r);
  if (!dialog) return stop(r);
  const LRESULT lo = SendMessageA(e2e::control(dialog, kMclkSlider), TBM_GETRANGEMIN, 0, 0);
  moveMclkSlider(dialog, lo + 10);
  const std::string label = e2e::text(e2e::control(dialog, kMclkLabel));
  e2e::click(e2e::control(dialog, kMclkApply));
  e2e::pause(500);
  const ChipClocks applied = chipClocks();
  e2e::check(applied.mclkPair != saved.mclkPair, "\"&Apply\" programs the chip", applied.describe());
  char mhz[16];
  wsprintfA(mhz, "%d.%d MHz", static_cast<int>(applied.mclk + 0.05), static_cast<int>((applied.mclk + 0.05) * 10) % 10);
  e2e::check(label.find(mhz) == 0, "at the clock the label showed", label + " / " + applied.describe());
  e2e::click(e2e::control(dialog, 2));
  e2e::waitGone(dialog, 5000);
  requestPowerCycle();
  e2e::pause(200);
  displayChange(depth);
  checkReapplied(applied, "a display change after \"&Apply\"");
  stop(r);
}

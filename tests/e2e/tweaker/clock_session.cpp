// The end of a Windows session puts the simulated chip back at its start-up
// clocks and clears "Overclocked"; a plain Exit leaves both as saved.
#include <string>

#include "tests/e2e/tweaker/clock_fixture.h"

using namespace clockfx;

E2E_SCENARIO(clock_session_end_restores_startup) {
  FreshCard card;
  Running r = start();
  waitMain(r);
  if (!saveHigherMclk(r)) return stop(r);
  SendMessageTimeoutA(r.main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  SendMessageTimeoutA(r.main, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  e2e::pause(300);
  e2e::checkEq("<absent>", cardValue("Overclocked"), "the end of the session removes \"Overclocked\"");
  const std::string label = mclkLabel(r);
  e2e::check(label.find("(Startup default)") != std::string::npos, "the chip is back at its start-up Mclk", label);
  stop(r);
  // A plain Exit keeps what was saved.
  Running again = start();
  waitMain(again);
  if (saveHigherMclk(again)) {
    PostMessageA(again.main, WM_COMMAND, IDM_EXIT, 0);
    if (!e2e::waitExit(again.process, 5000)) e2e::kill(again.process);
    e2e::checkEq("On", cardValue("Overclocked"), "after a plain Exit \"Overclocked\" stays");
  } else {
    stop(again);
  }
}

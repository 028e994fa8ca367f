// Vidarix's help file in Wine's WinHelp viewer, installed where the program
// looks for it (the HELP folder of the Windows folder): "&Help..." from the
// tray opens the file's contents under its title, and every help id of the
// program's table opens that control's topic through the file's context
// map. Wine's viewer takes HELP_CONTEXTPOPUP but shows nothing for it (a
// stub), so the ids are opened with HELP_CONTEXT, which looks them up in the
// same map; the topics file (--help-topics) names each id's title and opening
// words as the build wrote them.
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/tweaker/tray_session.h"

namespace {

struct Topic {
  int id = 0;
  std::string title;
  std::string opening;
};

std::vector<Topic> readTopics(const std::string& path) {
  std::vector<Topic> out;
  std::istringstream in(e2e::readFile(path));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t a = line.find('\t'), b = line.find('\t', a + 1);
    if (a == std::string::npos || b == std::string::npos) continue;
    out.push_back({std::atoi(line.c_str()), line.substr(a + 1, b - a - 1), line.substr(b + 1)});
  }
  return out;
}

std::string helpFilePath() {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, sizeof windows);
  return std::string(windows) + "\\HELP\\Vidarix.hlp";
}

HWND textPane(HWND viewer) {
  HWND found = nullptr;
  EnumChildWindows(
      viewer,
      [](HWND w, LPARAM out) CALLBACK -> BOOL {
        char cls[64] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (lstrcmpiA(cls, "RichEdit20A") != 0) return TRUE;
        *reinterpret_cast<HWND*>(out) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The whole text the viewer shows, which may be longer than e2e::text reads.
std::string paneText(HWND viewer) {
  HWND pane = textPane(viewer);
  if (!pane) return "";
  const LRESULT n = SendMessageA(pane, WM_GETTEXTLENGTH, 0, 0);
  if (n <= 0) return "";
  std::string s(static_cast<size_t>(n) + 1, '\0');
  const LRESULT got = SendMessageA(pane, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(&s[0]));
  s.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return s;
}

// Line breaks and runs of blanks as single blanks: the viewer wraps paragraphs.
std::string flat(const std::string& s) {
  std::string out;
  for (char c : s) {
    const bool blank = c == ' ' || c == '\r' || c == '\n' || c == '\t';
    if (blank && (out.empty() || out.back() == ' ')) continue;
    out += blank ? ' ' : c;
  }
  return out;
}

bool showsTopic(HWND viewer, const Topic& t) {
  const std::string text = flat(paneText(viewer));
  return text.find(t.title) != std::string::npos && text.find(t.opening) != std::string::npos;
}

HWND waitViewer(int timeoutMs) {
  for (int waited = 0; waited < timeoutMs; waited += 100, e2e::pause(100)) {
    HWND w = FindWindowA("MS_WINHELP", nullptr);
    if (w && IsWindowVisible(w) && textPane(w)) return w;
  }
  return nullptr;
}

}  // namespace

E2E_SCENARIO(help_file_opens_its_contents_and_every_controls_topic) {
  const std::vector<Topic> topics = readTopics(e2e::option("help-topics"));
  e2e::checkEq(89, static_cast<long long>(topics.size()), "the build names a topic for each of the 89 help ids");
  const std::string file = helpFilePath();
  e2e::check(GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES, "the help file is installed", file);

  tray::Prefs prefs;
  tray::Session s(prefs);
  if (!s.running()) return;
  HWND menu = s.openMenu();
  if (!menu) return;
  tray::mnemonic(menu, 'h');  // "&Help..."
  HWND viewer = waitViewer(10000);
  e2e::check(viewer != nullptr, "\"&Help...\" opens the WinHelp viewer");
  if (!viewer) return;
  e2e::pause(500);
  // Wine's viewer captions its window "Wine Help"; the title heads the contents.
  SetWindowPos(viewer, nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const std::string contents = flat(paneText(viewer));
  e2e::check(contents.rfind("Vidarix Help ", 0) == 0, "the contents begin with the file's title",
             contents.substr(0, 40));
  e2e::check(contents.find("Vidarix version " + e2e::option("version")) != std::string::npos,
             "the contents name the program's version", contents.substr(0, 80));
  for (const char* part : {"Vidarix is a tray applet", "Safe recovery", "Chapter 1: The tray menu",
                           "Chapter 10: Command-line switches"})
    e2e::check(contents.find(part) != std::string::npos, std::string("the contents show \"") + part + "\"",
               contents.substr(0, 80));
  e2e::screenshot("vidarix-help-contents");

  // Each id as a dialog's F1 would ask for it, and the viewer's answer.
  for (const Topic& t : topics) {
    WinHelpA(s.window(), file.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(t.id));
    bool shown = false;
    for (int i = 0; i < 30 && !(shown = showsTopic(viewer, t)); ++i) e2e::pause(100);
    e2e::check(shown, "help id " + std::to_string(t.id) + " opens \"" + t.title + "\"",
               flat(paneText(viewer)).substr(0, 120));
    if (t.id == 1030 || t.id == 1283 || t.id == 1299) e2e::screenshot("vidarix-help-" + std::to_string(t.id));
  }

  WinHelpA(s.window(), file.c_str(), HELP_QUIT, 0);
  e2e::check(e2e::waitGone(viewer, 5000), "HELP_QUIT closes the viewer");
}

// The end-to-end driver library: finds a program's windows under Wine, sends
// them messages, reads and clicks controls, reads the registry and INI files
// the program wrote, takes screenshots, and counts checks. Every wait is
// bounded; a check that fails says what it saw.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// ---- checks --------------------------------------------------------------
// check(): records one result; prints "ok" or "FAIL" with the detail.
bool check(bool ok, const std::string& what, const std::string& saw = "");
bool checkEq(const std::string& want, const std::string& got, const std::string& what);
bool checkEq(long long want, long long got, const std::string& what);
// Ends the run (the common main calls it): prints "NAME: N passed, N failed".
int finish(const char* name);
// Prints a section heading to the log.
void section(const std::string& title);

// ---- processes -------------------------------------------------------------
struct Process {
  HANDLE handle = nullptr;
  DWORD id = 0;
};
// Starts a program (path and arguments) in its own folder.
Process launch(const std::string& exe, const std::string& args = "");
// Waits for the process to end; false on time-out. exitCode may be null.
bool waitExit(Process& p, int timeoutMs, DWORD* exitCode = nullptr);
// Ends a process that is still running and closes its handle.
void kill(Process& p);

// ---- windows -------------------------------------------------------------
// Waits for a top-level window by class and/or title (either may be null).
HWND waitWindow(const char* cls, const char* title, int timeoutMs);
// Waits until the window is gone (or hidden when onlyHidden).
bool waitGone(HWND w, int timeoutMs);
bool waitHidden(HWND w, int timeoutMs);
bool waitVisible(HWND w, int timeoutMs);
// Child control by id, or null.
HWND control(HWND dialog, int id);
// Text of any window, another process's included.
std::string text(HWND w);
void setText(HWND w, const std::string& s);
// Presses a button as a user would.
void click(HWND button);
bool checked(HWND button);
// Visible top-level windows of a process, and the first dialog (#32770) among them.
std::vector<HWND> windowsOf(DWORD processId);
HWND waitDialog(DWORD processId, const char* title, int timeoutMs);
// The visible tracked popup menu (#32768), or null.
HWND waitPopupMenu(int timeoutMs);
bool waitNoPopupMenu(int timeoutMs);
// Whether the shell holds the notification icon `id` of `owner`: changing
// nothing succeeds only while it does.
bool trayIconPresent(HWND owner, UINT id);
// Sends keys to a window (WM_KEYDOWN/WM_KEYUP pairs), with a pause after each.
void keys(HWND w, const std::vector<UINT>& virtualKeys, int pauseMs = 60);
// Lets the program under test run for a while.
void pause(int ms);

// ---- registry and files -----------------------------------------------------
bool regReadDword(HKEY root, const char* path, const char* name, DWORD* out);
bool regReadString(HKEY root, const char* path, const char* name, std::string* out);
bool regReadBinary(HKEY root, const char* path, const char* name, std::vector<unsigned char>* out);
bool regWriteDword(HKEY root, const char* path, const char* name, DWORD v);
bool regWriteString(HKEY root, const char* path, const char* name, const std::string& v);
bool regWriteBinary(HKEY root, const char* path, const char* name, const void* data, DWORD size);
bool regExists(HKEY root, const char* path, const char* name);
void regDeleteValue(HKEY root, const char* path, const char* name);
void regDeleteTree(HKEY root, const char* path);
std::string iniRead(const std::string& file, const char* section, const char* key, const char* dflt = "");
std::string readFile(const std::string& path);
bool writeFile(const std::string& path, const std::string& data);

// ---- screenshots -------------------------------------------------------------
// Saves the whole screen as <TRAY_SCREENSHOTS or build/screenshots>/<name>.bmp;
// the suite turns the BMPs into PNGs.
bool screenshot(const std::string& name);

}  // namespace e2e

// ---- scenarios -------------------------------------------------------------
// A driver program is a set of scenarios, each in any file of the program:
//   E2E_SCENARIO(first_start_records_folder) { ... checks ... }
// The common main runs them in name order, or those whose names contain one
// of the program's arguments, and ends with finish().
namespace e2e {
using ScenarioFn = void (*)();
struct ScenarioRegistrar {
  ScenarioRegistrar(const char* name, ScenarioFn fn);
};
// Arguments given to the driver after the scenario filters ("--key=value").
std::string option(const char* key, const char* dflt = "");
}  // namespace e2e

#define E2E_SCENARIO(name)                                                  \
  static void e2e_scenario_##name();                                        \
  static ::e2e::ScenarioRegistrar e2e_registrar_##name(#name, e2e_scenario_##name); \
  static void e2e_scenario_##name()

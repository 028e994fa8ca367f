// TForm1: Memtidy's main window as logic. It owns the program-wide values,
// the settings, the monitor state and the tray icon, and reaches the window
// only through FormSurface. The Win32 front end routes every event here.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "memtool/errors.h"
#include "memtool/monitor.h"
#include "memtool/options_tab.h"
#include "memtool/os_family.h"
#include "memtool/form_surface.h"
#include "memtool/platform/services.h"
#include "memtool/settings.h"
#include "memtool/system_commands.h"
#include "memtool/tray_icon.h"
#include "memtool/tray_menu.h"

namespace mt {

extern const char kFormClassName[];  // "TForm1"
extern const char kFormTitle[];      // "Memtidy Manager"

// System commands the window handles itself.
constexpr uint32_t kScMinimize = 0xF020;
constexpr uint32_t kScClose = 0xF060;

class TForm1 {
 public:
  TForm1(const Services& services, FormSurface& surface);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // Runs an event handler; a failure stops it and shows its text.
  template <class Handler>
  bool Guarded(Handler handler) {
    try {
      handler();
      return true;
    } catch (const OperationError& e) {
      surface_.showError(e.what());
      return false;
    }
  }

  // ---- start-up, loading and storing
  void FormCreate();
  void ReadData();
  void SaveData();

  // ---- buttons, tabs, window states
  void Button2Click();  // Apply
  void Button3Click();  // Cancel
  void PageControl1Change();
  void ShowMainWindow();
  void HideToTray();
  // False when the command is not handled here and goes to the default procedure.
  bool WMSysCommand(uint32_t command);
  void Close1Click();

  // ---- change actions
  void RxSlider1Change();
  void RxSlider2Change();
  void RxSpinEditChange(Ctl id);
  // Up-down arrows of a spin edit: delta steps of 1, clamped.
  void RxSpinEditStep(Ctl id, int delta);
  void CheckBox1Click();
  void CheckBox2Click();
  void CheckBox3Click();

  // ---- monitor and recovery
  void Timer1Timer();
  void Defragmem(uint32_t amountMB);
  void CreateIcon(bool busy);
  // Tray menu amounts: 1, 2 or 3.
  void PopMenuClick(int item);

  // ---- tray icon mouse actions
  void kbTrayIcon1DblClick();

  // ---- the disk cache, the description panel, links and the sound chooser
  // (their logic lives in disk_cache, description, links and options_tab)
  void LoadCacheTexts();
  void ShowCacheTexts();
  void StoreCacheTexts();
  void DisableCacheTab();
  void RxSlider3Change();
  void RxSlider4Change();
  void RxSlider5Change();
  void Button1Click();  // "Automatic"
  void Button4Click();  // "Default"
  // Mouse over a control; (x, y) relative to the control, or to the tab when
  // id is the tab control itself.
  void ControlMouseMove(Ctl id, int x, int y);
  void SpeedButton1Click();
  void LinkClick(Ctl id);  // Label2, Label13, Image1, Label39
  // A command of the tray menu PopupMenu1.
  void TrayMenuCommand(TrayCommand command);

  // ---- program-wide values
  std::string CurrentDir;
  OsFamily OSName = OsFamily::Win9x;
  uint16_t TotalRAM = 0;
  uint16_t AvailRAM = 0;
  uint16_t FreePercent = 0;
  uint16_t TotalPage = 0;
  uint16_t AvailPage = 0;
  uint16_t PagePercent = 0;
  bool Hidden = false;
  MemtidySettings settings;
  MonitorState monitor;
  // The disk cache texts, in kB, as SYSTEM.INI holds them.
  std::string MinFileCache = "0";
  std::string MaxFileCache = "0";
  std::string ChunkSize = "0";
  // Captions of the tray menu's three amount items.
  std::string PopMenuCaptions[3] = {"Free up 8 MB", "Free up 4 MB", "Free up 2 MB"};

  TrayIcon kbTrayIcon1;
  TXWinReboot XWinReboot1;
  SoundChooser OpenDialog1;
  const Services& services() const { return services_; }
  FormSurface& surface() { return surface_; }

 private:
  void setSliderPosition(Ctl id, int position);
  void setSpin(Ctl id, double value);
  double spin(Ctl id);
  void setDescriptionVisible(bool on);
  void showFigures();
  RuleSettings ruleSettings() const;
  // Runs body; a failed write of the Run entry inside it does not stop it
  // and is thrown once when the outermost such operation ends.
  void reportingRunEntry(const std::function<void()>& body);
  void applyRunEntryNoted(bool on, bool createKey);
  void loadIntoControls();
  void storeFromControls();

  Services services_;
  FormSurface& surface_;
  std::string runEntryFailure_;
  int runEntryDepth_ = 0;
  // CheckBox2 shows where the Run entry really stands because it could not
  // be made to follow the stored "AutoStart"; until the user clicks the box,
  // Apply keeps the stored wish.
  bool autoStartShowsRunEntry_ = false;
};

}  // namespace mt

// A user who may not write the Run entry (the usual case on the NT family):
// the Run key is made read-only for everyone, as for such a user, and every
// setting must still load, Apply and Cancel must still work, and nothing
// stored may be lost.
#include "tests/e2e/memtool/memtidy_session.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

using mt::Ctl;
using mte2e::Session;

namespace {

// While alive, the Run key grants only reading (and changing its access
// list back); the access list it had comes back at the end.
class ReadOnlyRunKey {
 public:
  ReadOnlyRunKey() {
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, mte2e::kRunKey, 0, READ_CONTROL | WRITE_DAC, &key_) != ERROR_SUCCESS) {
      key_ = nullptr;
      return;
    }
    DWORD size = 0;
    RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, nullptr, &size);
    saved_.assign(size, 0);
    if (size == 0 || RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, saved_.data(), &size) != ERROR_SUCCESS)
      saved_.clear();
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone_)) return;
    acl_.assign(256, 0);
    PACL acl = reinterpret_cast<PACL>(acl_.data());
    SECURITY_DESCRIPTOR sd;
    denied_ = !saved_.empty() && InitializeAcl(acl, static_cast<DWORD>(acl_.size()), ACL_REVISION) &&
              AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ | WRITE_DAC, everyone_) &&
              InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION) &&
              SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE) &&
              RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, &sd) == ERROR_SUCCESS;
  }
  ~ReadOnlyRunKey() {
    if (denied_) RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, saved_.data());
    if (everyone_) FreeSid(everyone_);
    if (key_) RegCloseKey(key_);
  }
  ReadOnlyRunKey(const ReadOnlyRunKey&) = delete;
  ReadOnlyRunKey& operator=(const ReadOnlyRunKey&) = delete;
  bool denied() const { return denied_; }

 private:
  HKEY key_ = nullptr;
  PSID everyone_ = nullptr;
  std::vector<unsigned char> saved_, acl_;
  bool denied_ = false;
};

// Waits for the error box, checks its text and presses OK.
void expectRunEntryError(const Session& s, const std::string& when) {
  HWND box = e2e::waitDialog(s.process.id, "Memtidy", 10000);
  if (!e2e::check(box != nullptr, when + ": an error box appears")) return;
  e2e::checkEq("Failed to set data for 'Memtidy'", e2e::text(e2e::control(box, 0xFFFF)), when + ": its text");
  PostMessageA(e2e::control(box, IDOK), BM_CLICK, 0, 0);
  e2e::check(e2e::waitGone(box, 5000), when + ": the box closes");
  e2e::check(e2e::waitDialog(s.process.id, "Memtidy", 700) == nullptr, when + ": and only one box");
}

// A stored value's bytes, whatever its type (regReadBinary fills them in
// before it checks the type).
std::vector<unsigned char> stored(const char* name) {
  std::vector<unsigned char> bytes;
  e2e::regReadBinary(HKEY_CURRENT_USER, mte2e::kSettingsKey, name, &bytes);
  return bytes;
}

}  // namespace

E2E_SCENARIO(i_a_user_who_may_not_write_the_run_entry_loses_nothing) {
  mte2e::forgetSettings();
  e2e::regWriteString(HKEY_CURRENT_USER, mte2e::kSettingsKey, "CurrentDir", mte2e::exeFolder());
  e2e::regWriteDword(HKEY_CURRENT_USER, mte2e::kSettingsKey, "Target Fre RAM", 20);
  e2e::regWriteDword(HKEY_CURRENT_USER, mte2e::kSettingsKey, "Minimum Free RAM", 10);
  const double freeTime = 9, menu1 = 12;
  e2e::regWriteBinary(HKEY_CURRENT_USER, mte2e::kSettingsKey, "FreeTime", &freeTime, 8);
  e2e::regWriteBinary(HKEY_CURRENT_USER, mte2e::kSettingsKey, "Menu1", &menu1, 8);
  e2e::regWriteDword(HKEY_CURRENT_USER, mte2e::kSettingsKey, "RAMIcon", 1);
  e2e::regWriteDword(HKEY_CURRENT_USER, mte2e::kSettingsKey, "AutoStart", 1);
  const char* names[] = {"Target Fre RAM", "Minimum Free RAM", "FreeTime", "Menu1", "RAMIcon", "AutoStart"};
  std::vector<std::vector<unsigned char>> before;
  for (const char* n : names) before.push_back(stored(n));

  ReadOnlyRunKey readOnly;
  if (!e2e::check(readOnly.denied(), "the Run key is made read-only")) return;
  Session s;
  s.process = e2e::launch(mte2e::exePath());
  expectRunEntryError(s, "start-up");
  s.form = e2e::waitWindow("TForm1", "Memtidy Manager", 5000);
  s.tray = e2e::waitWindow("TkbTrayIconWindow", nullptr, 5000);
  if (!e2e::check(s.form && s.tray && s.showByTrayDoubleClick(), "the window opens from the tray")) return;

  e2e::checkEq(20, SendMessageA(s.control(Ctl::RxSlider1), TBM_GETPOS, 0, 0), "the target was loaded");
  e2e::checkEq(10, SendMessageA(s.control(Ctl::RxSlider2), TBM_GETPOS, 0, 0), "the minimum was loaded");
  e2e::checkEq("9", e2e::text(s.control(Ctl::RxSpinEdit2)), "FreeTime was loaded");
  e2e::checkEq("12", e2e::text(s.control(Ctl::RxSpinEdit3)), "the first tray amount was loaded");
  e2e::check(e2e::checked(s.control(Ctl::CheckBox3)), "the RAM icon box is checked");
  e2e::check(!e2e::checked(s.control(Ctl::CheckBox2)), "the autostart box shows there is no Run entry");
  s.selectTab(mt::kTabOptions);
  e2e::screenshot(mte2e::shotName("run-entry-read-only"));

  // A change undone still enables Apply; Apply stores what the controls show.
  e2e::click(s.control(Ctl::CheckBox3));
  e2e::click(s.control(Ctl::CheckBox3));
  PostMessageA(s.control(Ctl::Button2), BM_CLICK, 0, 0);
  expectRunEntryError(s, "Apply");
  e2e::check(!IsWindowEnabled(s.control(Ctl::Button2)), "Apply is disabled again");
  for (std::size_t i = 0; i < before.size(); ++i)
    e2e::check(stored(names[i]) == before[i], std::string("Apply kept ") + names[i]);

  PostMessageA(s.control(Ctl::Button3), BM_CLICK, 0, 0);
  expectRunEntryError(s, "Cancel");
  e2e::check(e2e::waitHidden(s.form, 5000), "Cancel hides the window");
  e2e::check(!e2e::regExists(HKEY_LOCAL_MACHINE, mte2e::kRunKey, "Memtidy"), "no Run entry was written");
  e2e::check(s.stop(), "Memtidy ends");
  mte2e::forgetSettings();
}

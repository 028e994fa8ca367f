// Save As, Configure Schemes and the import over the in-memory dialog
// surface and scheme file: what is asked, what is written, what stays.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/tweaker/fake_dialog_surface.h"
#include "tests/fakes/tweaker/fake_platform.h"
#include "tweaker/resources/resource.h"
#include "tweaker/schemes/configure_schemes_dialog.h"
#include "tweaker/schemes/save_as_dialog.h"
#include "tweaker/schemes/scheme_file.h"
#include "tweaker/schemes/scheme_import.h"

namespace vdx {
namespace {

constexpr char kOurs[] = "C:\\WINDOWS\\SYSTEM\\Vidarix.dat";
constexpr char kTheirs[] = "A:\\friend\\theirs.dat";
constexpr int kEnChange = 0x300;

std::string overwriteText(const std::string& name) {
  return "There is already a scheme called \"" + name + "\" in your list.  Overwrite it with a new one?";
}

TEST(SaveAs, OpensWithTheNameAndOkFollowsTheField) {
  FakeProfile profile;
  ScriptedMessageBoxes boxes;
  SchemeSaveRequest request;
  request.name = "Quake";
  FakeDialogSurface s = FakeDialogSurface::forDialog(IDD_SAVE_SCHEME_AS);
  SaveAsDialog d(s, SaveAsDialogModel{&profile, kOurs, request.name, &boxes, nullptr});
  d.init();
  EXPECT_EQ(s.text(IDC_SAVE_AS_NAME), "Quake");
  EXPECT_EQ(s.control(IDC_SAVE_AS_NAME).limit, 127);
  EXPECT_TRUE(s.checked(IDC_SAVE_AS_STANDARD));
  EXPECT_FALSE(s.checked(IDC_SAVE_AS_MINIGL));
  EXPECT_TRUE(s.enabled(kIdOk));
  s.setText(IDC_SAVE_AS_NAME, "");
  presenterCommand(d, s, IDC_SAVE_AS_NAME, kEnChange);
  EXPECT_FALSE(s.enabled(kIdOk));

  s.setText(IDC_SAVE_AS_NAME, "  Unreal \t");
  s.setChecked(IDC_SAVE_AS_CLOCKS, true);
  s.setChecked(IDC_SAVE_AS_KEEP_AGP, true);
  presenterCommand(d, s, kIdOk, 0);
  EXPECT_TRUE(s.ended());
  EXPECT_EQ(s.result(), kIdOk);
  ASSERT_TRUE(d.result().request);
  const SchemeSaveRequest& chosen = *d.result().request;
  EXPECT_EQ(chosen.name, "Unreal");  // the key the file will really hold
  EXPECT_TRUE(chosen.includeStandard && chosen.saveClockSpeed && chosen.keepAgpSizeSame);
  EXPECT_FALSE(chosen.includeMiniGL);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST(SaveAs, AnExistingNameIsAskedAboutAndABadNameRefused) {
  const struct {
    const char* name;
    int answer;
    bool ended;
    int result;
    const char* message;
  } cases[] = {
      {"Quake", kIdYes, true, kIdOk, nullptr},
      {"quake", kIdNo, true, kIdCancel, nullptr},  // the profile's keys ignore case
      {"Quake", kIdCancel, false, 0, nullptr},
      {"a=b", 0, false, 0, "A scheme name cannot contain \"=\"."},
      {"[x", 0, false, 0, "A scheme name cannot start with \"[\" or \";\"."},
      {";x", 0, false, 0, "A scheme name cannot start with \"[\" or \";\"."},
      {"  \t ", 0, false, 0, "A scheme name cannot be made of blanks only."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeProfile profile;
    profile.writeString(kOurs, kSchemeSection, "Quake", "AA:On");
    ScriptedMessageBoxes boxes;
    if (c.answer) boxes.answers = {c.answer};
    SchemeSaveRequest request;
    FakeDialogSurface s = FakeDialogSurface::forDialog(IDD_SAVE_SCHEME_AS);
    SaveAsDialog d(s, SaveAsDialogModel{&profile, kOurs, request.name, &boxes, nullptr});
    d.init();
    s.setText(IDC_SAVE_AS_NAME, c.name);
    presenterCommand(d, s, kIdOk, 0);
    EXPECT_EQ(s.ended(), c.ended);
    if (c.ended) {
      EXPECT_EQ(s.result(), c.result);
    }
    ASSERT_EQ(boxes.shown.size(), 1u);
    if (c.message) {
      EXPECT_EQ(boxes.shown[0].text, c.message);
      EXPECT_EQ(boxes.shown[0].style, kMbOk | kMbIconExclamation);
    } else {
      EXPECT_EQ(boxes.shown[0].text, overwriteText(c.name));
      EXPECT_EQ(boxes.shown[0].style, kMbYesNoCancel | kMbIconQuestion);
    }
    EXPECT_EQ(boxes.shown[0].caption, "Vidarix");
  }
}

// A name cut from a longer key is that key's scheme: Save As asks before
// overwriting it, and the import overwrites it rather than adding a key.
TEST(SaveAs, ANameCutFromALongKeyIsAskedAbout) {
  const std::string longKey(200, 'n');
  FakeProfile profile;
  profile.writeString(kOurs, kSchemeSection, longKey, "AA:On");
  ScriptedMessageBoxes boxes;
  boxes.answers = {kIdYes};
  SchemeSaveRequest request;
  request.name = longKey.substr(0, 127);  // as the list shows it
  FakeDialogSurface s = FakeDialogSurface::forDialog(IDD_SAVE_SCHEME_AS);
  SaveAsDialog d(s, SaveAsDialogModel{&profile, kOurs, request.name, &boxes, nullptr});
  d.init();
  presenterCommand(d, s, kIdOk, 0);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text.find("There is already a scheme called"), 0u);
  EXPECT_EQ(s.result(), kIdOk);
}

TEST(SchemeImport, ALongNameOverwritesItsOwnKey) {
  const std::string longKey(200, 'n');
  FakeProfile profile;
  profile.writeString(kOurs, kSchemeSection, longKey, "old");
  profile.writeString(kTheirs, kSchemeSection, longKey + "x", "new");  // the same 127 first characters
  ScriptedMessageBoxes boxes;
  boxes.answers = {kIdYes};
  EXPECT_EQ(importSchemes(SchemeImport{&profile, kOurs, kTheirs, &boxes, nullptr}), 1);
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(profile.keys(kOurs, kSchemeSection), std::vector<std::string>{longKey});
  EXPECT_EQ(profile.readString(kOurs, kSchemeSection, longKey, "", 99), "new");
}

// The tray's scheme list stands in as a plain vector.
class ListHost : public ConfigureSchemesHost {
 public:
  FakeProfile* profile = nullptr;
  std::vector<std::string> list;
  int reloads = 0, saves = 0;
  bool saveAsOk = true;
  std::string saveAsSeen, importPath, folderSeen;
  std::vector<std::string> schemeList() override { return list; }
  void reloadSchemeList() override {
    ++reloads;
    list = schemeNames(*profile, kOurs);
  }
  bool runSaveAs(WindowHandle, SchemeSaveRequest* r) override {
    saveAsSeen = r->name;
    r->name = "Saved";
    return saveAsOk;
  }
  void saveScheme(const SchemeSaveRequest& r) override {
    ++saves;
    profile->writeString(kOurs, kSchemeSection, r.name, "AA:On");
  }
  bool chooseImportFile(WindowHandle, const std::string& folder, std::string* path) override {
    folderSeen = folder;
    if (importPath.empty()) return false;
    *path = importPath;
    return true;
  }
  void showWaitCursor(bool) override {}
};

class Configure : public ::testing::Test {
 protected:
  FakeProfile profile;
  ScriptedMessageBoxes boxes;
  ListHost host;
  FakeDialogSurface s = FakeDialogSurface::forDialog(IDD_CONFIGURE_SCHEMES);
  ConfigureSchemesDialog d{s, ConfigureSchemesModel{&profile, kOurs, "C:\\WINDOWS\\SYSTEM", &boxes, nullptr, &host}};

  void SetUp() override {
    host.profile = &profile;
    for (const char* n : {"Quake", "Doom", "Unreal"}) profile.writeString(kOurs, kSchemeSection, n, n);
    profile.writeString(kOurs, "Vidarix Clk", "01/01/2000 10:00", "Chip clock not set due to SHIFT key.");
    host.list = schemeNames(profile, kOurs);
    d.init();
  }
};

TEST_F(Configure, DeleteWaitsForCloseToRebuildTheTrayList) {
  EXPECT_EQ(s.text(IDC_SCHEME_FILE_PATH), kOurs);
  EXPECT_EQ(s.itemCount(IDC_SCHEME_LIST), 3);
  EXPECT_FALSE(s.enabled(IDC_SCHEME_DELETE));
  presenterCommand(d, s, IDC_SCHEME_DELETE, 0);  // nothing selected: nothing deleted
  EXPECT_EQ(s.itemCount(IDC_SCHEME_LIST), 3);

  s.select(IDC_SCHEME_LIST, s.findItem(IDC_SCHEME_LIST, "Doom"));
  presenterCommand(d, s, IDC_SCHEME_LIST, 1);
  EXPECT_TRUE(s.enabled(IDC_SCHEME_DELETE));
  presenterCommand(d, s, IDC_SCHEME_DELETE, 0);
  EXPECT_EQ(s.findItem(IDC_SCHEME_LIST, "Doom"), -1);
  EXPECT_EQ(profile.readString(kOurs, kSchemeSection, "Doom", "gone", 100), "gone");
  EXPECT_EQ(profile.readString(kOurs, kSchemeSection, "Quake", "", 100), "Quake");
  EXPECT_EQ(host.list.size(), 3u);

  presenterCommand(d, s, kIdCancel, 0);  // Escape
  EXPECT_EQ(host.reloads, 0);
  EXPECT_EQ(s.result(), kIdCancel);
  EXPECT_FALSE(d.result().importFolder) << "no import: the folder stays as it was";
  presenterCommand(d, s, kIdOk, 0);  // Close
  EXPECT_EQ(host.reloads, 1);
  EXPECT_EQ(host.list.size(), 2u);
}

TEST_F(Configure, SaveAsStartsFromTheSelectionAndRebuildsUnlessCancelled) {
  s.select(IDC_SCHEME_LIST, s.findItem(IDC_SCHEME_LIST, "Unreal"));
  host.saveAsOk = false;
  presenterCommand(d, s, IDC_SCHEME_SAVE_AS, 0);
  EXPECT_EQ(host.saveAsSeen, "Unreal");
  EXPECT_EQ(host.saves, 0);
  host.saveAsOk = true;
  presenterCommand(d, s, IDC_SCHEME_SAVE_AS, 0);
  EXPECT_EQ(host.saves, 1);
  EXPECT_NE(s.findItem(IDC_SCHEME_LIST, "Saved"), -1);
  EXPECT_EQ(s.itemCount(IDC_SCHEME_LIST), 4);
}

TEST_F(Configure, ImportAsksOnceWithYesToAllAndKeepsEverythingElse) {
  for (const char* n : {"Quake", "Doom", "Unreal"}) profile.writeString(kTheirs, kSchemeSection, n, "TC:8");
  host.importPath = kTheirs;
  boxes.answers = {IDYESTOALL};
  presenterCommand(d, s, IDC_SCHEME_UPDATE, 0);
  EXPECT_EQ(host.folderSeen, "C:\\WINDOWS\\SYSTEM");
  EXPECT_EQ(d.result().importFolder, std::optional<std::string>("A:\\friend"));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, overwriteText("Quake"));
  EXPECT_EQ(boxes.shown[0].style, kMbYesAllNoCancel | kMbIconQuestion);
  for (const char* n : {"Quake", "Doom", "Unreal"})
    EXPECT_EQ(profile.readString(kOurs, kSchemeSection, n, "", 99), "TC:8");
  EXPECT_EQ(profile.readString(kOurs, "Vidarix Clk", "01/01/2000 10:00", "", 99),
            "Chip clock not set due to SHIFT key.");
  EXPECT_EQ(host.reloads, 1);
}

TEST(SchemeImport, CancelKeepsWhatWasCopiedNoSkipsAndLongNamesAreCut) {
  FakeProfile profile;
  profile.writeString(kOurs, kSchemeSection, "Mine", "AA:On");
  profile.writeString(kOurs, kSchemeSection, "B", "old");
  profile.writeString(kOurs, kSchemeSection, "C", "old");
  profile.writeString(kTheirs, kSchemeSection, std::string(300, 'L'), std::string(4000, 'x'));
  profile.writeString(kTheirs, kSchemeSection, "B", "new");
  profile.writeString(kTheirs, kSchemeSection, "C", "new");
  profile.writeString(kTheirs, kSchemeSection, "D", "new");
  ScriptedMessageBoxes boxes;
  boxes.answers = {kIdNo, kIdCancel};
  EXPECT_EQ(importSchemes(SchemeImport{&profile, kOurs, kTheirs, &boxes, nullptr}), 4);
  EXPECT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(profile.readString(kOurs, kSchemeSection, std::string(127, 'L'), "", 4096), std::string(2047, 'x'));
  EXPECT_EQ(profile.readString(kOurs, kSchemeSection, "B", "", 99), "old");
  EXPECT_EQ(profile.readString(kOurs, kSchemeSection, "C", "", 99), "old");
  EXPECT_EQ(profile.readString(kOurs, kSchemeSection, "D", "absent", 99), "absent");
  EXPECT_EQ(profile.readString(kOurs, kSchemeSection, "Mine", "", 99), "AA:On");

  FakeProfile empty;
  EXPECT_EQ(importSchemes(SchemeImport{&empty, kOurs, kTheirs, &boxes, nullptr}), 0);
}

}  // namespace
}  // namespace vdx

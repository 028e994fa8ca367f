// The MiniGL Applications dialog over an in-memory surface holding the
// controls of dialog 145, with the registry and scheme file faked.
#include <gtest/gtest.h>

#include <memory>

#include "tests/fakes/tweaker/fake_dialog_surface.h"
#include "tests/fakes/tweaker/fake_profile.h"
#include "tests/fakes/tweaker/fake_registry.h"
#include "tweaker/resources/resource.h"
#include "tweaker/settings/minigl_dialog.h"
#include "tweaker/settings/settings_keys.h"

namespace vdx {
namespace {

const char kSchemes[] = "C:\\Vidarix\\Vidarix.sch";

class MiniGLDialogTest : public ::testing::Test {
 protected:
  MiniGLDialogTest() : surface(FakeDialogSurface::forDialog(IDD_MINIGL_APPLICATIONS)) {}
  void TearDown() override {
    EXPECT_TRUE(surface.unknownIds().empty());
    EXPECT_EQ(0u, reg.openKeyCount());
  }
  void open() {
    dialog.reset(new MiniGLDialog(surface, {&reg, &identity, current.ICDMode, &profile, kSchemes}));
    dialog->init();
    dialog->refresh();
  }
  // OK, then the result taken into the driver options as the shell does.
  void ok() {
    presenterCommand(*dialog, surface, 1);
    if (dialog->result().icdMode) current.ICDMode = *dialog->result().icdMode;
  }
  void withS3GL() { reg.setString(RegRoot::LocalMachine, kMiniGLKeyPath, "x", "y"); }
  bool registered(const char* name) const {
    return reg.keyExists(RegRoot::LocalMachine, std::string(kMiniGLKeyPath) + "\\" + name);
  }
  std::string record(const char* name) { return profile.readString(kSchemes, "MiniGL", name, "<none>", 300); }

  FakeRegistry reg;
  FakeProfile profile;
  AdapterIdentity identity;
  DriverOptions current;
  FakeDialogSurface surface;
  std::unique_ptr<MiniGLDialog> dialog;
};

TEST_F(MiniGLDialogTest, AddingRegistersTheUpperCaseNameAndRecordsThePathOnce) {
  withS3GL();
  open();
  dialog->addFile("C:\\Games\\racer.exe");
  EXPECT_TRUE(registered("RACER.EXE"));
  EXPECT_EQ("C:\\Games\\RACER.EXE", record("RACER.EXE"));
  ASSERT_EQ(1u, surface.control(IDC_MGL_LIST).items.size());
  EXPECT_EQ("RACER.EXE", surface.control(IDC_MGL_LIST).items[0].first);

  dialog->addFile("D:\\Other\\Racer.exe");
  dialog->addFile("noslash.exe");
  dialog->addFile("C:\\Games\\");
  EXPECT_EQ(1u, surface.control(IDC_MGL_LIST).items.size());
  EXPECT_EQ("C:\\Games\\RACER.EXE", record("RACER.EXE"));
  EXPECT_EQ("<none>", record("NOSLASH.EXE"));
}

TEST_F(MiniGLDialogTest, WithoutTheS3glKeyTheListIsEmptyAndNothingIsCreated) {
  open();
  dialog->addFile("C:\\Games\\racer.exe");
  EXPECT_TRUE(surface.control(IDC_MGL_LIST).items.empty());
  EXPECT_FALSE(reg.keyExists(RegRoot::LocalMachine, kMiniGLKeyPath));
  EXPECT_EQ("<none>", record("RACER.EXE"));
}

TEST_F(MiniGLDialogTest, RemovingNeedsASelectionAndKeepsThePathRecord) {
  withS3GL();
  open();
  dialog->addFile("C:\\Games\\racer.exe");
  EXPECT_FALSE(surface.control(IDC_MGL_REMOVE).enabled);
  dialog->removeSelected();
  EXPECT_TRUE(registered("RACER.EXE"));
  surface.select(IDC_MGL_LIST, 0);
  dialog->refresh();
  EXPECT_TRUE(surface.control(IDC_MGL_REMOVE).enabled);
  presenterCommand(*dialog, surface, IDC_MGL_REMOVE);
  EXPECT_FALSE(registered("RACER.EXE"));
  EXPECT_TRUE(surface.control(IDC_MGL_LIST).items.empty());
  EXPECT_FALSE(surface.control(IDC_MGL_REMOVE).enabled);
  EXPECT_EQ("C:\\Games\\RACER.EXE", record("RACER.EXE"));
}

TEST_F(MiniGLDialogTest, OpensWithTheRegisteredProgramsAndOkWritesIcdModeAsOneOrZero) {
  reg.setString(RegRoot::LocalMachine, std::string(kMiniGLKeyPath) + "\\GAME.EXE", "", "");
  current.ICDMode = 1;
  open();
  EXPECT_TRUE(surface.control(IDC_MGL_ALLOW).checked);
  ASSERT_EQ(1u, surface.control(IDC_MGL_LIST).items.size());
  EXPECT_EQ("GAME.EXE", surface.control(IDC_MGL_LIST).items[0].first);
  surface.setChecked(IDC_MGL_ALLOW, false);
  ok();
  EXPECT_EQ(0, current.ICDMode);
  EXPECT_EQ("0", reg.getString(identity.settingsRoot, identity.settingsKeyPath, "ICDMode"));
  EXPECT_TRUE(surface.ended());
  surface.setChecked(IDC_MGL_ALLOW, true);
  ok();
  EXPECT_EQ(1, current.ICDMode);
  EXPECT_EQ("1", reg.getString(identity.settingsRoot, identity.settingsKeyPath, "ICDMode"));
}

}  // namespace
}  // namespace vdx

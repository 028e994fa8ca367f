#include <gtest/gtest.h>

#include "memtool/links.h"
#include "memtool/options_tab.h"
#include "tests/fakes/memtool/fake_control_surface.h"
#include "tests/fakes/memtool/fake_system_services.h"

namespace mt {
namespace {

TEST(OptionsTab, CancelledChooserReappliesTheLastChoiceOnly) {
  FakeControlSurface s;
  FakeFileDialog dialog;
  SoundChooser chooser;
  std::string music = "C:\\Memtidy\\confirmation.wav";
  s.setEnabled(Ctl::Button2, false);

  dialog.answers = {""};  // cancelled before any choice
  EXPECT_FALSE(chooser.choose(dialog, 0, s, music));
  EXPECT_EQ("C:\\Memtidy\\confirmation.wav", music);
  EXPECT_FALSE(s.enabled(Ctl::Button2));
  EXPECT_EQ("Microsoft Waveform Audio (*.WAV)|*.wav", dialog.lastFilter);

  dialog.answers = {"C:\\WINDOWS\\MEDIA\\ding.wav", ""};
  EXPECT_TRUE(chooser.choose(dialog, 0, s, music));
  EXPECT_EQ("C:\\WINDOWS\\MEDIA\\ding.wav", s.text(Ctl::Edit1));
  music = "reloaded";
  s.setEnabled(Ctl::Button2, false);
  EXPECT_TRUE(chooser.choose(dialog, 0, s, music));  // cancelled: the earlier choice again
  EXPECT_EQ("C:\\WINDOWS\\MEDIA\\ding.wav", music);
  EXPECT_TRUE(s.enabled(Ctl::Button2));
  EXPECT_EQ("C:\\WINDOWS\\MEDIA\\ding.wav", dialog.startedAt.back());
}

TEST(OptionsTab, FilterBecomesNulSeparated) {
  EXPECT_EQ(std::string("Microsoft Waveform Audio (*.WAV)\0*.wav\0\0", 40), systemFilter(kWaveFilter));
}

TEST(Links, OpenWithTheShellsOpenVerbShownNormally) {
  FakeShellOpen shell;
  shell.succeed = false;  // failures are silent
  EXPECT_TRUE(openLink(shell, 77, Ctl::Label2));
  EXPECT_TRUE(openLink(shell, 77, Ctl::Label13));
  EXPECT_TRUE(openLink(shell, 77, Ctl::Image1));
  EXPECT_TRUE(openLink(shell, 77, Ctl::Label39));
  EXPECT_FALSE(openLink(shell, 77, Ctl::Label12));
  ASSERT_EQ(4u, shell.calls.size());
  EXPECT_EQ(0u, shell.calls[0].file.rfind("mailto:", 0));
  EXPECT_EQ(0u, shell.calls[1].file.rfind("http://", 0));
  EXPECT_EQ(shell.calls[2].file, shell.calls[3].file);
  for (const auto& c : shell.calls) {
    EXPECT_EQ(77u, c.owner);
    EXPECT_EQ("open", c.verb);
    EXPECT_EQ("", c.params);
    EXPECT_EQ("", c.dir);
    EXPECT_EQ(kSwShow, c.show);
  }
}

}  // namespace
}  // namespace mt

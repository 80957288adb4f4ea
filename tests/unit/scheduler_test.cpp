#include <filesystem>

#include "checker/alert_log.h"
#include "guard_fixture.h"
#include "platform/file_system.h"

namespace vostrelund::test {
namespace {

class Schedule : public GuardTest {
 protected:
  void SetUp() override { Watch({SiteFile("a.html", "a")}); }
  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i)
      Guard.MainTimerTimer();
  }
};

TEST_F(Schedule, TheFirstTickChecksAndTheNextPassComesAnIntervalAfterTheEndOfThePrevious) {
  Options().CheckInterval = 60;
  EXPECT_EQ(Guard.TimerTicks, 300000u);
  Tick();
  EXPECT_EQ(PassesRun(), 1);
  EXPECT_EQ(Guard.TimerTicks, 0u);
  Tick(59);
  EXPECT_EQ(PassesRun(), 1);
  Tick();
  EXPECT_EQ(PassesRun(), 2);
  // pausing keeps the count; ticks while paused are not counted
  Tick(30);
  Guard.SetPaused(true);
  Tick(100);
  EXPECT_EQ(Guard.TimerTicks, 30u);
  Guard.SetPaused(false);
  Tick(29);
  EXPECT_EQ(PassesRun(), 2);
  Tick();
  EXPECT_EQ(PassesRun(), 3);
}

TEST_F(Schedule, AnIntervalOfOneOrZeroChecksOnEveryTick) {
  for (const uint32_t interval : {1u, 0u}) {
    Options().CheckInterval = interval;
    const int before = PassesRun();
    Tick(3);
    EXPECT_EQ(PassesRun(), before + 3) << interval;
  }
}

TEST_F(Schedule, TimerPassesUseTheSettings) {
  Options().CheckDates = false;
  Options().CheckData = true;
  Options().ShowProgress = true;
  WriteAll(Data.Files().FullPath(0), "changed");
  std::filesystem::remove(BackupOf(Data.Files().FullPath(0)));
  Tick();
  EXPECT_EQ(CheckWindow.Shows, 1);
  EXPECT_TRUE(Dialogs.Errors.empty());  // a timer pass never shows the missing-backup box
  EXPECT_EQ(AlertWindow.Rows.size(), 1u);
}

TEST_F(Schedule, PausingFollowsTheSettingAndIntervalsUnderTenAlwaysAllowIt) {
  struct Case {
    bool PausingEnabled;
    uint32_t Interval;
    bool Wanted;
    bool Paused;
    int TrayImage;
    std::string Caption;
  };
  const std::string base = "Tessaryne Vostrelund ver 1.0 - Configuration";
  const Case cases[] = {
      {true, 60, true, true, 1, base + " - [PAUSED]"},
      {true, 60, false, false, 0, base},
      {false, 9, true, true, 1, base + " - [PAUSED]"},
      {false, 10, true, false, 0, base},
  };
  for (const Case& c : cases) {
    Options().PausingEnabled = c.PausingEnabled;
    Options().CheckInterval = c.Interval;
    Main.PauseEnabled = true;
    Guard.SetPaused(c.Wanted);
    EXPECT_EQ(Guard.Paused, c.Paused);
    EXPECT_EQ(Main.PauseChecked, c.Paused);
    EXPECT_EQ(Main.TrayImage, c.TrayImage);
    EXPECT_EQ(Config.Caption, c.Caption);
    EXPECT_EQ(Main.PauseEnabled, c.PausingEnabled || c.Interval < 10);  // only a refusal disables the items
  }
}

TEST_F(Schedule, SettingsLoadAndSaveUpdateTheMenus) {
  Options().UseLog = true;
  Options().PausingEnabled = false;
  Data.SaveSettings();
  EXPECT_FALSE(Main.PauseEnabled);
  Data.LoadSettings();
  EXPECT_TRUE(Config.ViewLogEnabled);
  EXPECT_EQ(Config.Caption, "Tessaryne Vostrelund ver 1.0 - Configuration");
}

TEST_F(Schedule, StopSavesFirstAndEndsOnlyOnYes) {
  std::filesystem::remove(Data.Locations().ListFile);
  bool savedBeforeTheQuestion = false;
  Dialogs.WhileOpen = [&] {
    savedBeforeTheQuestion =
        FileExists(Data.Locations().ListFile) && FileExists(Data.Locations().SettingsFile);
    EXPECT_FALSE(MainTimer.Active);
  };
  Guard.CheckCancelled = true;
  Dialogs.Answers = {false, true};
  Guard.StopAndExit();
  EXPECT_TRUE(savedBeforeTheQuestion);
  EXPECT_EQ(Dialogs.Questions,
            (std::vector<RecordingDialogs::Message>{{"Are you sure you want to stop checking site?",
                                                     "Tessaryne Dunmerrow (exit/stop checking)"}}));
  EXPECT_EQ(Dialogs.QuestionDefaultsYes, std::vector<bool>{false});
  EXPECT_FALSE(Main.Closed);
  EXPECT_TRUE(MainTimer.Active);
  EXPECT_FALSE(Guard.CheckCancelled);
  Guard.StopAndExit();
  EXPECT_TRUE(Main.Closed);
}

class Countdown : public GuardTest {
 protected:
  void SetUp() override {
    Page = SiteFile("index.html", "<h1>Welcome</h1>");
    Watch({Page});
    Options().UseLog = true;
    AppendToLog(Options().LogPath, "");
    // contents only: a rewrite within the second of the copy keeps its stamp
    Options().CheckDates = false;
    Options().CheckData = true;
  }
  void Deface() {
    WriteAll(Page, "<h1>pwned</h1>");
    Guard.MainTimerTimer();
    ASSERT_TRUE(AlertWindow.Visible);
  }
  void Tick(int n) {
    for (int i = 0; i < n; ++i)
      Guard.Alerts().TimerTimer();
  }
  std::string Page;
};

TEST_F(Countdown, WithAutoFixTheFixButtonCountsDownAndTheFilesAreFixedAtZero) {
  Options().CheckData = true;
  Deface();
  EXPECT_EQ(AlertWindow.FixCaption, "Fix (auto fix in 20 sec)");
  const std::pair<int, std::string> shown[] = {{10, "20"}, {1, "19"}, {170, "2"}, {9, "2"}, {1, "1"}};
  for (const auto& [ticks, seconds] : shown) {
    Tick(ticks);
    EXPECT_EQ(AlertWindow.FixCaption, "Fix (auto fix in " + seconds + " sec)") << Guard.Alerts().Countdown;
    EXPECT_EQ(AlertWindow.IgnoreCaption, "Ignore this check");
  }
  EXPECT_EQ(Guard.Alerts().Countdown, 9);
  Tick(8);
  EXPECT_EQ(AlertWindow.FixCaption, "Fix (auto fix in 1 sec)");
  EXPECT_EQ(ReadAll(Page), "<h1>pwned</h1>");
  Tick(1);  // the 200th tick
  EXPECT_EQ(AlertWindow.FixCaption, "Fixing...");
  EXPECT_FALSE(AlertWindow.FixEnabled || AlertWindow.IgnoreEnabled || AlertWindow.PauseEnabled);
  EXPECT_FALSE(AlertWindow.TimerActive);
  EXPECT_EQ(ReadAll(Page), "<h1>Welcome</h1>");
  EXPECT_FALSE(AlertWindow.Visible);
  EXPECT_EQ(Guard.Alerts().Countdown, 200);
}

TEST_F(Countdown, WithoutAutoFixTheIgnoreButtonCountsDownAndTheAlertIsIgnoredAtZero) {
  Options().AutoFix = false;
  Options().CheckData = true;
  Deface();
  EXPECT_EQ(AlertWindow.FixCaption, "Fix (auto fix disabled)");
  EXPECT_EQ(AlertWindow.IgnoreCaption, "Ignore in 20 sec");
  Tick(11);
  EXPECT_EQ(AlertWindow.IgnoreCaption, "Ignore in 19 sec");
  EXPECT_TRUE(AlertWindow.FixEnabled);
  Tick(189);
  EXPECT_FALSE(AlertWindow.Visible);
  EXPECT_FALSE(AlertWindow.IgnoreEnabled);
  EXPECT_TRUE(MainTimer.Active);
  EXPECT_TRUE(Config.Enabled);
  EXPECT_EQ(ReadAll(Page), "<h1>pwned</h1>");
  EXPECT_EQ(ReadAll(Options().LogPath),
            "Alert [Mon 03 Jul 14:05]: " + Page + " - Size mismatch\r\n (Auto ignored)\r\n\r\n");
  // the next pass raises the alert again, without logging the repeat
  Guard.MainTimerTimer();
  EXPECT_TRUE(AlertWindow.Visible);
}

TEST_F(Countdown, IgnoreAndPausePausesAndLogsTheIgnore) {
  Deface();
  Options().PausingEnabled = false;
  Options().CheckInterval = 10;
  Guard.Alerts().FormShow();
  EXPECT_FALSE(AlertWindow.PauseEnabled);
  Options().CheckInterval = 9;
  Guard.Alerts().FormShow();
  EXPECT_TRUE(AlertWindow.PauseEnabled);
  Guard.Alerts().PauseButtonClick();
  EXPECT_TRUE(Guard.Paused);
  EXPECT_EQ(Config.Caption, "Tessaryne Vostrelund ver 1.0 - Configuration - [PAUSED]");
  EXPECT_FALSE(AlertWindow.Visible);
  EXPECT_EQ(AlertWindow.FixCaption, "Ignored (stopping check...)");
  EXPECT_TRUE(MainTimer.Active);
  const std::string log = ReadAll(Options().LogPath);
  EXPECT_EQ(log.substr(log.size() - 22), " (Ignored by user)\r\n\r\n");
  const int passes = PassesRun();
  Guard.MainTimerTimer();
  EXPECT_EQ(PassesRun(), passes);
}

TEST_F(Countdown, AFixAskedForDuringAPassRunsWhenThePassEnds) {
  const std::string other = SiteFile("other.html", "other");
  Watch({other});
  std::filesystem::remove(BackupOf(other));
  WriteAll(Page, "<h1>pwned</h1>");
  // The pass's message box delivers the countdown's ticks; the auto fix comes while the pass runs.
  Dialogs.WhileOpen = [&] {
    Guard.Alerts().Countdown = 1;
    Guard.Alerts().TimerTimer();
    EXPECT_EQ(AlertWindow.FixCaption, "Fixing...");
    EXPECT_EQ(ReadAll(Page), "<h1>pwned</h1>");  // not inside the pass
  };
  Guard.RunCheckPass(true, true, true, true);
  EXPECT_EQ(ReadAll(Page), "<h1>Welcome</h1>");
  EXPECT_FALSE(AlertWindow.Visible);
  EXPECT_TRUE(MainTimer.Active);
  EXPECT_EQ(History(Page), "Size mismatch (fixed)");
}

// The road of one damaged file: from the tick that finds it to the restored file, its history and the log.
TEST_F(Countdown, ADamagedFileIsRestoredFromTheTickToTheLog) {
  Options().CheckInterval = 5;
  Options().CheckDates = true;
  Guard.MainTimerTimer();  // the first tick after start-up checks at once
  EXPECT_EQ(History(Page), "Checked (OK)");
  const std::time_t reference = File::OpenForReading(Page).Opened().ModifiedSeconds;

  WriteAll(Page, "<h1>defaced</h1>");
  SetMtime(Page, reference + 60);
  Guard.MainTimerTimer();
  Guard.MainTimerTimer();
  Guard.MainTimerTimer();
  Guard.MainTimerTimer();
  EXPECT_FALSE(AlertWindow.Visible);
  Guard.MainTimerTimer();  // the fifth counted tick
  ASSERT_TRUE(AlertWindow.Visible);
  EXPECT_EQ(AlertWindow.Rows, (std::vector<AlertRow>{{Page, "Date mismatch"}}));
  EXPECT_EQ(Status.Panels[kStatusPanel], " Status: [ALERT]");
  EXPECT_FALSE(MainTimer.Active);
  EXPECT_FALSE(Config.Enabled);
  Tick(200);
  EXPECT_EQ(ReadAll(Page), "<h1>Welcome</h1>");
  EXPECT_EQ(*File::OpenForReading(Page).ModificationStamp(),
            *File::OpenForReading(BackupOf(Page)).ModificationStamp());
  EXPECT_EQ(History(Page), "Date mismatch (fixed)");
  EXPECT_EQ(Status.Panels[kStatusPanel], " Status: [FIXED]");
  EXPECT_TRUE(MainTimer.Active);
  EXPECT_TRUE(Config.Enabled);
  EXPECT_EQ(ReadAll(Options().LogPath),
            "Alert [Mon 03 Jul 14:05]: " + Page + " - Date mismatch\r\n *** FIXED ***\r\n\r\n");
  Data.LoadFileList();
  EXPECT_EQ(History(Page), "Date mismatch (fixed)");  // in the list file too
  // the next timer pass finds the file equal to its copy
  for (int i = 0; i < 5; ++i)
    Guard.MainTimerTimer();
  EXPECT_EQ(History(Page), "Checked (OK)");
  EXPECT_FALSE(AlertWindow.Visible);
}

}  // namespace
}  // namespace vostrelund::test

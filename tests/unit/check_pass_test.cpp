#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>

#include "guard_fixture.h"

namespace vostrelund::test {
namespace {

class CheckPass : public GuardTest {};

TEST_F(CheckPass, ComparesContentsInChunksOf65535Bytes) {
  struct Case {
    std::string File;
    std::string Backup;
    std::string Expected;
  };
  const std::string chunk = PatternBytes(65535);
  std::string changedFirstChunk = PatternBytes(200000, 4);
  std::string longerBackup = changedFirstChunk + "tail";
  changedFirstChunk[100] ^= 1;
  std::string lastByte = PatternBytes(131070, 5);
  std::string lastByteChanged = lastByte;
  lastByteChanged.back() ^= 1;
  const Case cases[] = {
      {"", "", "Checked (OK)"},
      {chunk, chunk, "Checked (OK)"},  // a full chunk, then a read of 0 bytes from both
      {lastByte, lastByte, "Checked (OK)"},
      {chunk, chunk + "x", "Size mismatch"},  // found on the second chunk
      {std::string(100, 'a'), std::string(50, 'a'), "Size mismatch"},
      {changedFirstChunk, longerBackup,
       "File data changed"},  // the first chunk differs before the lengths do
      {lastByteChanged, lastByte, "File data changed"},
  };
  std::vector<std::string> paths;
  for (size_t i = 0; i < std::size(cases); ++i)
    paths.push_back(SiteFile("f" + std::to_string(i), cases[i].Backup));
  Watch(paths);
  for (size_t i = 0; i < std::size(cases); ++i) {
    WriteAll(paths[i], cases[i].File);
    WriteAll(BackupOf(paths[i]), cases[i].Backup);
  }
  Guard.RunCheckPass(false, true, false, false);
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(History(paths[i]), cases[i].Expected) << i;
}

TEST_F(CheckPass, ComparesStampsToTheEvenSecondAndThenSkipsTheContents) {
  const std::string same = SiteFile("same.html", "same");
  const std::string odd = SiteFile("odd.html", "odd");
  const std::string moved = SiteFile("moved.html", "moved");
  Watch({same, odd, moved});
  // One second later within the same two-second slot still matches; the copy's stamp is even.
  struct stat st {};
  ASSERT_EQ(stat(BackupOf(odd).c_str(), &st), 0);
  ASSERT_EQ(st.st_mtim.tv_sec % 2, 0);
  const timespec oddTimes[2] = {{0, UTIME_OMIT}, {st.st_mtim.tv_sec + 1, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, odd.c_str(), oddTimes, 0), 0);
  WriteAll(BackupOf(odd), "ODD");      // contents differ too, and are compared
  WriteAll(BackupOf(moved), "MOVED");  // would be "File data changed", but the dates come first
  SetMtime(BackupOf(moved), Now);
  SetMtime(moved, Now + 2);
  Guard.RunCheckPass(true, true, false, false);
  EXPECT_EQ(History(same), "Checked (OK)");
  EXPECT_EQ(History(odd), "File data changed");
  EXPECT_EQ(History(moved), "Date mismatch");
}

TEST_F(CheckPass, AFileThatCannotBeOpenedDoesNotExistOnEveryPass) {
  const std::string gone = SiteFile("gone.html", "g");
  const std::string pipe = SiteFile("pipe", "p");
  Watch({gone, pipe});
  std::filesystem::remove(gone);
  std::filesystem::remove(pipe);
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);  // must not block the pass
  for (int pass = 0; pass < 2; ++pass) {
    Guard.RunCheckPass(true, false, false, false);
    EXPECT_EQ(AlertWindow.Rows, (std::vector<AlertRow>{{gone, "Doesn't exist"}, {pipe, "Doesn't exist"}}));
  }
}

TEST_F(CheckPass, AMissingBackupIsReportedOnceUntilTheHistoryChanges) {
  const std::string page = SiteFile("page.html", "p");
  Watch({page});
  std::filesystem::remove(BackupOf(page));

  CheckNow();  // an interactive pass also says so in a message box
  EXPECT_EQ(AlertWindow.Rows, (std::vector<AlertRow>{{page, "NO BACKUP FOUND!"}}));
  EXPECT_EQ(Status.Panels[kStatusPanel], " Status: [NO BACKUP!]");
  EXPECT_EQ(Dialogs.Errors,
            (std::vector<RecordingDialogs::Message>{{"Unable to find backup file", "Fatal error"}}));

  Guard.RunCheckPass(true, false, true, true);
  EXPECT_TRUE(AlertWindow.Rows.empty());
  EXPECT_EQ(Status.Panels[kStatusPanel], " Status: [NO BACKUP!]");
  EXPECT_EQ(History(page), "NO BACKUP FOUND!");
  EXPECT_EQ(Dialogs.Errors.size(), 1u);

  Data.Files().SetActionHistory(0, "Backup (OK)");  // any other text re-arms it; a timer pass shows no box
  Guard.RunCheckPass(true, false, false, false);
  EXPECT_EQ(AlertWindow.Rows.size(), 1u);
  EXPECT_EQ(Dialogs.Errors.size(), 1u);
}

TEST_F(CheckPass, ReturnsEarlyWithNothingToCompareOrNoRows) {
  Guard.RunCheckPass(true, true, true, true);  // no rows
  Watch({SiteFile("a.html", "a")});
  MainTimer.Stops = 0;
  std::filesystem::remove(Data.Locations().ListFile);
  Status.Panels.clear();
  Guard.RunCheckPass(false, false, true, true);
  EXPECT_EQ(Status.Panels, (std::map<int, std::string>{{kStatusPanel, " Status: [OK]"}}));
  EXPECT_EQ(MainTimer.Stops, 0);
  EXPECT_EQ(PassesRun(), 0);
  EXPECT_FALSE(FileExists(Data.Locations().ListFile));
  EXPECT_EQ(History(Data.Files().FullPath(0)), "Not checked");
}

TEST_F(CheckPass, ShowsProgressPerRowAndLeavesTheTimerToTheAlertDialog) {
  std::vector<std::string> paths;
  for (const char* name : {"a", "b", "c"})
    paths.push_back(SiteFile(name, name));
  Watch(paths);
  Guard.RunCheckPass(true, false, false, false);
  EXPECT_EQ(CheckWindow.Positions, (std::vector<int>{0, 33, 66, 100}));
  EXPECT_EQ(CheckWindow.Statuses,
            (std::vector<std::string>{"Initializing checker engine...", paths[0], paths[1], paths[2]}));
  EXPECT_EQ(CheckWindow.Shows, 0);  // written to, never shown
  EXPECT_TRUE(MainTimer.Active);
  EXPECT_EQ(Status.Panels[kActivityPanel], "");
  EXPECT_EQ(Status.Panels[kStatusPanel], " Status: [OK]");
  EXPECT_EQ(Table()[0], paths[0] + " | 0 KB | Checked (OK)");

  std::filesystem::remove(paths[1]);
  Guard.RunCheckPass(true, false, false, true);
  EXPECT_EQ(CheckWindow.Shows, 1);
  EXPECT_FALSE(CheckWindow.Visible);
  EXPECT_FALSE(MainTimer.Active);  // the alert dialog is up: it starts the timer when it closes
  EXPECT_FALSE(Config.Enabled);
  EXPECT_EQ(Status.Panels[kStatusPanel], " Status: [ALERT]");
  EXPECT_EQ(AlertWindow.FixCaption, "Fix (auto fix in 20 sec)");
  EXPECT_EQ(AlertWindow.IgnoreCaption, "Ignore this check");
}

TEST_F(CheckPass, IgnoreDuringTheMessageBoxStopsThePassBeforeItsNextRow) {
  std::vector<std::string> paths;
  for (const char* name : {"a", "b", "c"})
    paths.push_back(SiteFile(name, name));
  Watch(paths);
  std::filesystem::remove(BackupOf(paths[0]));
  std::filesystem::remove(paths[2]);
  int reentered = 0;
  Dialogs.WhileOpen = [&] {
    Guard.RunCheckPass(true, true, true, true);  // a second pass is refused while one runs
    ++reentered;
    Guard.Alerts().IgnoreButtonClick();
  };
  CheckNow();
  EXPECT_EQ(reentered, 1);
  EXPECT_EQ(PassesRun(), 1);
  EXPECT_EQ(History(paths[1]), "Not checked");  // never reached
  EXPECT_EQ(History(paths[2]), "Not checked");
  EXPECT_FALSE(Guard.CheckCancelled);
  EXPECT_FALSE(Guard.CheckRunning);
  EXPECT_FALSE(AlertWindow.Visible);
  EXPECT_TRUE(MainTimer.Active);
}

TEST_F(CheckPass, ProgressShowsZeroForTheFirstRowsOfALongList) {
  std::vector<std::string> paths;
  for (int i = 0; i < 250; ++i)
    paths.push_back(SiteFile("p" + std::to_string(1000 + i), ""));
  Watch(paths);
  Guard.RunCheckPass(true, false, false, false);
  ASSERT_EQ(CheckWindow.Positions.size(), 251u);
  EXPECT_EQ(CheckWindow.Positions[1], 0);
  EXPECT_EQ(CheckWindow.Positions[2], 0);
  EXPECT_EQ(CheckWindow.Positions[3], 1);
  EXPECT_EQ(CheckWindow.Positions[250], 100);
}

}  // namespace
}  // namespace vostrelund::test

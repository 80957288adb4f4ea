#include <sys/stat.h>

#include <filesystem>

#include "checker/alert_log.h"
#include "guard_fixture.h"
#include "platform/file_system.h"

namespace vostrelund::test {
namespace {

using Message = RecordingDialogs::Message;

class Alerts : public GuardTest {
 protected:
  void SetUp() override {
    for (const char* name : {"a.html", "b.html", "c.html"})
      Paths.push_back(SiteFile(name, name));
    Watch(Paths);
    Options().UseLog = true;
  }
  std::string Log() const { return ReadAll(Options_().LogPath); }
  const Settings& Options_() const { return Data.CurrentSettings(); }
  std::string Line(const std::string& path, const std::string& alert) const {
    return "Alert [Mon 03 Jul 14:05]: " + path + " - " + alert + "\r\n";
  }
  std::vector<std::string> Paths;
};

TEST_F(Alerts, APassWithThreeAlertsShowsTheDialogOnceAndLogsThreeLines) {
  for (const std::string& path : Paths)
    WriteAll(path, "changed!");
  Guard.RunCheckPass(false, true, false, false);
  EXPECT_EQ(AlertWindow.Showings, 1);
  EXPECT_EQ(AlertWindow.Sounds, std::vector<std::string>{Options().SoundPath});
  EXPECT_TRUE(AlertWindow.TimerActive);
  EXPECT_EQ(AlertWindow.Rows,
            (std::vector<AlertRow>{
                {Paths[0], "Size mismatch"}, {Paths[1], "Size mismatch"}, {Paths[2], "Size mismatch"}}));
  EXPECT_EQ(Log(), Line(Paths[0], "Size mismatch") + Line(Paths[1], "Size mismatch") +
                       Line(Paths[2], "Size mismatch"));
  EXPECT_EQ(Guard.Alerts().Rows(), AlertWindow.Rows);
}

TEST_F(Alerts, ARepeatedAlertIsLoggedOnlyWhenTheLogIsGoneOrTheRowWasFixed) {
  std::filesystem::remove(Paths[0]);
  Data.Files().SetActionHistory(0, "Doesn't exist");
  Data.Files().SetActionHistory(1, "Doesn't exist (fixed)");
  std::filesystem::remove(Paths[1]);
  AppendToLog(Options().LogPath, "earlier\n");
  Guard.RunCheckPass(true, false, false, false);
  EXPECT_EQ(Log(), "earlier\r\n" + Line(Paths[1], "Doesn't exist"));
  EXPECT_EQ(AlertWindow.Rows.size(), 2u);  // the repeat is an alert all the same
  EXPECT_EQ(History(Paths[0]), "Doesn't exist");
  EXPECT_FALSE(Config.Enabled);

  std::filesystem::remove(Options().LogPath);
  Guard.RunCheckPass(true, false, false, false);
  EXPECT_EQ(Log(), Line(Paths[0], "Doesn't exist"));  // the line creates the log again
}

TEST_F(Alerts, NoLogIsTouchedWhenLoggingIsOffOrItsFolderIsMissing) {
  WriteAll(Paths[0], "changed");
  Options().UseLog = false;
  Guard.RunCheckPass(false, true, false, false);
  EXPECT_FALSE(FileExists(Options().LogPath));
  Options().UseLog = true;
  Options().LogPath = Root / "no-such-folder/vostrelund.log";
  Guard.RunCheckPass(false, true, false, false);
  EXPECT_EQ(AlertWindow.Rows.size(), 1u);
  EXPECT_TRUE(Dialogs.Errors.empty());
}

TEST_F(Alerts, UseSoundOffPlaysNothingAndASecondPassDoesNotSoundAgain) {
  WriteAll(Paths[0], "changed");
  Options().UseSound = false;
  Guard.RunCheckPass(false, true, false, false);
  EXPECT_TRUE(AlertWindow.Sounds.empty());
  Options().UseSound = true;
  WriteAll(Paths[1], "changed");
  Guard.RunCheckPass(false, true, false, false);  // the dialog is still up
  EXPECT_TRUE(AlertWindow.Sounds.empty());
  EXPECT_EQ(AlertWindow.Showings, 1);
  EXPECT_EQ(AlertWindow.Rows.size(), 2u);  // only the second pass's alerts
}

TEST(LogStamp, IsSixteenCharactersOfEnglishNames) {
  std::tm t{};
  t.tm_year = 2023 - 1900;
  t.tm_mon = 6;
  t.tm_mday = 3;
  t.tm_hour = 4;
  t.tm_min = 5;
  t.tm_isdst = -1;
  EXPECT_EQ(LogStamp(std::mktime(&t)), "Mon 03 Jul 04:05");
  t.tm_mon = 11;
  t.tm_mday = 31;
  t.tm_hour = 23;
  t.tm_min = 59;
  EXPECT_EQ(LogStamp(std::mktime(&t)), "Sun 31 Dec 23:59");
}

class Fix : public GuardTest {
 protected:
  void SetUp() override { Options().UseLog = true; }
};

TEST_F(Fix, RestoresADeletedFileWithItsFoldersAndTheCopysStamp) {
  const std::string page = SiteFile("deep/er/page.html", "original");
  Watch({page});
  std::filesystem::remove_all(Site + "deep");
  AppendToLog(Options().LogPath, "");
  Guard.RunCheckPass(true, false, false, false);
  ASSERT_EQ(AlertWindow.Rows, (std::vector<AlertRow>{{page, "Doesn't exist"}}));
  Guard.RunFix();
  EXPECT_EQ(ReadAll(page), "original");
  File restored = File::OpenForReading(page);
  File backup = File::OpenForReading(BackupOf(page));
  EXPECT_EQ(restored.ModificationStamp(), backup.ModificationStamp());
  EXPECT_EQ(History(page), "Doesn't exist (fixed)");
  EXPECT_EQ(Status.Panels[kStatusPanel], " Status: [FIXED]");
  EXPECT_FALSE(AlertWindow.Visible);
  EXPECT_TRUE(Config.Enabled);
  EXPECT_TRUE(MainTimer.Active);
  EXPECT_EQ(FixWindow.Positions, (std::vector<int>{0, 100}));
  EXPECT_EQ(FixWindow.Statuses, (std::vector<std::string>{"Initializing...", page}));
  EXPECT_FALSE(FixWindow.Visible);
  EXPECT_EQ(ReadAll(Options().LogPath),
            "Alert [Mon 03 Jul 14:05]: " + page + " - Doesn't exist\r\n *** FIXED ***\r\n\r\n");
  // saved with the mark
  Data.LoadFileList();
  EXPECT_EQ(History(page), "Doesn't exist (fixed)");
}

TEST_F(Fix, AMissingBackupTurnsTheOutcomeIntoAWarningAndTheOthersAreRestored) {
  const std::string a = SiteFile("a", "a"), b = SiteFile("b", "b"), c = SiteFile("c", "c");
  Watch({a, b, c});
  std::filesystem::remove(BackupOf(a));
  WriteAll(b, "bb");
  WriteAll(c, "cc");
  AppendToLog(Options().LogPath, "");
  Guard.RunCheckPass(false, true, false, false);
  Guard.RunFix();
  EXPECT_EQ(ReadAll(b), "b");
  EXPECT_EQ(ReadAll(c), "c");
  EXPECT_EQ(ReadAll(a), "a");  // untouched
  EXPECT_EQ(History(a), "NO BACKUP FOUND!");
  EXPECT_EQ(History(b), "Size mismatch (fixed)");
  EXPECT_EQ(FixWindow.Statuses, (std::vector<std::string>{"Initializing...", b, c}));
  const std::string log = ReadAll(Options().LogPath);
  const std::string warning =
      " *** FIXED *** - WARNING: Not able to fix some files (no backup found)\r\n\r\n";
  ASSERT_GE(log.size(), warning.size());
  EXPECT_EQ(log.substr(log.size() - warning.size()), warning);
}

TEST_F(Fix, AFailedRestoreLeavesTheDamagedFileAsItWasAndItsRowUnmarked) {
  const std::string big = SiteFile("big.bin", PatternBytes(300000));
  Watch({big});
  WriteAll(big, "defaced");
  Guard.RunCheckPass(false, true, false, false);
  std::filesystem::remove(Options().LogPath);
  {
    FileSizeLimit disk(100000);
    Guard.RunFix();
  }
  EXPECT_EQ(ReadAll(big), "defaced");
  EXPECT_EQ(History(big), "Size mismatch");
  EXPECT_EQ(ListFolder(Site), std::vector<std::string>{"big.bin"});  // no temporary file left
  EXPECT_EQ(Status.Panels[kStatusPanel], " Status: [FIXED]");
  EXPECT_FALSE(FileExists(Options().LogPath));  // an outcome line never creates the log
}

TEST_F(Fix, WithNoAlertRowsStillEndsAsAFix) {
  AppendToLog(Options().LogPath, "");
  Guard.RunFix();
  EXPECT_EQ(Status.Panels[kStatusPanel], " Status: [FIXED]");
  EXPECT_EQ(ReadAll(Options().LogPath), " *** FIXED ***\r\n\r\n");
  EXPECT_TRUE(FileExists(Data.Locations().ListFile));
  EXPECT_TRUE(MainTimer.Active);
}

class BackupNow : public GuardTest {};

TEST_F(BackupNow, CopiesEveryFileAndMakesItTheNewReference) {
  const std::string a = SiteFile("a", std::string(1023, 'a'));
  const std::string b = SiteFile("b", "b");
  Watch({a, b});
  WriteAll(a, std::string(1024, 'A'));  // damaged before the run: it becomes the reference
  Guard.RunBackupNow();
  EXPECT_EQ(Table(), (std::vector<std::string>{a + " | 2 KB | Backup (OK)", b + " | 0 KB | Backup (OK)"}));
  EXPECT_EQ(ReadAll(BackupOf(a)), std::string(1024, 'A'));
  EXPECT_EQ(BackupWindow.Positions, (std::vector<int>{0, 50, 100}));
  EXPECT_EQ(BackupWindow.Statuses, (std::vector<std::string>{"Initializing...", a, b}));
  EXPECT_FALSE(BackupWindow.Visible);
  EXPECT_EQ(Status.Panels[kStatusPanel], " Status: [OK]");
  EXPECT_TRUE(MainTimer.Active);
  Guard.RunCheckPass(true, true, false, false);
  EXPECT_EQ(History(a), "Checked (OK)");
}

TEST_F(BackupNow, TwoMissingFilesInARowAnsweredYesAreBothRemoved) {
  std::vector<std::string> paths;
  for (const char* name : {"a", "b", "c", "d"})
    paths.push_back(SiteFile(name, name));
  Watch(paths);
  std::filesystem::remove(paths[1]);
  std::filesystem::remove(paths[2]);
  Dialogs.Answers = {true, true};
  Guard.RunBackupNow();
  EXPECT_EQ(
      Dialogs.Questions,
      (std::vector<Message>{
          {"Original file " + paths[1] + " does not exist, remove it from backup list now?", "Backup failed"},
          {"Original file " + paths[2] + " does not exist, remove it from backup list now?",
           "Backup failed"}}));
  EXPECT_EQ(Dialogs.QuestionDefaultsYes, (std::vector<bool>{true, true}));
  EXPECT_EQ(Table(), (std::vector<std::string>{paths[0] + " | 0 KB | Backup (OK)",
                                               paths[3] + " | 0 KB | Backup (OK)"}));
  EXPECT_FALSE(FileExists(BackupOf(paths[1])));
  EXPECT_FALSE(FileExists(BackupOf(paths[2])));
  EXPECT_EQ(Status.Panels[kFileCountPanel], " 2 file(s)");
}

TEST_F(BackupNow, AMissingFileAnsweredNoStaysAsItWas) {
  const std::string a = SiteFile("a", "a");
  Watch({a});
  std::filesystem::remove(a);
  Dialogs.Answers = {false};
  Guard.RunBackupNow();
  EXPECT_EQ(Table(), std::vector<std::string>{a + " | 0 KB | Not checked"});
  EXPECT_TRUE(FileExists(BackupOf(a)));
}

TEST_F(BackupNow, AFailedCopyEndsTheRunWithoutSavingAndKeepsTheOldCopy) {
  const std::string a = SiteFile("a", "a");
  const std::string big = SiteFile("big", PatternBytes(300000));
  const std::string c = SiteFile("c", "c");
  Watch({a, big, c});
  const std::string listBefore = ReadAll(Data.Locations().ListFile);
  WriteAll(big, PatternBytes(300000, 3));
  {
    FileSizeLimit disk(100000);
    Guard.RunBackupNow();
  }
  EXPECT_EQ(Dialogs.Errors, (std::vector<Message>{{"Error: Unable to create backup file", "Backup failed"}}));
  EXPECT_EQ(ReadAll(BackupOf(big)), PatternBytes(300000));
  EXPECT_EQ(Table(), (std::vector<std::string>{a + " | 0 KB | Backup (OK)", big + " | 293 KB | Not checked",
                                               c + " | 0 KB | Not checked"}));
  EXPECT_EQ(ReadAll(Data.Locations().ListFile), listBefore);
  EXPECT_FALSE(BackupWindow.Visible);
  EXPECT_TRUE(MainTimer.Active);
}

TEST_F(BackupNow, WithoutTheBackupFolderTheFirstCopyFails) {
  const std::string a = SiteFile("a", "a");
  Watch({a});
  std::filesystem::remove_all(Data.Locations().BackupFolder);
  Guard.RunBackupNow();
  EXPECT_EQ(Dialogs.Errors, (std::vector<Message>{{"Error: Unable to create backup file", "Backup failed"}}));
  EXPECT_TRUE(MainTimer.Active);
}

TEST_F(BackupNow, AnEmptyListOpensAndClosesTheWindowAndSaves) {
  Guard.RunBackupNow();
  EXPECT_EQ(BackupWindow.Shows, 1);
  EXPECT_FALSE(BackupWindow.Visible);
  EXPECT_EQ(ReadAll(Data.Locations().ListFile), "");
  EXPECT_EQ(Status.Panels[kStatusPanel], " Status: [OK]");
}

}  // namespace
}  // namespace vostrelund::test

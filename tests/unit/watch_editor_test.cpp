#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "guard_fixture.h"
#include "platform/file_system.h"
#include "storage/list_file.h"

namespace vostrelund::test {
namespace {

using Message = RecordingDialogs::Message;

class AddFiles : public GuardTest {};

TEST_F(AddFiles, MakesABackupCopyAndARowForEachChosenFileAndSavesTheList) {
  const std::string index = SiteFile("index.html", std::string(1024, 'i'));
  const std::string logo = SiteFile("img/logo.gif", std::string(1023, 'g'));
  const std::string about = SiteFile("About.html", "");
  Watch({index, logo, about});

  EXPECT_EQ(Dialogs.ChooserTitles, std::vector<std::string>{"Add file(s) | All files (*.*)|*.*"});
  EXPECT_EQ(Table(),
            (std::vector<std::string>{about + " | 0 KB | Not checked", index + " | 2 KB | Not checked",
                                      logo + " | 0 KB | Not checked"}));
  for (const std::string& path : {index, logo, about})
    EXPECT_EQ(ReadAll(BackupOf(path)), ReadAll(path));
  EXPECT_EQ(ReadAll(Data.BackupPath(logo)), std::string(1023, 'g'));
  EXPECT_NE(BackupOf(logo).find("Backup/_"), std::string::npos);
  // the list file holds the rows, and the timer runs again
  WatchList saved(ByteOrder());
  ASSERT_TRUE(ReadListFile(Data.Locations().ListFile, saved));
  EXPECT_EQ(saved.Rows(), Data.Files().Rows());
  EXPECT_EQ(Status.Panels[kFileCountPanel], " 3 file(s)");
  EXPECT_TRUE(MainTimer.Active);
  EXPECT_EQ(MainTimer.Stops, 1);
  EXPECT_GE(Config.IconRefreshes, 1);
  EXPECT_TRUE(Dialogs.Errors.empty());
}

TEST_F(AddFiles, AddingAWatchedFileAgainLeavesOneRowWithAFreshCopy) {
  const std::string page = SiteFile("index.html", "old");
  const std::string twin = SiteFile("Index.html", "twin");  // another file on a case-sensitive file system
  Watch({page, twin});
  Data.Files().SetActionHistory(1, "Checked (OK)");
  WriteAll(page, std::string(3000, 'n'));
  Watch({page});
  EXPECT_EQ(Table(),
            (std::vector<std::string>{twin + " | 0 KB | Not checked", page + " | 3 KB | Not checked"}));
  EXPECT_EQ(ReadAll(BackupOf(page)), std::string(3000, 'n'));
}

TEST_F(AddFiles, ACancelledChooserChangesNothingAndDoesNotRewriteTheList) {
  Watch({SiteFile("a.html", "a")});
  const auto written = IdentityOf(Data.Locations().ListFile);
  ASSERT_TRUE(written);
  const uint64_t revision = Data.Files().Revision();
  Watch({});  // the chooser cancelled
  EXPECT_EQ(Data.Files().Revision(), revision);
  EXPECT_EQ(IdentityOf(Data.Locations().ListFile), written);
  EXPECT_TRUE(MainTimer.Active);
  EXPECT_EQ(Status.Panels[kFileCountPanel], " 1 file(s)");
}

TEST_F(AddFiles, AnUnreadableFileIsReportedAndTheOthersAreAdded) {
  const std::string a = SiteFile("a.html", "a");
  const std::string c = SiteFile("c.html", "c");
  ASSERT_EQ(mkfifo((Site + "b.pipe").c_str(), 0600), 0);
  Watch({a, Site + "b.pipe", Site + "gone.html", c});
  EXPECT_EQ(Dialogs.Errors,
            (std::vector<Message>{{"Error: File cannot be read: b.pipe", "Add files failed"},
                                  {"Error: File cannot be read: gone.html", "Add files failed"}}));
  EXPECT_EQ(Table(), (std::vector<std::string>{a + " | 0 KB | Not checked", c + " | 0 KB | Not checked"}));
}

TEST_F(AddFiles, WithoutABackupFolderNothingIsAddedAndTheRestIsSkipped) {
  const std::string a = SiteFile("a.html", "a");
  const std::string b = SiteFile("b.html", "b");
  std::filesystem::remove_all(Data.Locations().BackupFolder);
  Watch({a, b});
  EXPECT_EQ(Dialogs.Errors,
            (std::vector<Message>{{"Error: Unable to create backup file", "Add files failed"}}));
  EXPECT_TRUE(Data.Files().Empty());
  EXPECT_TRUE(MainTimer.Active);
  EXPECT_EQ(ReadAll(Data.Locations().ListFile), "");  // rewritten all the same
}

TEST_F(AddFiles, AFailedCopyLeavesTheOldBackupAndAddsNoRow) {
  const std::string big = SiteFile("big.bin", PatternBytes(300000));
  const std::string small = SiteFile("small.txt", "small");
  Watch({big});
  const std::string old = ReadAll(BackupOf(big));
  WriteAll(big, PatternBytes(300000, 9));
  Data.Files().SetActionHistory(0, "Checked (OK)");
  {
    FileSizeLimit disk(100000);  // the disk fills up during the copy
    Watch({big, small});
  }
  EXPECT_EQ(Dialogs.Errors,
            (std::vector<Message>{{"Error: Unable to create backup file", "Add files failed"}}));
  EXPECT_EQ(ReadAll(BackupOf(big)), old);
  EXPECT_TRUE(Data.Files().Empty());  // the old row went before the copy was tried, as the row of any re-add
  // and no temporary file is left behind
  EXPECT_EQ(ListFolder(Data.Locations().BackupFolder),
            std::vector<std::string>{std::filesystem::path(BackupOf(big)).filename().string()});
}

TEST_F(AddFiles, RefusesAFileThatWouldShareTheBackupCopyOfAnother) {
  const std::string first = SiteFile("a_b/c.txt", "first");
  const std::string second = SiteFile("a/b_c.txt", "second");
  Watch({first});
  Data.Files().SetActionHistory(0, "Checked (OK)");
  Watch({second});
  EXPECT_EQ(Dialogs.Errors,
            (std::vector<Message>{
                {"Error: Another watched file has the same backup name as " + second, "Add files failed"}}));
  EXPECT_EQ(Table(), std::vector<std::string>{first + " | 0 KB | Checked (OK)"});
  EXPECT_EQ(ReadAll(BackupOf(first)), "first");
}

class AddFolder : public GuardTest {
 protected:
  void AddTree(const std::string& folder) {
    Dialogs.FolderChoices.push_back(folder);
    Editor.Addfolderstructure1Click();
  }
};

TEST_F(AddFolder, AddsEveryRegularFileOfEveryLevelAndSavesTheList) {
  SiteFile("index.html", "home");
  SiteFile(".htaccess", "deny");
  SiteFile("img/logo.gif", "gif");
  SiteFile("img/icons/a.png", "png");
  std::filesystem::create_directories(Site + "empty");
  ASSERT_EQ(mkfifo((Site + "queue").c_str(), 0600), 0);
  ASSERT_EQ(symlink((Site + "img").c_str(), (Site + "loop").c_str()), 0);  // a linked folder is not walked
  ASSERT_EQ(symlink((Site + "index.html").c_str(), (Site + "home.html").c_str()), 0);
  AddTree(Root / "site");  // as the chooser gives it: no trailing separator

  std::vector<std::string> table = Table();
  std::sort(table.begin(), table.end());
  EXPECT_EQ(table,
            (std::vector<std::string>{
                Site + ".htaccess | 0 KB | Not checked", Site + "home.html | 0 KB | Not checked",
                Site + "img/icons/a.png | 0 KB | Not checked", Site + "img/logo.gif | 0 KB | Not checked",
                Site + "index.html | 0 KB | Not checked"}));
  EXPECT_EQ(ReadAll(BackupOf(Site + "img/icons/a.png")), "png");
  EXPECT_EQ(Dialogs.ChooserTitles, std::vector<std::string>{"Add folder structure"});
  EXPECT_TRUE(Dialogs.Errors.empty());
  EXPECT_TRUE(Config.Enabled);
  EXPECT_FALSE(Config.Busy);
  EXPECT_TRUE(MainTimer.Active);
  // saved at once, so a reload of the list keeps the new rows
  Data.LoadFileList();
  EXPECT_EQ(Data.Files().Size(), 5u);
}

TEST_F(AddFolder, ACopyThatCannotBeMadeEndsItsFolderAndTheWalkGoesOnInTheParent) {
  SiteFile("a.html", "a");
  SiteFile("z.html", "z");
  for (const char* name : {"1.txt", "2.txt", "3.txt", "4.txt", "5.txt", "6.txt"})
    SiteFile(std::string("sub/") + name, name);
  // A folder where one file's backup copy should go: that copy cannot be made.
  const std::string blocked = Site + "sub/4.txt";
  std::filesystem::create_directories(BackupOf(blocked));
  AddTree(Root / "site");

  EXPECT_EQ(Dialogs.Errors, (std::vector<Message>{{"Error: Unable to create backup file", "Add folders"}}));
  // the files of sub/ that the walk met before the blocked one, and every file of the parent
  std::vector<std::string> expected = {Site + "a.html", Site + "z.html"};
  const std::optional<std::vector<FolderEntry>> walked = ReadFolder(Site + "sub/");
  ASSERT_TRUE(walked);
  for (const FolderEntry& entry : *walked) {
    if (entry.Name == "4.txt")
      break;
    expected.push_back(Site + "sub/" + entry.Name);
  }
  std::vector<std::string> paths;
  for (size_t i = 0; i < Data.Files().Size(); ++i)
    paths.push_back(Data.Files().FullPath(i));
  std::sort(paths.begin(), paths.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(paths, expected);
}

TEST_F(AddFolder, RefusesTheSecondOfTwoFilesWithOneBackupName) {
  SiteFile("a_b/c.txt", "one");
  SiteFile("a/b_c.txt", "two");
  AddTree(Site);
  ASSERT_EQ(Dialogs.Errors.size(), 1u);
  EXPECT_EQ(Dialogs.Errors[0].Caption, "Add folders");
  ASSERT_EQ(Data.Files().Size(), 1u);
  EXPECT_EQ(ReadAll(BackupOf(Data.Files().FullPath(0))), ReadAll(Data.Files().FullPath(0)));
}

TEST_F(AddFolder, TheRootGetsItsSeparatorOnceAndCancellingAddsNothing) {
  AddTree("");
  EXPECT_TRUE(Data.Files().Empty());
  EXPECT_TRUE(MainTimer.Active);
  // a folder that already ends with the separator, as the root does
  SiteFile("page.html", "p");
  AddTree(Site);
  EXPECT_EQ(Table(), std::vector<std::string>{Site + "page.html | 0 KB | Not checked"});
}

class Remove : public GuardTest {
 protected:
  void SetUp() override {
    for (const char* name : {"a.html", "b.html", "c.html"})
      Paths.push_back(SiteFile(name, name));
    Watch(Paths);
  }
  std::vector<std::string> Paths;
};

TEST_F(Remove, AnsweredYesRemovesTheSelectedRowsAndTheirCopies) {
  Config.Selected = {0, 2};
  std::filesystem::remove(BackupOf(Paths[2]));  // a missing copy is passed over silently
  Dialogs.Answers = {true};
  Editor.Deletefile1Click();
  EXPECT_EQ(Dialogs.Questions,
            (std::vector<Message>{
                {"Are you sure you want to remove backup and disabling keeping of this/these file(s)?",
                 "Remove from list"}}));
  EXPECT_EQ(Dialogs.QuestionDefaultsYes, std::vector<bool>{false});
  EXPECT_EQ(Table(), std::vector<std::string>{Paths[1] + " | 0 KB | Not checked"});
  EXPECT_FALSE(FileExists(BackupOf(Paths[0])));
  EXPECT_TRUE(FileExists(BackupOf(Paths[1])));
  EXPECT_TRUE(Dialogs.Errors.empty());
  EXPECT_EQ(Status.Panels[kFileCountPanel], " 1 file(s)");
  EXPECT_TRUE(MainTimer.Active);
}

TEST_F(Remove, AnsweredNoChangesNothingAndWritesNothing) {
  Config.Selected = {1};
  Dialogs.Answers = {false};
  std::filesystem::remove(Data.Locations().ListFile);
  Editor.Deletefile1Click();
  EXPECT_EQ(Data.Files().Size(), 3u);
  EXPECT_TRUE(FileExists(BackupOf(Paths[1])));
  EXPECT_FALSE(FileExists(Data.Locations().ListFile));
  EXPECT_TRUE(MainTimer.Active);
}

TEST_F(Remove, WithNoSelectionAsksNothingAndRewritesTheList) {
  std::filesystem::remove(Data.Locations().ListFile);
  Editor.Deletefile1Click();
  EXPECT_TRUE(Dialogs.Questions.empty());
  EXPECT_EQ(Data.Files().Size(), 3u);
  EXPECT_TRUE(FileExists(Data.Locations().ListFile));
}

}  // namespace
}  // namespace vostrelund::test

#include "storage/file_locations.h"

#include <gtest/gtest.h>

namespace vostrelund {
namespace {

TEST(FileLocations, FollowTheExecutableInBothForms) {
  struct Case {
    const char* Executable;
    PathStyle Style;
    const char* Folder;
    const char* Settings;
    const char* List;
    const char* Backup;
  };
  const Case cases[] = {
      {"D:\\Tools\\Site\\watch.exe", PathStyle::Windows(), "D:\\Tools\\Site\\",
       "D:\\Tools\\Site\\vostrelund.ini", "D:\\Tools\\Site\\vostrelund.dta", "D:\\Tools\\Site\\Backup\\"},
      {"E:\\watch.exe", PathStyle::Windows(), "E:\\", "E:\\vostrelund.ini", "E:\\vostrelund.dta",
       "E:\\Backup\\"},
      {"/opt/guard/vostrelund", PathStyle::Posix(), "/opt/guard/", "/opt/guard/vostrelund.ini",
       "/opt/guard/vostrelund.dta", "/opt/guard/Backup/"},
      {"/vostrelund", PathStyle::Posix(), "/", "/vostrelund.ini", "/vostrelund.dta", "/Backup/"},
  };
  for (const Case& c : cases) {
    const FileLocations at = FileLocations::FromExecutable(c.Executable, c.Style);
    EXPECT_EQ(at.ProgramFolder, c.Folder);
    EXPECT_EQ(at.SettingsFile, c.Settings);
    EXPECT_EQ(at.ListFile, c.List);
    EXPECT_EQ(at.BackupFolder, c.Backup);
  }
}

}  // namespace
}  // namespace vostrelund

#include <sys/stat.h>

#include "storage/autostart.h"
#include "test_support.h"

namespace vostrelund {
namespace {

TEST(AutostartEntry, IsWrittenWithTheQuotedExecutableAndRemovedAgain) {
  test::TempDir dir;
  const AutostartEntry entry(dir / "xdg/autostart");
  ASSERT_TRUE(entry.Set("/opt/site guard/vostrelund"));
  EXPECT_EQ(entry.Path(), dir / "xdg/autostart/Vostrelund.desktop");
  EXPECT_EQ(test::ReadAll(entry.Path()),
            "[Desktop Entry]\nType=Application\nName=Vostrelund\nComment=Keeps a web site's files intact\n"
            "Exec=\"/opt/site guard/vostrelund\"\nTerminal=false\n");
  struct stat st {};
  ASSERT_EQ(stat(entry.Path().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);  // every session reads it
  entry.Remove();
  EXPECT_TRUE(test::ListFolder(dir / "xdg/autostart").empty());
  entry.Remove();  // a missing entry is no error
}

TEST(AutostartEntry, QuotesWhatTheExecKeyWouldOtherwiseTakeApart) {
  EXPECT_EQ(AutostartEntry::ExecLine("/a b/v"), "\"/a b/v\"");
  EXPECT_EQ(AutostartEntry::ExecLine("/x$y/`q`/\"z\"/100%/b\\s"),
            "\"/x\\\\$y/\\\\`q\\\\`/\\\\\"z\\\\\"/100%%/b\\\\\\\\s\"");
}

TEST(AutostartEntry, AFolderThatCannotBeMadeRefusesTheEntry) {
  test::TempDir dir;
  test::WriteAll(dir / "file", "x");
  EXPECT_FALSE(AutostartEntry(dir / "file/autostart").Set("/v"));
}

}  // namespace
}  // namespace vostrelund

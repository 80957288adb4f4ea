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

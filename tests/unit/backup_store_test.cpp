#include "storage/backup_store.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "test_support.h"

namespace vostrelund {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

std::string BackupNameOf(std::string path, PathStyle style) {
  MakeBackupName(path, style);
  return path;
}

TEST(BackupName, FlattensSeparatorsAndColonsAndNothingElse) {
  struct Case {
    const char* Path;
    PathStyle Style;
    const char* Name;
  };
  const Case cases[] = {
      {"C:\\site\\index.html", PathStyle::Windows(), "C~_site_index.html"},
      {"C:\\site\\img\\logo.gif", PathStyle::Windows(), "C~_site_img_logo.gif"},
      {"\\\\server\\pub\\a.htm", PathStyle::Windows(), "__server_pub_a.htm"},
      {"index.html", PathStyle::Windows(), "index.html"},
      // '/' is no separator on Windows
      {"C:\\a/b.txt", PathStyle::Windows(), "C~_a/b.txt"},
      {"/var/www/site/index.html", PathStyle::Posix(), "_var_www_site_index.html"},
      {"/srv/odd\\name:v2.txt", PathStyle::Posix(), "_srv_odd_name~v2.txt"},
      {"Index.HTML", PathStyle::Posix(), "Index.HTML"},
  };
  for (const Case& c : cases) {
    const std::string name = BackupNameOf(c.Path, c.Style);
    EXPECT_EQ(name, c.Name);
    EXPECT_EQ(name.size(), std::string(c.Path).size());
  }
}

TEST(BackupName, DifferentPathsCanShareOneName) {
  EXPECT_EQ(BackupNameOf("C:\\a_b\\c.txt", PathStyle::Windows()),
            BackupNameOf("C:\\a\\b_c.txt", PathStyle::Windows()));
  EXPECT_EQ(BackupNameOf("/a_b/c.txt", PathStyle::Posix()), BackupNameOf("/a/b_c.txt", PathStyle::Posix()));
  EXPECT_EQ(BackupNameOf("/a/b~c", PathStyle::Posix()), BackupNameOf("/a/b:c", PathStyle::Posix()));
}

TEST(SizeText, FollowsTheKilobytePlusOneRule) {
  const std::pair<uint64_t, const char*> cases[] = {
      {0, "0 KB"},
      {1023, "0 KB"},
      {1024, "2 KB"},
      {1536, "2 KB"},
      {2047, "2 KB"},
      {2048, "3 KB"},
      {3071, "3 KB"},
      {10240, "11 KB"},
      {11263, "11 KB"},
      {11264, "12 KB"},
      {4294967295ull, "4194304 KB"},
      // 4 GiB and more: a 32-bit count would wrap to 0 here
      {4294967296ull, "4194305 KB"},
      {10ull << 30, "10485761 KB"},
  };
  for (const auto& [bytes, text] : cases)
    EXPECT_EQ(SizeText(bytes), text) << bytes;
}

// Sets a file's modification time to a local date and time.
void SetLocalMtime(const std::string& path, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = 2023 - 1900;
  t.tm_mon = 6;
  t.tm_mday = 3;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  const timespec times[2] = {{0, UTIME_OMIT}, {std::mktime(&t), 250'000'000}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

std::tm LocalMtime(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(stat(path.c_str(), &st), 0);
  std::tm local{};
  localtime_r(&st.st_mtim.tv_sec, &local);
  return local;
}

TEST(CopyWithTimestamp, CopiesEveryLengthAroundTheChunkSizeCompletely) {
  TempDir dir;
  CopyBuffer buffer = MakeCopyBuffer();
  for (const size_t size : {size_t{0}, size_t{1}, size_t{65534}, size_t{65535}, size_t{65536},
                            size_t{2 * 65535}, size_t{2 * 65535 + 7}}) {
    const std::string content = test::PatternBytes(size, static_cast<unsigned>(size));
    WriteAll(dir / "source", content);
    File source = File::OpenForReading(dir / "source");
    File target = File::CreateForWriting(dir / "target");
    ASSERT_TRUE(source.IsOpen() && target.IsOpen());
    const CopyResult result = CopyWithTimestamp(source, target, buffer);
    target.Close();
    EXPECT_TRUE(result.Complete) << size;
    EXPECT_EQ(result.Bytes, size);
    EXPECT_EQ(ReadAll(dir / "target"), content) << size;
  }
}

TEST(CopyWithTimestamp, GivesTheCopyTheSourceStampAtTheEvenSecondBelow) {
  TempDir dir;
  WriteAll(dir / "page.html", "<html></html>");
  SetLocalMtime(dir / "page.html", 10, 15, 31);
  CopyBuffer buffer = MakeCopyBuffer();
  const FileCopy copy = CopyFileWithTimestamp(dir / "page.html", dir / "copy", buffer);
  ASSERT_EQ(copy.Status, CopyStatus::Copied);
  const std::tm stamp = LocalMtime(dir / "copy");
  EXPECT_EQ(stamp.tm_hour, 10);
  EXPECT_EQ(stamp.tm_min, 15);
  EXPECT_EQ(stamp.tm_sec, 30);
  EXPECT_EQ(stamp.tm_mday, 3);
  // file and copy still carry the same packed stamp
  File file = File::OpenForReading(dir / "page.html");
  File backup = File::OpenForReading(dir / "copy");
  EXPECT_EQ(file.ModificationStamp(), backup.ModificationStamp());
}

TEST(CopyWithTimestamp, ReportsReadAndWriteErrorsAndALengthThatDoesNotMatch) {
  TempDir dir;
  CopyBuffer buffer = MakeCopyBuffer();
  WriteAll(dir / "source", test::PatternBytes(200000));
  {  // a write that fails, as on a full disk
    File source = File::OpenForReading(dir / "source");
    File full = File::Adopt(::open("/dev/full", O_WRONLY | O_CLOEXEC));
    ASSERT_TRUE(full.IsOpen());
    EXPECT_FALSE(CopyWithTimestamp(source, full, buffer).Complete);
  }
  {  // a read that fails
    File folder = File::Adopt(::open(dir.Path().c_str(), O_RDONLY | O_CLOEXEC));
    File target = File::CreateForWriting(dir / "target");
    EXPECT_FALSE(CopyWithTimestamp(folder, target, buffer).Complete);
  }
  {  // more bytes read than the source says it holds: a source that changed while it was read
    File changing = File::OpenForReading("/proc/self/status");
    File target = File::CreateForWriting(dir / "target");
    ASSERT_TRUE(changing.IsOpen());
    const CopyResult result = CopyWithTimestamp(changing, target, buffer);
    EXPECT_GT(result.Bytes, 0u);
    EXPECT_FALSE(result.Complete);
  }
}

TEST(CopyFileWithTimestamp, NeverLeavesAPartialCopyInPlaceOfTheOldFile) {
  TempDir dir;
  CopyBuffer buffer = MakeCopyBuffer();
  const std::string old = "the good old copy";
  WriteAll(dir / "copy", old);
  WriteAll(dir / "source", test::PatternBytes(300000));
  {
    test::FileSizeLimit disk(100000);
    const FileCopy copy = CopyFileWithTimestamp(dir / "source", dir / "copy", buffer);
    EXPECT_EQ(copy.Status, CopyStatus::CopyFailed);
  }
  EXPECT_EQ(ReadAll(dir / "copy"), old);
  EXPECT_EQ(test::ListFolder(dir.Path()), (std::vector<std::string>{"copy", "source"}));
}

TEST(CopyFileWithTimestamp, TellsAnUnreadableSourceFromAnUncreatableTarget) {
  TempDir dir;
  CopyBuffer buffer = MakeCopyBuffer();
  WriteAll(dir / "source", "abc");
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
  ASSERT_EQ(mkdir((dir / "folder").c_str(), 0700), 0);
  struct Case {
    std::string Source;
    std::string Target;
    CopyStatus Status;
  };
  const Case cases[] = {
      {dir / "missing", dir / "t1", CopyStatus::SourceUnreadable},
      {dir / "fifo", dir / "t2", CopyStatus::SourceUnreadable},  // must not block either
      {dir / "folder", dir / "t3", CopyStatus::SourceUnreadable},
      {dir / "source", dir / "no-such-folder/t4", CopyStatus::TargetUncreatable},
      {dir / "source", dir / "source/t5", CopyStatus::TargetUncreatable},
      // a folder in the target's place cannot be replaced, and stays as it was
      {dir / "source", dir / "folder", CopyStatus::CopyFailed},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CopyFileWithTimestamp(c.Source, c.Target, buffer).Status, c.Status) << c.Target;
  EXPECT_EQ(test::ListFolder(dir.Path()), (std::vector<std::string>{"fifo", "folder", "source"}));
}

TEST(CopyFileWithTimestamp, ReplacesAnExistingCopyWholeWithTheSourcePermissions) {
  TempDir dir;
  CopyBuffer buffer = MakeCopyBuffer();
  const std::string fresh = test::PatternBytes(70000, 8);
  WriteAll(dir / "source", fresh);
  // a restored script must stay executable, and a restored page readable by the web server, whatever
  // the program's own umask and whatever the damaged file's mode
  const mode_t mask = ::umask(077);
  for (const mode_t mode : {mode_t{0755}, mode_t{0644}, mode_t{0640}}) {
    WriteAll(dir / "copy", test::PatternBytes(500000, 7));
    ::chmod((dir / "copy").c_str(), 0600);
    ::chmod((dir / "source").c_str(), mode);
    const FileCopy copy = CopyFileWithTimestamp(dir / "source", dir / "copy", buffer);
    ASSERT_EQ(copy.Status, CopyStatus::Copied);
    EXPECT_EQ(copy.Bytes, fresh.size());
    EXPECT_EQ(ReadAll(dir / "copy"), fresh);
    struct stat st {};
    ASSERT_EQ(stat((dir / "copy").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, mode);
  }
  ::umask(mask);
}

}  // namespace
}  // namespace vostrelund

namespace vostrelund {
namespace {

TEST(CopyFileWithTimestamp, ANewTargetThatFailsHalfWayIsRemovedAgain) {
  TempDir dir;
  CopyBuffer buffer = MakeCopyBuffer();
  WriteAll(dir / "source", test::PatternBytes(300000));
  {
    test::FileSizeLimit disk(100000);
    EXPECT_EQ(CopyFileWithTimestamp(dir / "source", dir / "new", buffer).Status, CopyStatus::CopyFailed);
  }
  EXPECT_EQ(test::ListFolder(dir.Path()), std::vector<std::string>{"source"});
}

TEST(RefreshFileWithTimestamp, LeavesAnIdenticalCopyAloneAndReplacesAnyOther) {
  TempDir dir;
  CopyBuffer buffer = MakeCopyBuffer();
  const std::string content = test::PatternBytes(200000, 3);
  WriteAll(dir / "source", content);
  ASSERT_EQ(CopyFileWithTimestamp(dir / "source", dir / "copy", buffer).Status, CopyStatus::Copied);
  struct stat before {};
  ASSERT_EQ(stat((dir / "copy").c_str(), &before), 0);

  const FileCopy same = RefreshFileWithTimestamp(dir / "source", dir / "copy", buffer);
  EXPECT_EQ(same.Status, CopyStatus::Copied);
  EXPECT_EQ(same.Bytes, content.size());
  struct stat after {};
  ASSERT_EQ(stat((dir / "copy").c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);  // not replaced

  // Each of these makes the copy differ from what a fresh copy would be; the refresh must replace it.
  const std::function<void()> damages[] = {
      [&] {  // one byte, same length and stamp
        std::string bytes = content;
        bytes[150000] ^= 1;
        WriteAll(dir / "copy", bytes);
        const timespec times[2] = {{0, UTIME_OMIT}, before.st_mtim};
        utimensat(AT_FDCWD, (dir / "copy").c_str(), times, 0);
      },
      [&] {  // the stamp only
        const timespec times[2] = {{0, UTIME_OMIT}, {before.st_mtim.tv_sec - 4, 0}};
        utimensat(AT_FDCWD, (dir / "copy").c_str(), times, 0);
      },
      [&] { ::chmod((dir / "copy").c_str(), 0600); },  // the permissions only
      [&] { WriteAll(dir / "copy", content.substr(1)); },
  };
  for (size_t i = 0; i < std::size(damages); ++i) {
    ASSERT_EQ(CopyFileWithTimestamp(dir / "source", dir / "copy", buffer).Status, CopyStatus::Copied);
    damages[i]();
    EXPECT_EQ(RefreshFileWithTimestamp(dir / "source", dir / "copy", buffer).Status, CopyStatus::Copied);
    File source = File::OpenForReading(dir / "source");
    File copy = File::OpenForReading(dir / "copy");
    EXPECT_EQ(ReadAll(dir / "copy"), content) << i;
    EXPECT_EQ(copy.Opened().Permissions, source.Opened().Permissions) << i;
    EXPECT_EQ(copy.ModificationStamp(), source.ModificationStamp()) << i;
  }
}

}  // namespace
}  // namespace vostrelund

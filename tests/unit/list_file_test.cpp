#include "storage/list_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <random>

#include "platform/file_system.h"
#include "storage/config_data.h"
#include "test_support.h"

namespace vostrelund {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

const PathStyle kWin = PathStyle::Windows();
const PathStyle kPosix = PathStyle::Posix();

std::string Bytes(const std::vector<WatchedFile>& rows, PathStyle style) {
  std::string out;
  for (const WatchedFile& row : rows)
    AppendListRow(out, row, style);
  return out;
}

std::vector<WatchedFile> Parse(const std::string& bytes, PathStyle style, size_t piece = SIZE_MAX) {
  WatchList list(ByteOrder(), style);
  ListFileParser parser(list, style);
  for (size_t at = 0; at < bytes.size(); at += piece) {
    parser.Feed(bytes.data() + at, std::min(piece, bytes.size() - at));
  }
  return list.Rows();  // in file order: the list is not put in order until loading finishes
}

TEST(ListFile, WindowsFormOfOneRowIsTheThirtyEightBytes) {
  const WatchedFile row{"index.html", "C:\\site\\", "4 KB", "Checked (OK)"};
  const std::string bytes = Bytes({row}, kWin);
  EXPECT_EQ(bytes, "index.html/C:\\site\\/4 KB/Checked (OK)/");
  EXPECT_EQ(bytes.size(), 38u);
  EXPECT_EQ(Parse(bytes, kWin), std::vector<WatchedFile>{row});
}

TEST(ListFile, PosixFormEndsEachFieldWithANulSoSlashesInPathsSurvive) {
  const WatchedFile row{"index.html", "/var/www/site/", "4 KB", "Checked (OK)"};
  const std::string bytes = Bytes({row}, kPosix);
  EXPECT_EQ(bytes, std::string("index.html\0/var/www/site/\0004 KB\0Checked (OK)\0", 44));
  EXPECT_EQ(Parse(bytes, kPosix), std::vector<WatchedFile>{row});
}

TEST(ListFile, FieldsOfAnyLengthAndEmptyFieldsComeBackUnchanged) {
  const std::vector<WatchedFile> rows = {
      // no '/' in any field: it ends fields in the Windows form
      {std::string(255, 'n'), "C:\\f\\", "", ""},
      {"", "", "0 KB", "Not checked"},
      {std::string(256, 'x'), "C:\\" + std::string(5000, 'd') + "\\", "12 KB", "File data changed (fixed)"},
  };
  for (const PathStyle style : {kWin, kPosix}) {
    EXPECT_EQ(Parse(Bytes(rows, style), style), rows);
  }
}

TEST(ListFile, DropsTrailingBytesAndAnIncompleteLastRow) {
  const WatchedFile row{"a.htm", "/s/", "1 KB", "Checked (OK)"};
  const std::string whole = Bytes({row}, kPosix);
  const std::pair<std::string, size_t> cases[] = {
      {whole + "b.htm", 1},                                  // an unterminated field
      {whole + std::string("b.htm\0", 6), 1},                // a name only
      {whole + std::string("b.htm\0/s/\0001 KB\0", 15), 1},  // three fields of four
      {whole + std::string("b.htm\0/s/\0001 KB\0Not", 18), 1},
      {whole + std::string("b.htm\0/s/\0001 KB\0Not checked\0", 27), 2},
  };
  for (const auto& [bytes, count] : cases) {
    const std::vector<WatchedFile> parsed = Parse(bytes, kPosix);
    ASSERT_EQ(parsed.size(), count);
    EXPECT_EQ(parsed[0], row);
  }
}

TEST(ListFile, RowsAndFieldsMaySplitAnywhereBetweenPieces) {
  std::vector<WatchedFile> rows;
  for (int i = 0; i < 50; ++i) {
    rows.push_back({"page" + std::to_string(i) + ".html", "/srv/www/" + std::string(i, 'd') + "/",
                    std::to_string(i) + " KB", i % 2 ? "Checked (OK)" : "Date mismatch"});
  }
  const std::string bytes = Bytes(rows, kPosix);
  for (const size_t piece : {size_t{1}, size_t{2}, size_t{3}, size_t{7}, size_t{64}, size_t{1000}}) {
    EXPECT_EQ(Parse(bytes, kPosix, piece), rows) << piece;
  }
}

class ListFileStore : public ::testing::Test {
 protected:
  ListFileStore() : Data(Locations(), ByteOrder(), Status, Dialogs) {}
  FileLocations Locations() const { return FileLocations::FromExecutable(Dir / "vostrelund"); }

  TempDir Dir;
  test::RecordingStatus Status;
  test::RecordingDialogs Dialogs;
  ConfigData Data;
};

// Rows with long folders, so that a few hundred of them cross the 65000-byte point of the file.
std::vector<WatchedFile> ManyRows(size_t count) {
  std::vector<WatchedFile> rows;
  for (size_t i = 0; i < count; ++i) {
    rows.push_back({"file" + std::to_string(100000 + i) + ".html",
                    "/var/www/site/" + std::string(200, static_cast<char>('a' + i % 26)) + "/", "3 KB",
                    "Checked (OK)"});
  }
  return rows;
}

TEST_F(ListFileStore, SavesAndLoadsEveryRowAcrossThe65000BytePoint) {
  const std::vector<WatchedFile> rows = ManyRows(700);
  for (const WatchedFile& row : rows)
    Data.Files().Insert(row);
  ASSERT_TRUE(Data.SaveFileList());
  EXPECT_GT(ReadAll(Data.Locations().ListFile).size(), 2 * 65000u);
  EXPECT_EQ(Status.Panels[kFileCountPanel], " 700 file(s)");
  Data.Files().Clear();
  Data.LoadFileList();
  EXPECT_EQ(Data.Files().Rows(), rows);
  EXPECT_EQ(Status.Panels[kFileCountPanel], " 700 file(s)");
  EXPECT_TRUE(Dialogs.Errors.empty());
}

TEST_F(ListFileStore, LoadsAFileOfExactly65000Bytes) {
  // One row of 65000 bytes: four fields and their terminators.
  const WatchedFile row{"big.html", "/" + std::string(65000 - 4 - 8 - 4 - 12 - 2, 'd') + "/", "0 KB",
                        "Checked (OK)"};
  const std::string bytes = Bytes({row}, kPosix);
  ASSERT_EQ(bytes.size(), 65000u);
  WriteAll(Data.Locations().ListFile, bytes);
  Data.LoadFileList();
  EXPECT_EQ(Data.Files().Rows(), std::vector<WatchedFile>{row});
}

TEST_F(ListFileStore, LoadingPutsRowsInNameOrderAsInsertingThemOneByOneWould) {
  std::vector<WatchedFile> rows;
  for (int i = 0; i < 400; ++i) {
    // many equal names in different folders, and a few exact duplicates
    rows.push_back({"n" + std::to_string(i % 37) + ".htm", "/d" + std::to_string(i % 53) + "/",
                    std::to_string(i) + " KB", "Not checked"});
  }
  std::shuffle(rows.begin(), rows.end(), std::mt19937(42));
  WriteAll(Data.Locations().ListFile, Bytes(rows, kPosix));
  Data.LoadFileList();

  WatchList oneByOne(ByteOrder());
  for (const WatchedFile& row : rows)
    oneByOne.Insert(row);
  const std::vector<WatchedFile> loaded = Data.Files().Rows();
  EXPECT_EQ(loaded, oneByOne.Rows());
  EXPECT_TRUE(std::is_sorted(loaded.begin(), loaded.end(), [](const WatchedFile& a, const WatchedFile& b) {
    return a.LeafName < b.LeafName;
  }));
}

TEST_F(ListFileStore, EmptyAndMissingFiles) {
  ASSERT_TRUE(Data.SaveFileList());
  EXPECT_EQ(ReadAll(Data.Locations().ListFile), "");
  EXPECT_EQ(Status.Panels[kFileCountPanel], " 0 file(s)");
  Data.Files().Insert({"x", "/", "0 KB", "Not checked"});
  Data.LoadFileList();
  EXPECT_TRUE(Data.Files().Empty());
  std::remove(Data.Locations().ListFile.c_str());
  Data.Files().Insert({"x", "/", "0 KB", "Not checked"});
  Data.LoadFileList();
  EXPECT_TRUE(Data.Files().Empty());
  EXPECT_EQ(Status.Panels[kFileCountPanel], " 0 file(s)");
  EXPECT_TRUE(Dialogs.Errors.empty());
}

TEST_F(ListFileStore, WritesAgainOnlyWhenTheRowsOrTheFileChanged) {
  for (const WatchedFile& row : ManyRows(3))
    Data.Files().Insert(row);
  ASSERT_TRUE(Data.SaveFileList());
  const auto written = IdentityOf(Data.Locations().ListFile);
  ASSERT_TRUE(Data.SaveFileList());
  EXPECT_EQ(IdentityOf(Data.Locations().ListFile), written);        // the very same file, not rewritten
  Data.Files().SetActionHistory(1, Data.Files().ActionHistory(1));  // the same text is no change
  ASSERT_TRUE(Data.SaveFileList());
  EXPECT_EQ(IdentityOf(Data.Locations().ListFile), written);

  Data.Files().SetActionHistory(1, "Date mismatch");
  ASSERT_TRUE(Data.SaveFileList());
  EXPECT_NE(ReadAll(Data.Locations().ListFile).find("Date mismatch"), std::string::npos);
  // a file changed or removed behind the program's back is written again
  WriteAll(Data.Locations().ListFile, "garbage");
  ASSERT_TRUE(Data.SaveFileList());
  EXPECT_EQ(ReadAll(Data.Locations().ListFile).substr(0, 15), "file100000.html");
  std::remove(Data.Locations().ListFile.c_str());
  ASSERT_TRUE(Data.SaveFileList());
  EXPECT_TRUE(FileExists(Data.Locations().ListFile));
  // a file that was loaded is written afresh once, in order
  WatchList reversed(ByteOrder());
  std::string bytes;
  for (size_t i = Data.Files().Size(); i-- > 0;)
    AppendListRow(bytes, Data.Files().Row(i), PathStyle::Posix());
  WriteAll(Data.Locations().ListFile, bytes);
  Data.LoadFileList();
  ASSERT_TRUE(Data.SaveFileList());
  EXPECT_EQ(ReadAll(Data.Locations().ListFile).substr(0, 15), "file100000.html");
}

TEST_F(ListFileStore, AFailedSaveSaysSoAndLeavesTheOldFileWhole) {
  for (const WatchedFile& row : ManyRows(3))
    Data.Files().Insert(row);
  ASSERT_TRUE(Data.SaveFileList());
  const std::string old = ReadAll(Data.Locations().ListFile);
  for (const WatchedFile& row : ManyRows(2000))
    Data.Files().Insert(row);
  Status.Panels.clear();
  {
    test::FileSizeLimit disk(200000);  // the disk fills up half way through
    EXPECT_FALSE(Data.SaveFileList());
  }
  const test::RecordingDialogs::Message fatal{"Error: Vostrelund cannot save your file list", "Fatal error!"};
  EXPECT_EQ(Dialogs.Errors, std::vector{fatal});
  EXPECT_EQ(ReadAll(Data.Locations().ListFile), old);
  EXPECT_EQ(test::ListFolder(Dir.Path()), (std::vector<std::string>{"Backup", "vostrelund.dta"}));
  EXPECT_EQ(Status.Panels.count(kFileCountPanel), 0u);  // the count is not changed by a failed save
  EXPECT_EQ(Data.Files().Size(), 2003u);                // and neither are the rows
}

TEST_F(ListFileStore, AListFileThatCannotBeReplacedOrCreatedIsReported) {
  // A folder where the list file should be cannot be replaced by a rename.
  ASSERT_EQ(mkdir(Data.Locations().ListFile.c_str(), 0700), 0);
  WriteAll(Data.Locations().ListFile + "/keep", "kept");
  EXPECT_FALSE(Data.SaveFileList());
  EXPECT_EQ(ReadAll(Data.Locations().ListFile + "/keep"), "kept");
  // No folder to create it in at all.
  ConfigData elsewhere(FileLocations::FromExecutable(Dir / "gone/vostrelund"), ByteOrder(), Status, Dialogs);
  ::rmdir((Dir / "gone/Backup").c_str());
  ::rmdir((Dir / "gone").c_str());
  EXPECT_FALSE(elsewhere.SaveFileList());
  EXPECT_EQ(Dialogs.Errors.size(), 2u);
  for (const auto& error : Dialogs.Errors)
    EXPECT_EQ(error.Caption, "Fatal error!");
}

}  // namespace
}  // namespace vostrelund

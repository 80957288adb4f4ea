#include "storage/watch_list.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vostrelund {
namespace {

WatchedFile Row(const std::string& leaf, const std::string& folder) {
  return {leaf, folder, "0 KB", "Not checked"};
}

std::vector<std::string> Paths(const WatchList& list) {
  std::vector<std::string> paths;
  for (size_t i = 0; i < list.Size(); ++i)
    paths.push_back(list.FullPath(i));
  return paths;
}

TEST(WatchList, KeepsRowsInTheGivenNameOrder) {
  // An order that ignores case first, as a locale's collation does.
  const NameOrder caseBlindFirst = [](std::string_view a, std::string_view b) {
    std::string la(a), lb(b);
    for (char& c : la)
      c = static_cast<char>(std::tolower(c));
    for (char& c : lb)
      c = static_cast<char>(std::tolower(c));
    return la.compare(lb);
  };
  WatchList list(caseBlindFirst, PathStyle::Posix());
  for (const char* leaf : {"b.htm", "A.htm", "c.htm", "a.htm", "B.htm"})
    list.Insert(Row(leaf, "/s/"));
  list.Insert(Row("a.htm", "/r/"));
  EXPECT_EQ(Paths(list), (std::vector<std::string>{"/s/A.htm", "/r/a.htm", "/s/a.htm", "/s/B.htm", "/s/b.htm",
                                                   "/s/c.htm"}));
}

TEST(WatchList, FindsTheSameFileAsTheFileSystemNamesIt) {
  WatchList posix(ByteOrder(), PathStyle::Posix());
  for (const auto& [leaf, folder] :
       std::vector<std::pair<const char*, const char*>>{{"index.html", "/site/"},
                                                        {"Index.html", "/site/"},
                                                        {"index.html", "/Site/"},
                                                        {"index.html", "/site/"}}) {
    posix.Insert(Row(leaf, folder));
  }
  EXPECT_EQ(posix.FindSameFile("index.html", "/site/").size(), 2u);  // the duplicate rows, both
  EXPECT_EQ(posix.FindSameFile("INDEX.HTML", "/site/").size(), 0u);
  for (const size_t i : posix.FindSameFile("Index.html", "/site/"))
    EXPECT_EQ(posix.FullPath(i), "/site/Index.html");

  WatchList windows(ByteOrder(), PathStyle::Windows());
  windows.Insert(Row("index.html", "C:\\site\\"));
  windows.Insert(Row("other.html", "C:\\site\\"));
  windows.Insert(Row("index.html", "c:\\site\\"));
  const std::vector<size_t> same = windows.FindSameFile("Index.HTML", "C:\\site\\");
  ASSERT_EQ(same.size(), 1u);
  EXPECT_EQ(windows.FullPath(same[0]), "C:\\site\\index.html");  // the folder text still compares exactly
  windows.Remove(same[0]);
  EXPECT_TRUE(windows.FindSameFile("Index.HTML", "C:\\site\\").empty());
  windows.Insert(Row("INDEX.html", "C:\\site\\"));
  EXPECT_EQ(windows.FindSameFile("index.html", "C:\\site\\").size(), 1u);
}

TEST(WatchList, SeesAnotherPathThatWouldShareTheBackupCopy) {
  WatchList list(ByteOrder(), PathStyle::Posix());
  list.Insert(Row("c.txt", "/a_b/"));
  list.Insert(Row("page.html", "/www/"));
  EXPECT_TRUE(list.BackupNameClash("b_c.txt", "/a/"));
  EXPECT_TRUE(list.BackupNameClash("c.txt", "/a/b/"));
  EXPECT_FALSE(list.BackupNameClash("c.txt", "/a_b/"));  // the same file again is no clash
  EXPECT_FALSE(list.BackupNameClash("c.txt", "/a/b_/"));
  // the index follows rows added and removed after it was built
  list.Insert(Row("x:y.txt", "/q/"));
  EXPECT_TRUE(list.BackupNameClash("x~y.txt", "/q/"));
  list.Remove(list.FindSameFile("c.txt", "/a_b/").at(0));
  EXPECT_FALSE(list.BackupNameClash("b_c.txt", "/a/"));
  list.RemoveRows({0, 1});
  EXPECT_TRUE(list.Empty());
  EXPECT_FALSE(list.BackupNameClash("x~y.txt", "/q/"));

  WatchList windows(ByteOrder(), PathStyle::Windows());
  windows.Assign({Row("c.txt", "C:\\a_b\\")});
  EXPECT_TRUE(windows.BackupNameClash("b_c.txt", "C:\\a\\"));
  EXPECT_FALSE(windows.BackupNameClash("c.txt", "C:\\a_b\\"));
}

TEST(WatchList, RemovesSeveralRowsInOnePass) {
  WatchList list(ByteOrder(), PathStyle::Posix());
  for (const char* leaf : {"a", "b", "c", "d", "e", "f"})
    list.Insert(Row(leaf, "/"));
  list.RemoveRows({4, 1, 4, 0});
  EXPECT_EQ(Paths(list), (std::vector<std::string>{"/c", "/d", "/f"}));
}

}  // namespace
}  // namespace vostrelund

namespace vostrelund {
namespace {

TEST(WatchListBatch, EndsWithTheRowsInsertingAndRemovingOneByOneWouldGive) {
  std::vector<WatchedFile> start, added;
  for (int i = 0; i < 60; ++i)
    start.push_back(Row("n" + std::to_string(i % 13), "/s" + std::to_string(i % 7) + "/"));
  for (int i = 0; i < 40; ++i)
    added.push_back(Row("n" + std::to_string(i % 17), "/t" + std::to_string(i % 5) + "/"));
  WatchList batched(ByteOrder(), PathStyle::Posix());
  WatchList single(ByteOrder(), PathStyle::Posix());
  batched.Assign(start);
  single.Assign(start);

  batched.BeginBatch();
  std::vector<size_t> gone;
  for (size_t i = 0; i < batched.Size(); i += 3)
    gone.push_back(i);
  for (const size_t i : gone)
    batched.BatchRemove(i);
  EXPECT_EQ(batched.Size(), start.size());  // nothing lands before the batch ends
  for (const WatchedFile& row : added)
    batched.BatchInsert(row);
  batched.EndBatch();

  single.RemoveRows(gone);
  std::vector<std::string> seen;
  for (const WatchedFile& row : added) {
    // a later row for the same file replaces the one added earlier
    for (const size_t i : single.FindSameFile(row.LeafName, row.FolderPath)) {
      if (std::find(seen.begin(), seen.end(), row.FolderPath + row.LeafName) != seen.end())
        single.Remove(i);
    }
    seen.push_back(row.FolderPath + row.LeafName);
    single.Insert(row);
  }
  EXPECT_EQ(batched.Rows(), single.Rows());
}

TEST(WatchListBatch, SeesBackupNameClashesWithRowsNotYetMerged) {
  WatchList list(ByteOrder(), PathStyle::Posix());
  list.Insert(Row("keep.txt", "/x/"));
  list.BeginBatch();
  list.BatchInsert(Row("c.txt", "/a_b/"));
  EXPECT_TRUE(list.BackupNameClash("b_c.txt", "/a/"));
  EXPECT_FALSE(list.BackupNameClash("c.txt", "/a_b/"));
  list.BatchRemove(0);
  EXPECT_FALSE(list.BackupNameClash("keep.txt", "/x/"));
  list.EndBatch();
  EXPECT_EQ(Paths(list), std::vector<std::string>{"/a_b/c.txt"});
  EXPECT_TRUE(list.BackupNameClash("b_c.txt", "/a/"));
}

}  // namespace
}  // namespace vostrelund

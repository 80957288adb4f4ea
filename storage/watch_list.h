#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/path_style.h"

namespace vostrelund {

// One row of the watch list. The full path is FolderPath followed directly by LeafName.
struct WatchedFile {
  std::string LeafName;
  std::string FolderPath;  // ends with the path separator
  std::string SizeText;
  std::string ActionHistory;
  friend bool operator==(const WatchedFile&, const WatchedFile&) = default;
};

// Orders two leaf names: negative, zero or positive. The program passes the user locale's
// case-sensitive collation; tests pass their own.
using NameOrder = std::function<int(std::string_view, std::string_view)>;
NameOrder ByteOrder();

// Texts that many rows share, kept once: a site has far fewer folders than files, and a handful of
// size and history texts.
class TextPool {
 public:
  using Id = uint32_t;
  Id Intern(std::string_view text);
  const std::string& Text(Id id) const { return Texts_[id]; }
  void Clear();

 private:
  std::deque<std::string> Texts_;  // a deque never moves its elements, so the map's views stay valid
  std::unordered_map<std::string_view, Id> Ids_;
};

// The watch list: rows kept in ascending order of LeafName. Rows whose names collate equal are ordered
// by the bytes of the name and then of the folder, so the order is total and a file is found by binary
// search; a row inserted next to an identical one goes after it.
class WatchList {
 public:
  explicit WatchList(NameOrder order = ByteOrder(), PathStyle style = PathStyle::Native());

  size_t Size() const { return Rows_.size(); }
  bool Empty() const { return Rows_.empty(); }
  const PathStyle& Style() const { return Style_; }

  const std::string& LeafName(size_t index) const { return Rows_[index].LeafName; }
  const std::string& FolderPath(size_t index) const { return Pool_.Text(Rows_[index].Folder); }
  const std::string& SizeText(size_t index) const { return Pool_.Text(Rows_[index].Size); }
  const std::string& ActionHistory(size_t index) const { return Pool_.Text(Rows_[index].History); }
  std::string FullPath(size_t index) const { return FolderPath(index) + LeafName(index); }
  WatchedFile Row(size_t index) const;
  // A copy of every row, in order.
  std::vector<WatchedFile> Rows() const;

  // Inserts a row at its sorted place and returns its index.
  size_t Insert(const WatchedFile& row);
  // Replaces all rows, with the same result as inserting them one by one.
  void Assign(const std::vector<WatchedFile>& rows);
  void Clear();
  void Remove(size_t index);
  // Removes several rows in one pass; `indices` need not be sorted.
  void RemoveRows(std::vector<size_t> indices);

  void SetSizeText(size_t index, std::string_view text) { Change(Rows_[index].Size, text); }
  void SetActionHistory(size_t index, std::string_view text) { Change(Rows_[index].History, text); }

  // Counts the changes made to the rows: equal revisions mean equal rows.
  uint64_t Revision() const { return Revision_; }

  // Loading: rows appended in file order, then put in order once. The result is the same as inserting
  // them one by one, but a list that is already in order (as every list file the program wrote) costs
  // one pass of comparisons.
  void LoadRow(std::string leaf, std::string_view folder, std::string_view size, std::string_view history);
  void FinishLoading();

  // A long operation's changes (adding a folder tree, many files): rows added and removed during a batch
  // land in one merge when it ends, so adding n files to a list of m rows costs O((n + m) log) instead of
  // n inserts into the middle. Until then the list shows its rows as they were before the batch.
  void BeginBatch();
  // A row to add; it replaces a row added earlier in the same batch for the same file.
  void BatchInsert(const WatchedFile& row);
  // A row present before the batch, to remove.
  void BatchRemove(size_t index);
  void EndBatch();
  bool InBatch() const { return Batching_; }

  // The rows that stand for this file: the same folder, byte for byte, and a leaf name that the file
  // system takes for the same name. Ascending indices; during a batch, rows present before it.
  std::vector<size_t> FindSameFile(std::string_view leaf, std::string_view folder) const;

  // True when a row for another path has the backup name this path would get: the two files would
  // share one backup copy, and a fix would restore one with the other's content.
  bool BackupNameClash(std::string_view leaf, std::string_view folder) const;

 private:
  struct StoredRow {
    std::string LeafName;
    TextPool::Id Folder;
    TextPool::Id Size;
    TextPool::Id History;
  };

  int Compare(std::string_view leafA, std::string_view folderA, std::string_view leafB,
              std::string_view folderB) const;
  bool Less(const StoredRow& a, const StoredRow& b) const;
  std::pair<size_t, size_t> ExactRange(std::string_view leaf, std::string_view folder) const;
  StoredRow Store(const WatchedFile& row);
  void Change(TextPool::Id& field, std::string_view text) {
    const TextPool::Id id = Pool_.Intern(text);
    if (field != id) {
      field = id;
      ++Revision_;
    }
  }
  void EnsureIndexed() const;
  void IndexRow(const StoredRow& row, int delta) const;
  void DropIndexes() const;
  std::string FoldedKey(std::string_view leaf, std::string_view folder) const;
  uint64_t BackupNameHash(std::string_view leaf, std::string_view folder) const;
  static uint64_t PathHash(std::string_view leaf, std::string_view folder);

  NameOrder Order_;
  PathStyle Style_;
  TextPool Pool_;
  std::vector<StoredRow> Rows_;
  uint64_t Revision_ = 0;
  bool Batching_ = false;
  std::vector<StoredRow> Pending_;
  std::unordered_map<std::string, size_t> PendingByFile_;  // same-file key -> index in Pending_
  std::vector<size_t> Removed_;
  std::vector<bool> RemovedMark_;
  // Built on first use and kept up to date after that; a fresh load does not pay for them.
  mutable bool Indexed_ = false;
  mutable std::unordered_map<uint64_t, uint32_t> BackupNameCounts_;
  mutable std::unordered_map<uint64_t, uint32_t> PathCounts_;
  mutable std::unordered_map<std::string, uint32_t> FoldedNameCounts_;  // case-blind file systems only
};

}  // namespace vostrelund

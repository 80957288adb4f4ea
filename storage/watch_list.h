#pragma once

#include <cstddef>
#include <cstdint>
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

// The watch list: rows kept in ascending order of LeafName. Rows whose names collate equal are ordered
// by the bytes of the name and then of the folder, so the order is total and a file is found by binary
// search; a row inserted next to an identical one goes after it.
class WatchList {
 public:
  explicit WatchList(NameOrder order = ByteOrder(), PathStyle style = PathStyle::Native());

  size_t Size() const { return Rows_.size(); }
  bool Empty() const { return Rows_.empty(); }
  const WatchedFile& operator[](size_t index) const { return Rows_[index]; }
  const std::vector<WatchedFile>& Rows() const { return Rows_; }
  const PathStyle& Style() const { return Style_; }

  // Inserts a row at its sorted place and returns its index.
  size_t Insert(WatchedFile row);
  // Replaces all rows. The result is the same as inserting the rows one by one, but a list that is
  // already in order (as every list file the program wrote) costs one pass of comparisons.
  void Assign(std::vector<WatchedFile> rows);
  void Clear();
  void Remove(size_t index);
  // Removes several rows in one pass; `indices` need not be sorted.
  void RemoveRows(std::vector<size_t> indices);

  void SetSizeText(size_t index, std::string text) { Rows_[index].SizeText = std::move(text); }
  void SetActionHistory(size_t index, std::string text) { Rows_[index].ActionHistory = std::move(text); }

  std::string FullPath(size_t index) const { return Rows_[index].FolderPath + Rows_[index].LeafName; }

  // The rows that stand for this file: the same folder, byte for byte, and a leaf name that the file
  // system takes for the same name. Ascending indices.
  std::vector<size_t> FindSameFile(std::string_view leaf, std::string_view folder) const;

  // True when a row for another path has the backup name this path would get: the two files would
  // share one backup copy, and a fix would restore one with the other's content.
  bool BackupNameClash(std::string_view leaf, std::string_view folder) const;

 private:
  int Compare(std::string_view leafA, std::string_view folderA, std::string_view leafB,
              std::string_view folderB) const;
  bool Less(const WatchedFile& a, const WatchedFile& b) const;
  std::pair<size_t, size_t> ExactRange(std::string_view leaf, std::string_view folder) const;
  void EnsureIndexed() const;
  void IndexRow(const WatchedFile& row, int delta) const;
  void DropIndexes() const;
  std::string FoldedKey(std::string_view leaf, std::string_view folder) const;
  uint64_t BackupNameHash(std::string_view leaf, std::string_view folder) const;

  NameOrder Order_;
  PathStyle Style_;
  std::vector<WatchedFile> Rows_;
  // Built on first use and kept up to date after that; a fresh load does not pay for them.
  mutable bool Indexed_ = false;
  mutable std::unordered_map<uint64_t, uint32_t> BackupNameCounts_;
  mutable std::unordered_map<std::string, uint32_t> FoldedNameCounts_;  // case-blind file systems only
};

}  // namespace vostrelund

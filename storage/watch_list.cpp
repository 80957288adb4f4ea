#include "storage/watch_list.h"

#include <algorithm>

#include "storage/backup_store.h"

namespace vostrelund {

NameOrder ByteOrder() {
  return [](std::string_view a, std::string_view b) { return a.compare(b); };
}

WatchList::WatchList(NameOrder order, PathStyle style) : Order_(std::move(order)), Style_(style) {}

int WatchList::Compare(std::string_view leafA, std::string_view folderA, std::string_view leafB,
                       std::string_view folderB) const {
  if (leafA == leafB) return folderA.compare(folderB);
  if (const int c = Order_(leafA, leafB); c != 0) return c;
  return leafA.compare(leafB);
}

bool WatchList::Less(const WatchedFile& a, const WatchedFile& b) const {
  if (a.LeafName == b.LeafName) return a.FolderPath < b.FolderPath;
  if (const int c = Order_(a.LeafName, b.LeafName); c != 0) return c < 0;
  return a.LeafName < b.LeafName;
}

size_t WatchList::Insert(WatchedFile row) {
  const auto at = std::upper_bound(Rows_.begin(), Rows_.end(), row,
                                   [this](const WatchedFile& a, const WatchedFile& b) { return Less(a, b); });
  IndexRow(row, +1);
  return static_cast<size_t>(Rows_.insert(at, std::move(row)) - Rows_.begin());
}

void WatchList::Assign(std::vector<WatchedFile> rows) {
  const auto less = [this](const WatchedFile& a, const WatchedFile& b) { return Less(a, b); };
  if (!std::is_sorted(rows.begin(), rows.end(), less)) std::stable_sort(rows.begin(), rows.end(), less);
  Rows_ = std::move(rows);
  DropIndexes();
}

void WatchList::Clear() {
  Rows_.clear();
  Rows_.shrink_to_fit();
  DropIndexes();
}

void WatchList::Remove(size_t index) {
  IndexRow(Rows_[index], -1);
  Rows_.erase(Rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

void WatchList::RemoveRows(std::vector<size_t> indices) {
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  size_t next = 0;
  size_t write = 0;
  for (size_t read = 0; read < Rows_.size(); ++read) {
    if (next < indices.size() && indices[next] == read) {
      IndexRow(Rows_[read], -1);
      ++next;
      continue;
    }
    if (write != read) Rows_[write] = std::move(Rows_[read]);
    ++write;
  }
  Rows_.resize(write);
}

std::pair<size_t, size_t> WatchList::ExactRange(std::string_view leaf, std::string_view folder) const {
  const auto first = std::partition_point(Rows_.begin(), Rows_.end(), [&](const WatchedFile& r) {
    return Compare(r.LeafName, r.FolderPath, leaf, folder) < 0;
  });
  const auto last = std::partition_point(first, Rows_.end(), [&](const WatchedFile& r) {
    return Compare(r.LeafName, r.FolderPath, leaf, folder) == 0;
  });
  return {static_cast<size_t>(first - Rows_.begin()), static_cast<size_t>(last - Rows_.begin())};
}

std::vector<size_t> WatchList::FindSameFile(std::string_view leaf, std::string_view folder) const {
  std::vector<size_t> found;
  if (!Style_.CaseBlindNames) {
    const auto [first, last] = ExactRange(leaf, folder);
    for (size_t i = first; i < last; ++i) found.push_back(i);
    return found;
  }
  // Case variants of a name need not sort next to each other, so the index only says whether a scan
  // can find anything; re-adding a file is the rare case.
  EnsureIndexed();
  const auto hit = FoldedNameCounts_.find(FoldedKey(leaf, folder));
  if (hit == FoldedNameCounts_.end() || hit->second == 0) return found;
  for (size_t i = 0; i < Rows_.size(); ++i) {
    if (Rows_[i].FolderPath == folder && SameLeafName(Style_, Rows_[i].LeafName, leaf)) found.push_back(i);
  }
  return found;
}

bool WatchList::BackupNameClash(std::string_view leaf, std::string_view folder) const {
  EnsureIndexed();
  const auto hit = BackupNameCounts_.find(BackupNameHash(leaf, folder));
  if (hit == BackupNameCounts_.end()) return false;
  const auto [first, last] = ExactRange(leaf, folder);
  if (hit->second <= last - first) return false;  // only rows for this very path
  // Confirm by comparing the names themselves, so that a hash collision never refuses a file.
  std::string wanted = std::string(folder) + std::string(leaf);
  const std::string path = wanted;
  MakeBackupName(wanted, Style_);
  for (const WatchedFile& row : Rows_) {
    std::string other = row.FolderPath + row.LeafName;
    if (other == path) continue;
    MakeBackupName(other, Style_);
    if (other == wanted) return true;
  }
  return false;
}

void WatchList::EnsureIndexed() const {
  if (Indexed_) return;
  Indexed_ = true;
  for (const WatchedFile& row : Rows_) IndexRow(row, +1);
}

void WatchList::IndexRow(const WatchedFile& row, int delta) const {
  if (!Indexed_) return;
  const auto bump = [delta](auto& map, auto key) {
    auto& count = map[key];
    count += delta;
    if (count == 0) map.erase(key);
  };
  bump(BackupNameCounts_, BackupNameHash(row.LeafName, row.FolderPath));
  if (Style_.CaseBlindNames) bump(FoldedNameCounts_, FoldedKey(row.LeafName, row.FolderPath));
}

void WatchList::DropIndexes() const {
  Indexed_ = false;
  BackupNameCounts_ = {};
  FoldedNameCounts_ = {};
}

std::string WatchList::FoldedKey(std::string_view leaf, std::string_view folder) const {
  std::string key(folder);
  key += '\0';
  key += LeafNameKey(Style_, leaf);
  return key;
}

uint64_t WatchList::BackupNameHash(std::string_view leaf, std::string_view folder) const {
  std::string name = std::string(folder) + std::string(leaf);
  MakeBackupName(name, Style_);
  return std::hash<std::string>{}(name);
}

}  // namespace vostrelund

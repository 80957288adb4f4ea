#include "storage/watch_list.h"

#include <algorithm>

#include "storage/backup_store.h"

namespace vostrelund {

NameOrder ByteOrder() {
  return [](std::string_view a, std::string_view b) { return a.compare(b); };
}

TextPool::Id TextPool::Intern(std::string_view text) {
  if (const auto found = Ids_.find(text); found != Ids_.end())
    return found->second;
  const auto id = static_cast<Id>(Texts_.size());
  Texts_.emplace_back(text);
  Ids_.emplace(Texts_.back(), id);
  return id;
}

void TextPool::Clear() {
  Ids_ = {};
  Texts_ = {};
}

WatchList::WatchList(NameOrder order, PathStyle style) : Order_(std::move(order)), Style_(style) {}

WatchedFile WatchList::Row(size_t index) const {
  return {LeafName(index), FolderPath(index), SizeText(index), ActionHistory(index)};
}

std::vector<WatchedFile> WatchList::Rows() const {
  std::vector<WatchedFile> rows;
  rows.reserve(Rows_.size());
  for (size_t i = 0; i < Rows_.size(); ++i)
    rows.push_back(Row(i));
  return rows;
}

int WatchList::Compare(std::string_view leafA, std::string_view folderA, std::string_view leafB,
                       std::string_view folderB) const {
  if (leafA == leafB)
    return folderA.compare(folderB);
  if (const int c = Order_(leafA, leafB); c != 0)
    return c;
  return leafA.compare(leafB);
}

bool WatchList::Less(const StoredRow& a, const StoredRow& b) const {
  if (a.LeafName == b.LeafName)
    return a.Folder != b.Folder && Pool_.Text(a.Folder) < Pool_.Text(b.Folder);
  if (const int c = Order_(a.LeafName, b.LeafName); c != 0)
    return c < 0;
  return a.LeafName < b.LeafName;
}

WatchList::StoredRow WatchList::Store(const WatchedFile& row) {
  return {row.LeafName, Pool_.Intern(row.FolderPath), Pool_.Intern(row.SizeText),
          Pool_.Intern(row.ActionHistory)};
}

size_t WatchList::Insert(const WatchedFile& row) {
  StoredRow stored = Store(row);
  ++Revision_;
  const auto at = std::upper_bound(Rows_.begin(), Rows_.end(), stored,
                                   [this](const StoredRow& a, const StoredRow& b) { return Less(a, b); });
  IndexRow(stored, +1);
  return static_cast<size_t>(Rows_.insert(at, std::move(stored)) - Rows_.begin());
}

void WatchList::Assign(const std::vector<WatchedFile>& rows) {
  Clear();
  for (const WatchedFile& row : rows)
    LoadRow(row.LeafName, row.FolderPath, row.SizeText, row.ActionHistory);
  FinishLoading();
}

void WatchList::LoadRow(std::string leaf, std::string_view folder, std::string_view size,
                        std::string_view history) {
  Rows_.push_back({std::move(leaf), Pool_.Intern(folder), Pool_.Intern(size), Pool_.Intern(history)});
  ++Revision_;
}

void WatchList::FinishLoading() {
  const auto less = [this](const StoredRow& a, const StoredRow& b) { return Less(a, b); };
  if (!std::is_sorted(Rows_.begin(), Rows_.end(), less))
    std::stable_sort(Rows_.begin(), Rows_.end(), less);
  Rows_.shrink_to_fit();
  DropIndexes();
}

void WatchList::BeginBatch() {
  Batching_ = true;
  Pending_.clear();
  PendingByFile_.clear();
  Removed_.clear();
  RemovedMark_.assign(Rows_.size(), false);
}

void WatchList::BatchInsert(const WatchedFile& row) {
  StoredRow stored = Store(row);
  IndexRow(stored, +1);
  const auto [slot, fresh] =
      PendingByFile_.try_emplace(FoldedKey(row.LeafName, row.FolderPath), Pending_.size());
  if (fresh) {
    Pending_.push_back(std::move(stored));
  } else {
    IndexRow(Pending_[slot->second], -1);
    Pending_[slot->second] = std::move(stored);
  }
}

void WatchList::BatchRemove(size_t index) {
  if (RemovedMark_[index])
    return;
  RemovedMark_[index] = true;
  IndexRow(Rows_[index], -1);
  Removed_.push_back(index);
}

void WatchList::EndBatch() {
  Batching_ = false;
  // A batch that changed nothing (a cancelled chooser, files that could not be read) leaves the list as
  // it was, and its file need not be written again.
  if (Pending_.empty() && Removed_.empty()) {
    PendingByFile_ = {};
    RemovedMark_ = {};
    return;
  }
  ++Revision_;
  std::vector<StoredRow> pending = std::move(Pending_);
  Pending_ = {};
  PendingByFile_ = {};
  RemovedMark_ = {};
  // Removals first, then one merge; rows of the batch go after equal rows already present, as inserting
  // them one by one would put them.
  const bool wasIndexed = Indexed_;
  Indexed_ = false;  // the rows' counts are already up to date
  RemoveRows(std::move(Removed_));
  Removed_ = {};
  const auto less = [this](const StoredRow& a, const StoredRow& b) { return Less(a, b); };
  std::stable_sort(pending.begin(), pending.end(), less);
  const size_t middle = Rows_.size();
  Rows_.insert(Rows_.end(), std::make_move_iterator(pending.begin()), std::make_move_iterator(pending.end()));
  std::inplace_merge(Rows_.begin(), Rows_.begin() + static_cast<std::ptrdiff_t>(middle), Rows_.end(), less);
  Indexed_ = wasIndexed;
}

void WatchList::Clear() {
  ++Revision_;
  Rows_ = {};
  Pool_.Clear();
  DropIndexes();
}

void WatchList::Remove(size_t index) {
  ++Revision_;
  IndexRow(Rows_[index], -1);
  Rows_.erase(Rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

void WatchList::RemoveRows(std::vector<size_t> indices) {
  if (indices.empty())
    return;
  ++Revision_;
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
    if (write != read)
      Rows_[write] = std::move(Rows_[read]);
    ++write;
  }
  Rows_.resize(write);
}

std::pair<size_t, size_t> WatchList::ExactRange(std::string_view leaf, std::string_view folder) const {
  const auto compare = [&](const StoredRow& r) {
    return Compare(r.LeafName, Pool_.Text(r.Folder), leaf, folder);
  };
  const auto first =
      std::partition_point(Rows_.begin(), Rows_.end(), [&](const StoredRow& r) { return compare(r) < 0; });
  const auto last =
      std::partition_point(first, Rows_.end(), [&](const StoredRow& r) { return compare(r) == 0; });
  return {static_cast<size_t>(first - Rows_.begin()), static_cast<size_t>(last - Rows_.begin())};
}

std::vector<size_t> WatchList::FindSameFile(std::string_view leaf, std::string_view folder) const {
  std::vector<size_t> found;
  if (!Style_.CaseBlindNames) {
    const auto [first, last] = ExactRange(leaf, folder);
    for (size_t i = first; i < last; ++i)
      found.push_back(i);
    return found;
  }
  // Case variants of a name need not sort next to each other, so the index only says whether a scan
  // can find anything; re-adding a file is the rare case.
  EnsureIndexed();
  const auto hit = FoldedNameCounts_.find(FoldedKey(leaf, folder));
  if (hit == FoldedNameCounts_.end())
    return found;
  for (size_t i = 0; i < Rows_.size(); ++i) {
    if (FolderPath(i) == folder && SameLeafName(Style_, LeafName(i), leaf))
      found.push_back(i);
  }
  return found;
}

bool WatchList::BackupNameClash(std::string_view leaf, std::string_view folder) const {
  EnsureIndexed();
  const auto names = BackupNameCounts_.find(BackupNameHash(leaf, folder));
  if (names == BackupNameCounts_.end())
    return false;
  const auto paths = PathCounts_.find(PathHash(leaf, folder));
  if (paths != PathCounts_.end() && names->second <= paths->second)
    return false;  // only this very path
  // Confirm by comparing the names themselves, so that a hash collision never refuses a file.
  const std::string path = std::string(folder) + std::string(leaf);
  std::string wanted = path;
  MakeBackupName(wanted, Style_);
  const auto sameCopy = [&](const StoredRow& row) {
    std::string other = Pool_.Text(row.Folder) + row.LeafName;
    if (other == path)
      return false;
    MakeBackupName(other, Style_);
    return other == wanted;
  };
  for (size_t i = 0; i < Rows_.size(); ++i) {
    if ((RemovedMark_.empty() || !RemovedMark_[i]) && sameCopy(Rows_[i]))
      return true;
  }
  return std::any_of(Pending_.begin(), Pending_.end(), sameCopy);
}

void WatchList::EnsureIndexed() const {
  if (Indexed_)
    return;
  Indexed_ = true;
  for (size_t i = 0; i < Rows_.size(); ++i) {
    if (RemovedMark_.empty() || !RemovedMark_[i])
      IndexRow(Rows_[i], +1);
  }
  for (const StoredRow& row : Pending_)
    IndexRow(row, +1);
}

void WatchList::IndexRow(const StoredRow& row, int delta) const {
  if (!Indexed_)
    return;
  const auto bump = [delta](auto& map, auto key) {
    auto& count = map[key];
    count += delta;
    if (count == 0)
      map.erase(key);
  };
  const std::string& folder = Pool_.Text(row.Folder);
  bump(BackupNameCounts_, BackupNameHash(row.LeafName, folder));
  bump(PathCounts_, PathHash(row.LeafName, folder));
  if (Style_.CaseBlindNames)
    bump(FoldedNameCounts_, FoldedKey(row.LeafName, folder));
}

void WatchList::DropIndexes() const {
  Indexed_ = false;
  BackupNameCounts_ = {};
  PathCounts_ = {};
  FoldedNameCounts_ = {};
}

std::string WatchList::FoldedKey(std::string_view leaf, std::string_view folder) const {
  std::string key(folder);
  key += '\0';
  key += LeafNameKey(Style_, leaf);
  return key;
}

uint64_t WatchList::PathHash(std::string_view leaf, std::string_view folder) {
  return std::hash<std::string>{}(std::string(folder) + std::string(leaf));
}

uint64_t WatchList::BackupNameHash(std::string_view leaf, std::string_view folder) const {
  std::string name = std::string(folder) + std::string(leaf);
  MakeBackupName(name, Style_);
  return std::hash<std::string>{}(name);
}

}  // namespace vostrelund

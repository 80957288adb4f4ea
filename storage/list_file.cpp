#include "storage/list_file.h"

#include <cstring>

#include "platform/file_system.h"

namespace vostrelund {

namespace {
constexpr size_t kReadChunk = 65000;
constexpr size_t kWriteBlock = 65000;
}  // namespace

void ListFileParser::Feed(const char* data, size_t size) {
  const char* p = data;
  const char* const end = data + size;
  while (p < end) {
    const auto* t = static_cast<const char*>(std::memchr(p, Terminator_, static_cast<size_t>(end - p)));
    if (t == nullptr) {
      Partial_.append(p, end);
      return;
    }
    if (Partial_.empty()) {
      EndField(std::string(p, t));
    } else {
      Partial_.append(p, t);
      EndField(std::move(Partial_));
      Partial_.clear();
    }
    p = t + 1;
  }
}

void ListFileParser::EndField(std::string field) {
  switch (State_) {
    case 0:
      Row_.LeafName = std::move(field);
      break;
    case 1:
      Row_.FolderPath = std::move(field);
      break;
    case 2:
      Row_.SizeText = std::move(field);
      break;
    default:
      Row_.ActionHistory = std::move(field);
      Rows_.push_back(std::move(Row_));
      Row_ = WatchedFile();
      State_ = 0;
      return;
  }
  ++State_;
}

std::optional<std::vector<WatchedFile>> ReadListFile(const std::string& path, PathStyle style) {
  File file = File::OpenForReading(path);
  if (!file.IsOpen()) return std::nullopt;
  ListFileParser parser(style);
  std::vector<char> chunk(kReadChunk);
  for (;;) {
    const ssize_t n = file.ReadFull(chunk.data(), chunk.size());
    if (n <= 0) break;  // a read error ends the list like the end of the file
    parser.Feed(chunk.data(), static_cast<size_t>(n));
    if (static_cast<size_t>(n) < chunk.size()) break;
  }
  return parser.TakeRows();
}

void AppendListRow(std::string& out, const WatchedFile& row, PathStyle style) {
  for (const std::string* field : {&row.LeafName, &row.FolderPath, &row.SizeText, &row.ActionHistory}) {
    out += *field;
    out += style.ListFieldTerminator;
  }
}

bool WriteListFile(const std::string& path, const std::vector<WatchedFile>& rows, PathStyle style) {
  ReplacementFile file;
  if (!file.Create(path)) return false;
  std::string pending;
  pending.reserve(kWriteBlock + 1024);
  for (const WatchedFile& row : rows) {
    if (pending.size() >= kWriteBlock) {
      if (!file.Stream().WriteAll(pending.data(), pending.size())) return false;
      pending.clear();
    }
    AppendListRow(pending, row, style);
  }
  if (!pending.empty() && !file.Stream().WriteAll(pending.data(), pending.size())) return false;
  return file.Commit(true);
}

}  // namespace vostrelund

#include "storage/list_file.h"

#include <cstring>
#include <vector>

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
      EndField(std::string_view(p, static_cast<size_t>(t - p)));
    } else {
      Partial_.append(p, t);
      EndField(Partial_);
      Partial_.clear();
    }
    p = t + 1;
  }
}

void ListFileParser::EndField(std::string_view field) {
  switch (State_) {
    case 0:
      Leaf_.assign(field);
      break;
    case 1:
      Folder_.assign(field);
      break;
    case 2:
      Size_.assign(field);
      break;
    default:
      Into_.LoadRow(std::move(Leaf_), Folder_, Size_, field);
      Leaf_ = std::string();
      State_ = 0;
      return;
  }
  ++State_;
}

bool ReadListFile(const std::string& path, WatchList& into) {
  File file = File::OpenForReading(path);
  if (!file.IsOpen())
    return false;
  ListFileParser parser(into, into.Style());
  std::vector<char> chunk(kReadChunk);
  for (;;) {
    const ssize_t n = file.ReadFull(chunk.data(), chunk.size());
    if (n <= 0)
      break;  // a read error ends the list like the end of the file
    parser.Feed(chunk.data(), static_cast<size_t>(n));
    if (static_cast<size_t>(n) < chunk.size())
      break;
  }
  into.FinishLoading();
  return true;
}

void AppendListRow(std::string& out, std::string_view leaf, std::string_view folder, std::string_view size,
                   std::string_view history, PathStyle style) {
  for (const std::string_view field : {leaf, folder, size, history}) {
    out += field;
    out += style.ListFieldTerminator;
  }
}

bool WriteListFile(const std::string& path, const WatchList& list) {
  ReplacementFile file;
  if (!file.Create(path))
    return false;
  std::string pending;
  pending.reserve(kWriteBlock + 1024);
  for (size_t i = 0; i < list.Size(); ++i) {
    if (pending.size() >= kWriteBlock) {
      if (!file.Stream().WriteAll(pending.data(), pending.size()))
        return false;
      pending.clear();
    }
    AppendListRow(pending, list.LeafName(i), list.FolderPath(i), list.SizeText(i), list.ActionHistory(i),
                  list.Style());
  }
  if (!pending.empty() && !file.Stream().WriteAll(pending.data(), pending.size()))
    return false;
  return file.Commit(true);
}

}  // namespace vostrelund

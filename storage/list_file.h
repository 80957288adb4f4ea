#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/path_style.h"
#include "storage/watch_list.h"

namespace vostrelund {

// The list file: no header, no count, no line breaks; every field is its bytes followed by the style's
// terminator, four fields a row (LeafName, FolderPath, SizeText, ActionHistory), in list order.

// Reads the stream in pieces of any size; a row or a field may cross from one piece to the next.
// Fields may be of any length. Bytes after the last terminator, and a last row with fewer than four
// fields, are dropped.
class ListFileParser {
 public:
  explicit ListFileParser(PathStyle style = PathStyle::Native()) : Terminator_(style.ListFieldTerminator) {}
  void Feed(const char* data, size_t size);
  // The complete rows read so far, in file order.
  std::vector<WatchedFile> TakeRows() { return std::move(Rows_); }

 private:
  void EndField(std::string field);

  char Terminator_;
  int State_ = 0;  // which field of the row comes next
  std::string Partial_;
  WatchedFile Row_;
  std::vector<WatchedFile> Rows_;
};

// The rows of a list file in file order, or nothing when the file cannot be opened.
std::optional<std::vector<WatchedFile>> ReadListFile(const std::string& path,
                                                     PathStyle style = PathStyle::Native());

// The file's bytes for these rows, appended to `out`.
void AppendListRow(std::string& out, const WatchedFile& row, PathStyle style = PathStyle::Native());

// Writes the rows to a temporary file beside `path` and renames it over the old one: false when any
// step fails, and then the old file is as it was.
bool WriteListFile(const std::string& path, const std::vector<WatchedFile>& rows,
                   PathStyle style = PathStyle::Native());

}  // namespace vostrelund

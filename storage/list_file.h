#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/path_style.h"
#include "storage/watch_list.h"

namespace vostrelund {

// The list file: no header, no count, no line breaks; every field is its bytes followed by the style's
// terminator, four fields a row (LeafName, FolderPath, SizeText, ActionHistory), in list order.

// Reads the stream in pieces of any size into a list; a row or a field may cross from one piece to the
// next. Fields may be of any length. Bytes after the last terminator, and a last row with fewer than
// four fields, are dropped.
class ListFileParser {
 public:
  ListFileParser(WatchList& into, PathStyle style) : Into_(into), Terminator_(style.ListFieldTerminator) {}
  void Feed(const char* data, size_t size);

 private:
  void EndField(std::string_view field);

  WatchList& Into_;
  char Terminator_;
  int State_ = 0;  // which field of the row comes next
  std::string Partial_;
  // The row being read; the buffers keep their room from row to row.
  std::string Leaf_, Folder_, Size_;
};

// Appends the rows of a list file to `into` and puts them in order. False when the file cannot be
// opened.
bool ReadListFile(const std::string& path, WatchList& into);

// The file's bytes for one row, appended to `out`.
void AppendListRow(std::string& out, std::string_view leaf, std::string_view folder, std::string_view size,
                   std::string_view history, PathStyle style);
inline void AppendListRow(std::string& out, const WatchedFile& row, PathStyle style) {
  AppendListRow(out, row.LeafName, row.FolderPath, row.SizeText, row.ActionHistory, style);
}

// Writes the list to a temporary file beside `path` and renames it over the old one: false when any step
// fails, and then the old file is as it was.
bool WriteListFile(const std::string& path, const WatchList& list);

}  // namespace vostrelund

#pragma once

#include <sys/resource.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "storage/views.h"
#include "storage/watch_list.h"

namespace vostrelund {
// Readable rows in failure messages.
void PrintTo(const WatchedFile& row, std::ostream* out);
}  // namespace vostrelund

namespace vostrelund::test {

// A fresh folder under the system's temp folder, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  // The folder's path, ending with '/'.
  const std::string& Path() const { return Path_; }
  std::string operator/(const std::string& name) const { return Path_ + name; }

 private:
  std::string Path_;
};

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
// Bytes that differ from position to position, so a misplaced chunk shows.
std::string PatternBytes(size_t size, unsigned seed = 1);
// Names in a folder, hidden ones included, sorted.
std::vector<std::string> ListFolder(const std::string& folder);

// Limits the size of any file this process writes, as a full disk would: writes past it fail with
// EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();

 private:
  rlimit Saved_{};
};

struct RecordingStatus : StatusView {
  void SetStatusText(StatusPanel panel, const std::string& text) override { Panels[panel] = text; }
  std::map<int, std::string> Panels;
};

struct RecordingDialogs : DialogView {
  struct Message {
    std::string Text;
    std::string Caption;
    friend bool operator==(const Message&, const Message&) = default;
  };
  void ShowError(const std::string& text, const std::string& caption) override {
    Errors.push_back({text, caption});
  }
  std::vector<Message> Errors;
};

}  // namespace vostrelund::test

#pragma once

#include <sys/resource.h>

#include <filesystem>
#include <functional>
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

// Every modal dialog the core opens, recorded, with answers scripted in advance. A question or chooser
// that finds no answer left fails the test.
struct RecordingDialogs : DialogView {
  struct Message {
    std::string Text;
    std::string Caption;
    friend bool operator==(const Message&, const Message&) = default;
  };
  void ShowError(const std::string& text, const std::string& caption) override;
  bool AskYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                bool yesIsDefault) override;
  std::vector<std::string> ChooseFiles(const std::string& title, const std::string& filter) override;
  std::string ChooseFolder(const std::string& title) override;

  std::vector<Message> Errors;
  std::vector<Message> Questions;
  std::vector<bool> QuestionDefaultsYes;
  std::vector<std::string> ChooserTitles;
  std::vector<bool> Answers;                          // taken from the front
  std::vector<std::vector<std::string>> FileChoices;  // taken from the front
  std::vector<std::string> FolderChoices;             // taken from the front
  // Runs when a message box opens: its nested event loop may deliver timer ticks.
  std::function<void()> WhileOpen;
};

struct FakeTimer : TimerView {
  void Start() override {
    Active = true;
    ++Starts;
  }
  void Stop() override {
    Active = false;
    ++Stops;
  }
  bool IsActive() const override { return Active; }
  bool Active = true;
  int Starts = 0;
  int Stops = 0;
};

struct FakeConfigWindow : ConfigWindowView {
  void SetEnabled(bool enabled) override { Enabled = enabled; }
  void SetBusyCursor(bool busy) override { Busy = busy; }
  void Repaint() override { ++Repaints; }
  void RefreshFileIcons() override { ++IconRefreshes; }
  std::vector<size_t> SelectedRows() const override { return Selected; }
  void SetCaption(const std::string& caption) override { Caption = caption; }
  void SetViewLogEnabled(bool enabled) override { ViewLogEnabled = enabled; }

  bool Enabled = true;
  bool Busy = false;
  int Repaints = 0;
  int IconRefreshes = 0;
  std::vector<size_t> Selected;
  std::string Caption;
  bool ViewLogEnabled = false;
};

}  // namespace vostrelund::test

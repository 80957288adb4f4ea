#pragma once

#include <string>

#include "storage/backup_store.h"
#include "storage/config_data.h"
#include "storage/views.h"

namespace vostrelund {

// The three ways the user changes the watch list: Add file(s), Add folder structure and Remove. Adding a
// file makes its backup copy at once; removing it deletes the copy.
class WatchListEditor {
 public:
  WatchListEditor(ConfigData& data, DialogView& dialogs, TimerView& mainTimer, ConfigWindowView& window);

  // Add file(s): the chosen files, each with a fresh backup copy.
  void SpeedButton1Click();
  // Add folder structure: every file of the chosen folder and its sub-folders.
  void Addfolderstructure1Click();
  // Adds every regular file of one folder and, depth first, of its sub-folders. `folder` may end with
  // the separator (the root does).
  void AddFolderTree(const std::string& folder);
  // Remove: the selected rows and their backup copies, after a question.
  void Deletefile1Click();

 private:
  enum class Outcome { Added, Skipped, Stop };
  Outcome AddFile(const std::string& leaf, const std::string& folder, const std::string& caption,
                  CopyBuffer& buffer);
  void WalkFolder(const std::string& folder, CopyBuffer& buffer);

  ConfigData& Data_;
  DialogView& Dialogs_;
  TimerView& MainTimer_;
  ConfigWindowView& Window_;
};

}  // namespace vostrelund

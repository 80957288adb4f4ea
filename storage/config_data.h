#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"

#include "storage/file_locations.h"
#include "storage/settings.h"
#include "storage/views.h"
#include "storage/watch_list.h"

namespace vostrelund {

// What the configuration window owns: the three file locations, the settings record and the watch list,
// with the loads and saves of the settings file and the list file.
class ConfigData {
 public:
  // Creates the backup folder when it is missing (a failure shows later, when a copy cannot be made).
  ConfigData(FileLocations locations, NameOrder order, StatusView& status, DialogView& dialogs,
             PathStyle style = PathStyle::Native());

  const FileLocations& Locations() const { return Locations_; }
  Settings& CurrentSettings() { return Settings_; }
  const Settings& CurrentSettings() const { return Settings_; }
  WatchList& Files() { return Files_; }
  const WatchList& Files() const { return Files_; }
  void SetSettingsListener(SettingsListener* listener) { Listener_ = listener; }

  // The settings file, or the defaults when it is missing, short or carries another tag. Silent.
  void LoadSettings();
  // Writes the settings; a failure is silent and the record in memory stays in force.
  bool SaveSettings();
  // Replaces the rows by those of the list file; a missing file is an empty list.
  void LoadFileList();
  // Writes the whole list; on failure shows "Error: Vostrelund cannot save your file list" and keeps the
  // old file whole. A list that has not changed since it was last written, to a file that is still the
  // one written, is not written again: every check pass saves, and a large list would otherwise be
  // rewritten every second.
  bool SaveFileList();

  // The backup copy of a watched file.
  std::string BackupPath(const std::string& fullPath) const;

 private:
  void ShowFileCount();
  void RememberListFile();

  FileLocations Locations_;
  StatusView& Status_;
  DialogView& Dialogs_;
  SettingsListener* Listener_ = nullptr;
  Settings Settings_;
  WatchList Files_;
  // The list as it was last written.
  uint64_t SavedRevision_ = 0;
  std::optional<FileIdentity> SavedFile_;
};

}  // namespace vostrelund

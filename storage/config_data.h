#pragma once

#include <string>

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
  // old file whole.
  bool SaveFileList();

  // The backup copy of a watched file.
  std::string BackupPath(const std::string& fullPath) const;

 private:
  void ShowFileCount();

  FileLocations Locations_;
  PathStyle Style_;
  StatusView& Status_;
  DialogView& Dialogs_;
  SettingsListener* Listener_ = nullptr;
  Settings Settings_;
  WatchList Files_;
};

}  // namespace vostrelund

#include "storage/config_data.h"

#include "platform/file_system.h"
#include "storage/backup_store.h"
#include "storage/list_file.h"

namespace vostrelund {

ConfigData::ConfigData(FileLocations locations, NameOrder order, StatusView& status, DialogView& dialogs,
                       PathStyle style)
    : Locations_(std::move(locations)), Status_(status), Dialogs_(dialogs), Files_(std::move(order), style) {
  CreateFolders(Locations_.BackupFolder);
  Status_.SetStatusText(kStatusPanel, "Status: [Unchecked]");
}

void ConfigData::LoadSettings() {
  if (std::optional<Settings> stored = ReadSettingsFile(Locations_.SettingsFile)) {
    Settings_ = std::move(*stored);
  } else {
    Settings_ = DefaultSettings(CurrentFolder(), HomeFolder());
  }
  if (Listener_ != nullptr)
    Listener_->SettingsLoaded();
}

bool ConfigData::SaveSettings() {
  Settings_.SettingsMagic = kSettingsMagic;
  const bool saved = WriteSettingsFile(Locations_.SettingsFile, Settings_);
  if (Listener_ != nullptr)
    Listener_->SettingsSaved();
  return saved;
}

void ConfigData::LoadFileList() {
  if (Files_.InBatch())
    return;  // an add operation's rows are not yet merged: reloading would lose them
  Files_.Clear();
  Status_.SetStatusText(kFileCountPanel, " 0 file(s)");
  ReadListFile(Locations_.ListFile, Files_);  // a missing file is an empty list
  // The file may hold rows out of order or bytes the load dropped: the next save writes it afresh.
  SavedFile_.reset();
  ShowFileCount();
}

bool ConfigData::SaveFileList() {
  const bool unchanged =
      SavedFile_ && Files_.Revision() == SavedRevision_ && IdentityOf(Locations_.ListFile) == SavedFile_;
  if (!unchanged) {
    if (!WriteListFile(Locations_.ListFile, Files_)) {
      Dialogs_.ShowError("Error: Vostrelund cannot save your file list", "Fatal error!");
      return false;
    }
    RememberListFile();
  }
  ShowFileCount();
  return true;
}

void ConfigData::RememberListFile() {
  SavedRevision_ = Files_.Revision();
  SavedFile_ = IdentityOf(Locations_.ListFile);
}

std::string ConfigData::BackupPath(const std::string& fullPath) const {
  std::string name = fullPath;
  MakeBackupName(name, Files_.Style());
  return Locations_.BackupFolder + name;
}

void ConfigData::ShowFileCount() {
  std::string text = " ";  // built up in steps: GCC 12 warns falsely on " " + std::to_string(...)
  text += std::to_string(Files_.Size());
  text += " file(s)";
  Status_.SetStatusText(kFileCountPanel, text);
}

}  // namespace vostrelund

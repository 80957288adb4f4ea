#pragma once

#include <string>

#include "platform/path_style.h"

namespace vostrelund {

// The program keeps its state beside its executable, wherever it was started from.
struct FileLocations {
  std::string ProgramFolder;  // ends with the separator
  std::string SettingsFile;
  std::string ListFile;
  std::string BackupFolder;  // ends with the separator: a backup path is BackupFolder + BackupName

  static FileLocations FromExecutable(const std::string& executablePath,
                                      PathStyle style = PathStyle::Native());
};

}  // namespace vostrelund

#include "storage/file_locations.h"

namespace vostrelund {

FileLocations FileLocations::FromExecutable(const std::string& executablePath, PathStyle style) {
  FileLocations at;
  const size_t last = executablePath.rfind(style.Separator);
  at.ProgramFolder = last == std::string::npos ? std::string() : executablePath.substr(0, last + 1);
  at.SettingsFile = at.ProgramFolder + "vostrelund.ini";
  at.ListFile = at.ProgramFolder + "vostrelund.dta";
  at.BackupFolder = at.ProgramFolder + "Backup" + style.Separator;
  return at;
}

}  // namespace vostrelund

#include "storage/autostart.h"

#include "platform/file_system.h"

namespace vostrelund {

AutostartEntry::AutostartEntry(std::string folder) : Folder_(std::move(folder)) {}

std::string AutostartEntry::ExecLine(const std::string& executable) {
  // Inside double quotes '"', '`', '$' and '\' take a backslash; the file format then doubles every
  // backslash of the value. '%' starts a field code and is doubled.
  std::string quoted = "\"";
  for (const char c : executable) {
    if (c == '"' || c == '`' || c == '$' || c == '\\')
      quoted += '\\';
    if (c == '%')
      quoted += '%';
    quoted += c;
  }
  quoted += '"';
  std::string value;
  for (const char c : quoted) {
    if (c == '\\')
      value += '\\';
    value += c;
  }
  return value;
}

bool AutostartEntry::Set(const std::string& executable) const {
  if (!CreateFolders(Folder_))
    return false;
  const std::string entry =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=Vostrelund\n"
      "Comment=Keeps a web site's files intact\n"
      "Exec=" +
      ExecLine(executable) +
      "\n"
      "Terminal=false\n";
  ReplacementFile file;
  return file.Create(Path()) && file.Stream().WriteAll(entry.data(), entry.size()) &&
         file.Stream().SetPermissions(0644) && file.Commit(true);
}

void AutostartEntry::Remove() const {
  DeleteFile(Path());
}

}  // namespace vostrelund

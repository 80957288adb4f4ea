#pragma once

#include <string>

namespace vostrelund {

// Start with the desktop: the per-machine autostart entry "Vostrelund.desktop", which every desktop
// session runs at log-on. The folder is the system's unless a test names another.
class AutostartEntry {
 public:
  explicit AutostartEntry(std::string folder = "/etc/xdg/autostart");
  std::string Path() const { return Folder_ + "/Vostrelund.desktop"; }
  // Writes the entry, starting the executable by its full path; false when it cannot be written.
  bool Set(const std::string& executable) const;
  // Removes the entry; one that does not exist is no error.
  void Remove() const;

  // The Exec value that runs exactly this file, quoted as desktop entries quote arguments.
  static std::string ExecLine(const std::string& executable);

 private:
  std::string Folder_;
};

}  // namespace vostrelund

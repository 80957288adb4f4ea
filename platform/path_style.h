#pragma once

#include <string>
#include <string_view>

namespace vostrelund {

// Where the program's Windows notions differ from the file system it runs on. Every rule that depends
// on the separator, the list file's field terminator or how names compare lives here, so the same core
// writes the Windows forms byte for byte and the POSIX forms here.
struct PathStyle {
  char Separator;                    // ends every folder path
  char ListFieldTerminator;          // ends every field of the list file
  std::string_view BackupFlattened;  // characters that become '_' in a backup name
  bool CaseBlindNames;               // leaf names compare as the file system compares them

  static constexpr PathStyle Windows() { return {'\\', '/', "\\", true}; }
  // '/' occurs in POSIX paths and NUL in none, hence the terminator; '\' is an ordinary character here
  // but is flattened too, so a backup name never holds a path separator of either platform.
  static constexpr PathStyle Posix() { return {'/', '\0', "/\\", false}; }
  static constexpr PathStyle Native() {
#ifdef _WIN32
    return Windows();
#else
    return Posix();
#endif
  }
};

// A leaf name as the file system tells names apart: folded on a case-blind file system.
std::string LeafNameKey(const PathStyle& style, std::string_view name);

// Two leaf names name the same file in one folder.
bool SameLeafName(const PathStyle& style, std::string_view a, std::string_view b);

}  // namespace vostrelund

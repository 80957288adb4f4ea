#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/path_style.h"

namespace vostrelund {

// Turns a full path into the flat name of its backup copy, in place: every path separator becomes
// '_' and every ':' becomes '~'; nothing else changes, and the length stays the same.
void MakeBackupName(std::string& path, const PathStyle& style = PathStyle::Native());

// The size shown for a copy of `bytes` bytes: 0 under 1024 bytes, else the whole kilobytes plus one,
// followed by " KB".
std::string SizeText(uint64_t bytes);

// Copies move through one buffer that an operation takes once and reuses for every file.
inline constexpr size_t kCopyBufferSize = 65536;
inline constexpr size_t kCopyChunkSize = 65535;
struct CopyBuffer {
  std::vector<char> Bytes = std::vector<char>(kCopyBufferSize);
  std::vector<char> Other;  // the second side of a comparison, taken when first needed
};
inline CopyBuffer MakeCopyBuffer() {
  return CopyBuffer();
}

struct CopyResult {
  bool Complete = false;  // every byte read and written, as many as the source holds, stamp set
  uint64_t Bytes = 0;     // bytes copied
};

// Copies the source's bytes to the target in 65535-byte chunks, gives the target the source's permission
// bits, then sets the target's modification time to the source's, reduced to the DOS packed form. The
// two files stay open for their owners.
CopyResult CopyWithTimestamp(File& source, File& target, CopyBuffer& buffer);

enum class CopyStatus {
  Copied,
  SourceUnreadable,   // the source cannot be opened for reading
  TargetUncreatable,  // no new file can be created beside the target
  CopyFailed,         // a read or write failed, or the copy came out short; the target is untouched
};

struct FileCopy {
  CopyStatus Status = CopyStatus::CopyFailed;
  uint64_t Bytes = 0;
};

// CopyWithTimestamp from one path to another. An existing target is replaced through a temporary file
// beside it, renamed over it only when the copy is complete: a failed copy never replaces a good file. A
// new target is written in place and removed again if the copy fails.
FileCopy CopyFileWithTimestamp(const std::string& source, const std::string& target, CopyBuffer& buffer);
// The same from a source already open for reading.
FileCopy CopyFileWithTimestamp(File& source, const std::string& target, CopyBuffer& buffer);

// The same, except that a target that already holds the source's bytes, stamp and permissions is left as
// it is: replacing it would change nothing but cost a write and a rename.
FileCopy RefreshFileWithTimestamp(const std::string& source, const std::string& target, CopyBuffer& buffer);

}  // namespace vostrelund

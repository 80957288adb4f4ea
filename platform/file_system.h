#pragma once

#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "platform/dos_time.h"

namespace vostrelund {

// What fstat says of an open file, as far as the program cares.
struct FileStatus {
  uint64_t Size = 0;
  std::time_t ModifiedSeconds = 0;
  long ModifiedNanoseconds = 0;
  unsigned Permissions = 0;  // rwx for owner, group and others, and the set-id and sticky bits
};

// One open file, closed exactly once. Failures come back as values, never as exceptions.
class File {
 public:
  File() = default;
  ~File() { Close(); }
  File(File&& other) noexcept : Fd_(other.Fd_), Opened_(other.Opened_) { other.Fd_ = -1; }
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Opens a regular file for binary reading. Anything else (a folder, a FIFO, a device, a socket)
  // counts as a file that cannot be opened: opening a FIFO would block the program.
  static File OpenForReading(const std::string& path);
  // Creates or truncates a file for binary writing.
  static File CreateForWriting(const std::string& path);
  // Takes over an already open descriptor.
  static File Adopt(int fd) {
    File f;
    f.Fd_ = fd;
    return f;
  }

  bool IsOpen() const { return Fd_ >= 0; }
  int Descriptor() const { return Fd_; }
  void Close();
  // Hands the descriptor over to the caller, who closes it.
  int Release() {
    const int fd = Fd_;
    Fd_ = -1;
    return fd;
  }

  // Reads until `size` bytes are in or the file ends. Returns the count read, or -1 on a read error.
  ssize_t ReadFull(void* buffer, size_t size);
  // Writes every byte; false on any error.
  bool WriteAll(const void* data, size_t size);

  // The file as it is now.
  std::optional<FileStatus> Status() const;
  // The file as it was when OpenForReading opened it.
  const FileStatus& Opened() const { return Opened_; }
  bool SetPermissions(unsigned mode);
  std::optional<DosDateTime> ModificationStamp() const;
  bool Rewind();
  bool SetModificationStamp(DosDateTime stamp);

 private:
  int Fd_ = -1;
  FileStatus Opened_;
};

// A new version of a file, written beside it under a temporary name and renamed over it only once it
// is complete: a crash, a full disk or a failed copy leaves the old file as it was.
class ReplacementFile {
 public:
  ReplacementFile() = default;
  ~ReplacementFile() { Discard(); }
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // Creates the temporary file in the target's folder. False when it cannot be created. With
  // `directWhenNew`, a target that does not exist yet is written in place: there is no old file to keep,
  // and a failed write removes it again.
  bool Create(const std::string& target, bool directWhenNew = false);
  File& Stream() { return Stream_; }
  // Renames the finished file over the target; `flush` makes the data durable first. On failure the
  // temporary file is removed and the target is untouched.
  bool Commit(bool flush);
  void Discard();

 private:
  File Stream_;
  std::string Target_;
  std::string TempPath_;  // what Discard removes: the temporary file, or the new target written in place
  bool Direct_ = false;
};

enum class EntryKind { File, Folder, Other };

struct FolderEntry {
  std::string Name;
  EntryKind Kind;
};

// The entries of a folder, hidden ones included, "." and ".." left out, in the order the file system
// gives them; nothing when the folder cannot be read. A symbolic link counts as what it points to, except
// that a link to a folder counts as Other: walking into it could loop for ever. FIFOs, sockets and
// devices are Other.
std::optional<std::vector<FolderEntry>> ReadFolder(const std::string& folder);

// The folder part of a path, up to and including its last '/'; empty when there is none.
std::string FolderOf(const std::string& path);

// What tells one version of a file from another without reading it.
struct FileIdentity {
  uint64_t Device = 0;
  uint64_t Inode = 0;
  uint64_t Size = 0;
  int64_t ModifiedSeconds = 0;
  int64_t ModifiedNanoseconds = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
std::optional<FileIdentity> IdentityOf(const std::string& path);

std::string ExecutablePath();
std::string CurrentFolder();
std::string HomeFolder();
bool FileExists(const std::string& path);
bool DeleteFile(const std::string& path);
// Creates a folder with all missing parents; true when it exists afterwards.
bool CreateFolders(const std::string& path);

}  // namespace vostrelund

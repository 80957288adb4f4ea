#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>

namespace vostrelund {

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    Fd_ = other.Fd_;
    Opened_ = other.Opened_;
    other.Fd_ = -1;
  }
  return *this;
}

namespace {
FileStatus StatusOf(const struct stat& st) {
  return {static_cast<uint64_t>(st.st_size), st.st_mtim.tv_sec, st.st_mtim.tv_nsec,
          static_cast<unsigned>(st.st_mode & 07777)};
}
}  // namespace

File File::OpenForReading(const std::string& path) {
  // O_NONBLOCK guards the open against FIFOs; reads of a regular file ignore it.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0)
    return File();
  File file = Adopt(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    return File();
  file.Opened_ = StatusOf(st);
  return file;
}

File File::CreateForWriting(const std::string& path) {
  return Adopt(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666));
}

void File::Close() {
  if (Fd_ >= 0) {
    ::close(Fd_);
    Fd_ = -1;
  }
}

ssize_t File::ReadFull(void* buffer, size_t size) {
  auto* out = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(Fd_, out + done, size - done);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return -1;
    }
    if (n == 0)
      break;
    done += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

bool File::WriteAll(const void* data, size_t size) {
  const auto* in = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = ::write(Fd_, in, size);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    if (n == 0)
      return false;
    in += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

std::optional<FileStatus> File::Status() const {
  struct stat st {};
  if (::fstat(Fd_, &st) != 0)
    return std::nullopt;
  return StatusOf(st);
}

bool File::SetPermissions(unsigned mode) {
  return ::fchmod(Fd_, static_cast<mode_t>(mode)) == 0;
}

std::optional<DosDateTime> File::ModificationStamp() const {
  const auto status = Status();
  if (!status)
    return std::nullopt;
  return DosDateTimeFromUnix(status->ModifiedSeconds);
}

bool File::Rewind() {
  return ::lseek(Fd_, 0, SEEK_SET) == 0;
}

bool File::SetModificationStamp(DosDateTime stamp) {
  const std::time_t t = UnixFromDosDateTime(stamp);
  if (t == static_cast<std::time_t>(-1))
    return false;
  struct timespec times[2];
  times[0].tv_sec = 0;
  times[0].tv_nsec = UTIME_OMIT;  // the access time is not the copy's business
  times[1].tv_sec = t;
  times[1].tv_nsec = 0;
  return ::futimens(Fd_, times) == 0;
}

bool ReplacementFile::Create(const std::string& target, bool directWhenNew) {
  Discard();
  Target_ = target;
  if (directWhenNew) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd >= 0) {
      Stream_ = File::Adopt(fd);
      TempPath_ = target;
      Direct_ = true;
      return true;
    }
    if (errno != EEXIST)
      return false;
  }
  Direct_ = false;
  // A short fixed-pattern name, so that even a 255-byte leaf name leaves room for it, and a leading dot
  // so that a web server's listing or a backup folder view passes over it.
  static thread_local std::minstd_rand random(static_cast<unsigned>(::getpid()) ^ std::random_device{}());
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  const std::string folder = FolderOf(target);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = folder + ".vostrelund-";
    for (int i = 0; i < 10; ++i)
      name += kLetters[random() % (sizeof(kLetters) - 1)];
    name += ".tmp";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd >= 0) {
      Stream_ = File::Adopt(fd);
      TempPath_ = std::move(name);
      return true;
    }
    if (errno != EEXIST)
      return false;
  }
  return false;
}

bool ReplacementFile::Commit(bool flush) {
  if (!Stream_.IsOpen())
    return false;
  if (flush && ::fsync(Stream_.Descriptor()) != 0) {
    Discard();
    return false;
  }
  // close() can report a deferred write error (NFS, quota): such a file is not committed.
  const int closed = ::close(Stream_.Release());
  if (closed != 0 || (!Direct_ && ::rename(TempPath_.c_str(), Target_.c_str()) != 0)) {
    ::unlink(TempPath_.c_str());
    TempPath_.clear();
    return false;
  }
  TempPath_.clear();
  return true;
}

void ReplacementFile::Discard() {
  Stream_.Close();
  if (!TempPath_.empty()) {
    ::unlink(TempPath_.c_str());
    TempPath_.clear();
  }
}

namespace {

EntryKind KindOf(int dirFd, const dirent& entry) {
  switch (entry.d_type) {
    case DT_REG:
      return EntryKind::File;
    case DT_DIR:
      return EntryKind::Folder;
    case DT_LNK:
    case DT_UNKNOWN:
      break;
    default:
      return EntryKind::Other;
  }
  struct stat target {};
  if (::fstatat(dirFd, entry.d_name, &target, 0) != 0)
    return EntryKind::Other;  // a dangling link
  if (S_ISREG(target.st_mode))
    return EntryKind::File;
  if (!S_ISDIR(target.st_mode))
    return EntryKind::Other;
  struct stat self {};
  if (::fstatat(dirFd, entry.d_name, &self, AT_SYMLINK_NOFOLLOW) != 0 || S_ISLNK(self.st_mode)) {
    return EntryKind::Other;
  }
  return EntryKind::Folder;
}

}  // namespace

std::optional<std::vector<FolderEntry>> ReadFolder(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr)
    return std::nullopt;
  std::vector<FolderEntry> entries;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..")
      continue;
    entries.push_back({std::string(name), KindOf(::dirfd(dir), *entry)});
  }
  ::closedir(dir);
  return entries;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0)
    return std::nullopt;
  return FileIdentity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino),
                      static_cast<uint64_t>(st.st_size), static_cast<int64_t>(st.st_mtim.tv_sec),
                      static_cast<int64_t>(st.st_mtim.tv_nsec)};
}

std::string ExecutablePath() {
  std::string path(PATH_MAX, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
  if (n <= 0)
    return std::string();
  path.resize(static_cast<size_t>(n));
  return path;
}

std::string CurrentFolder() {
  std::string path(PATH_MAX, '\0');
  if (::getcwd(path.data(), path.size()) == nullptr)
    return std::string();
  path.resize(std::char_traits<char>::length(path.c_str()));
  return path;
}

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
    return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr)
    return pw->pw_dir;
  return "/";
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

bool DeleteFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0;
}

bool CreateFolders(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0)
    return S_ISDIR(st.st_mode);
  std::string partial;
  partial.reserve(path.size());
  for (size_t i = 0; i <= path.size(); ++i) {
    if (i == path.size() || (path[i] == '/' && i > 0)) {
      if (::mkdir(partial.c_str(), 0777) != 0 && errno != EEXIST)
        return false;
    }
    if (i < path.size())
      partial += path[i];
  }
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace vostrelund

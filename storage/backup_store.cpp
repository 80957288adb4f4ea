#include "storage/backup_store.h"

#include <cstring>

namespace vostrelund {

void MakeBackupName(std::string& path, const PathStyle& style) {
  for (char& c : path) {
    if (c == ':') {
      c = '~';
    } else if (style.BackupFlattened.find(c) != std::string_view::npos) {
      c = '_';
    }
  }
}

std::string SizeText(uint64_t bytes) {
  const uint64_t kilobytes = bytes / 1024;
  return std::to_string(kilobytes == 0 ? 0 : kilobytes + 1) + " KB";
}

CopyResult CopyWithTimestamp(File& source, File& target, CopyBuffer& buffer) {
  CopyResult result;
  char* const bytes = buffer.Bytes.data();
  for (;;) {
    const ssize_t n = source.ReadFull(bytes, kCopyChunkSize);
    if (n < 0)
      return result;
    if (n > 0 && !target.WriteAll(bytes, static_cast<size_t>(n)))
      return result;
    result.Bytes += static_cast<uint64_t>(n);
    if (static_cast<size_t>(n) < kCopyChunkSize)
      break;
  }
  // A source that changed length while it was read gives no trustworthy copy.
  const std::optional<FileStatus> status = source.Status();
  if (!status || status->Size != result.Bytes)
    return result;
  // The copy keeps the source's permission bits, so a restored script stays executable and a restored
  // page stays readable by the web server.
  if (!target.SetPermissions(status->Permissions))
    return result;
  // The stamp goes on last: writing any byte after it would move it again.
  result.Complete = target.SetModificationStamp(DosDateTimeFromUnix(status->ModifiedSeconds));
  return result;
}

FileCopy CopyFileWithTimestamp(const std::string& source, const std::string& target, CopyBuffer& buffer) {
  File in = File::OpenForReading(source);
  if (!in.IsOpen())
    return {CopyStatus::SourceUnreadable, 0};
  return CopyFileWithTimestamp(in, target, buffer);
}

FileCopy CopyFileWithTimestamp(File& source, const std::string& target, CopyBuffer& buffer) {
  ReplacementFile out;
  if (!out.Create(target, true))
    return {CopyStatus::TargetUncreatable, 0};
  const CopyResult result = CopyWithTimestamp(source, out.Stream(), buffer);
  // rename keeps the modification time that the copy set
  const bool done = result.Complete && out.Commit(false);
  return {done ? CopyStatus::Copied : CopyStatus::CopyFailed, result.Bytes};
}

namespace {

// The target holds what a copy of the source would: the same permissions, the source's stamp as a copy
// sets it, and the same bytes.
bool HoldsCopyOf(File& source, File& target, CopyBuffer& buffer) {
  const FileStatus& a = source.Opened();
  const FileStatus& b = target.Opened();
  if (a.Size != b.Size || a.Permissions != b.Permissions || b.ModifiedNanoseconds != 0 ||
      b.ModifiedSeconds != UnixFromDosDateTime(DosDateTimeFromUnix(a.ModifiedSeconds))) {
    return false;
  }
  buffer.Other.resize(kCopyBufferSize);
  for (;;) {
    const ssize_t na = source.ReadFull(buffer.Bytes.data(), kCopyBufferSize);
    const ssize_t nb = target.ReadFull(buffer.Other.data(), kCopyBufferSize);
    if (na < 0 || na != nb ||
        std::memcmp(buffer.Bytes.data(), buffer.Other.data(), static_cast<size_t>(na)) != 0)
      return false;
    if (static_cast<size_t>(na) < kCopyBufferSize)
      break;
  }
  // and the source did not change while it was compared
  const std::optional<FileStatus> now = source.Status();
  return now && now->Size == a.Size && now->ModifiedSeconds == a.ModifiedSeconds &&
         now->ModifiedNanoseconds == a.ModifiedNanoseconds;
}

}  // namespace

FileCopy RefreshFileWithTimestamp(const std::string& source, const std::string& target, CopyBuffer& buffer) {
  File in = File::OpenForReading(source);
  if (!in.IsOpen())
    return {CopyStatus::SourceUnreadable, 0};
  if (File existing = File::OpenForReading(target); existing.IsOpen()) {
    if (HoldsCopyOf(in, existing, buffer))
      return {CopyStatus::Copied, in.Opened().Size};
    if (!in.Rewind())
      return {CopyStatus::CopyFailed, 0};
  }
  return CopyFileWithTimestamp(in, target, buffer);
}

}  // namespace vostrelund

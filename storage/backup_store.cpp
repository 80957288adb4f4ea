#include "storage/backup_store.h"

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
  if (buffer.size() < kCopyChunkSize)
    buffer.resize(kCopyBufferSize);
  for (;;) {
    const ssize_t n = source.ReadFull(buffer.data(), kCopyChunkSize);
    if (n < 0)
      return result;
    if (n > 0 && !target.WriteAll(buffer.data(), static_cast<size_t>(n)))
      return result;
    result.Bytes += static_cast<uint64_t>(n);
    if (static_cast<size_t>(n) < kCopyChunkSize)
      break;
  }
  // A source that changed length while it was read gives no trustworthy copy.
  const auto size = source.Size();
  const auto stamp = source.ModificationStamp();
  // The copy keeps the source's permission bits, so a restored script stays executable and a restored
  // page stays readable by the web server.
  if (const auto mode = source.Permissions(); !mode || !target.SetPermissions(*mode))
    return result;
  if (!size || *size != result.Bytes || !stamp)
    return result;
  // The stamp goes on last: writing any byte after it would move it again.
  result.Complete = target.SetModificationStamp(*stamp);
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
  if (!out.Create(target))
    return {CopyStatus::TargetUncreatable, 0};
  const CopyResult result = CopyWithTimestamp(source, out.Stream(), buffer);
  // rename keeps the modification time that the copy set
  const bool done = result.Complete && out.Commit(false);
  return {done ? CopyStatus::Copied : CopyStatus::CopyFailed, result.Bytes};
}

}  // namespace vostrelund

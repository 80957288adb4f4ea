#include "checker/checker.h"
#include "platform/file_system.h"
#include "storage/backup_store.h"

namespace vostrelund {

void Checker::RunBackupNow() {
  WatchList& list = Data_.Files();
  if (list.InBatch())
    return;  // asked for from inside an add operation's message box
  ProgressView& window = Views_.BackupWindow;
  window.SetProgress(0);
  window.SetStatus("Initializing...");
  window.Show();
  window.Repaint();
  Views_.MainTimer.Stop();

  CopyBuffer buffer = MakeCopyBuffer();
  bool removed = false;
  for (size_t i = 0; i < list.Size();) {
    window.SetProgress(static_cast<int>((100 * i + 100) / list.Size()));
    const std::string path = list.FullPath(i);
    window.SetStatus(path);
    window.Repaint();
    const std::string backupPath = Data_.BackupPath(path);
    const FileCopy copy = RefreshFileWithTimestamp(path, backupPath, buffer);
    if (copy.Status == CopyStatus::SourceUnreadable) {
      if (Views_.Dialogs.AskYesNo(
              "Original file " + path + " does not exist, remove it from backup list now?", "Backup failed",
              MessageIcon::Error, true)) {
        DeleteFile(backupPath);
        list.Remove(i);  // the next row moves into place i
        removed = true;
      } else {
        ++i;
      }
      continue;
    }
    if (copy.Status != CopyStatus::Copied) {
      // A failed or short copy: the old backup copy stays as it was.
      Views_.Dialogs.ShowError("Error: Unable to create backup file", "Backup failed");
      window.Close();
      Views_.MainTimer.Start();
      if (removed)
        Views_.Config.RefreshFileIcons();
      return;
    }
    list.SetSizeText(i, SizeText(copy.Bytes));
    list.SetActionHistory(i, "Backup (OK)");
    ++i;
  }

  Data_.SaveFileList();
  Views_.MainTimer.Start();
  window.Close();
  Views_.Status.SetStatusText(kStatusPanel, " Status: [OK]");
  if (removed)
    Views_.Config.RefreshFileIcons();
}

}  // namespace vostrelund

#include "checker/alert_log.h"
#include "checker/checker.h"
#include "platform/file_system.h"
#include "storage/backup_store.h"

namespace vostrelund {

void Checker::RunFix() {
  ProgressView& window = Views_.FixWindow;
  window.SetStatus("Initializing...");
  window.SetProgress(0);
  window.Show();
  window.Repaint();
  Views_.MainTimer.Stop();

  WatchList& list = Data_.Files();
  const char separator = list.Style().Separator;
  CopyBuffer buffer = MakeCopyBuffer();
  bool missingBackup = false;
  const std::vector<AlertRow>& rows = Alerts_.Rows();  // nothing empties them before the next pass
  for (size_t i = 0; i < rows.size(); ++i) {
    window.SetProgress(static_cast<int>((100 * i + 100) / rows.size()));
    if (rows[i].Alert == "NO BACKUP FOUND!") {
      missingBackup = true;
      continue;
    }
    const std::string& path = rows[i].Path;
    window.SetStatus(path);
    window.Repaint();
    File backup = File::OpenForReading(Data_.BackupPath(path));
    if (!backup.IsOpen())
      continue;
    const size_t cut = path.rfind(separator) + 1;
    const std::string folder = path.substr(0, cut);
    const std::string name = path.substr(cut);
    CreateFolders(folder);  // a file deleted with its folders comes back with them
    // Through a temporary file: a failed copy leaves the damaged file as it was, and its row unmarked.
    if (CopyFileWithTimestamp(backup, path, buffer).Status != CopyStatus::Copied)
      continue;
    for (const size_t row : list.FindSameFile(name, folder)) {
      list.SetActionHistory(row, list.ActionHistory(row) + " (fixed)");
    }
  }

  window.Close();
  Alerts_.Close();
  Views_.Status.SetStatusText(kStatusPanel, " Status: [FIXED]");
  Data_.SaveFileList();
  Views_.Config.RefreshFileIcons();
  LogOutcome(missingBackup ? kFixedWithWarningLine : kFixedLine);
  Views_.MainTimer.Start();
}

}  // namespace vostrelund

#include <algorithm>
#include <cstring>

#include "checker/alert_log.h"
#include "checker/checker.h"
#include "platform/file_system.h"

namespace vostrelund {

namespace {
constexpr size_t kChunk = 65535;
constexpr char kNoBackup[] = "NO BACKUP FOUND!";
}  // namespace

Checker::Checker(ConfigData& data, CheckerViews views, Clock clock)
    : Data_(data), Views_(views), Clock_(std::move(clock)), Alerts_(*this, views.Alert) {}

Checker::Verdict Checker::CompareStamps(const File& file, const File& backup) const {
  // The stamps as the files were opened.
  const std::time_t a = file.Opened().ModifiedSeconds;
  const std::time_t b = backup.Opened().ModifiedSeconds;
  if (a == b)
    return Verdict::Equal;  // the same second packs the same
  return DosDateTimeFromUnix(a) == DosDateTimeFromUnix(b) ? Verdict::Equal : Verdict::DateMismatch;
}

Checker::Verdict Checker::CompareContents(File& file, File& backup) {
  if (BufferA_.size() < kChunk) {
    BufferA_.resize(kChunk);
    BufferB_.resize(kChunk);
  }
  for (;;) {
    // A read error ends a file as its end would.
    const ssize_t a = std::max<ssize_t>(file.ReadFull(BufferA_.data(), kChunk), 0);
    const ssize_t b = std::max<ssize_t>(backup.ReadFull(BufferB_.data(), kChunk), 0);
    if (a != b)
      return Verdict::SizeMismatch;
    if (std::memcmp(BufferA_.data(), BufferB_.data(), static_cast<size_t>(a)) != 0)
      return Verdict::DataChanged;
    if (static_cast<size_t>(a) < kChunk)
      return Verdict::Equal;
  }
}

void Checker::RunCheckPass(bool compareDates, bool compareData, bool reportMissingBackup,
                           bool showProgressWindow) {
  if (CheckRunning)
    return;  // one pass at a time, whatever event arrives inside its message box
  StatusView& status = Views_.Status;
  status.SetStatusText(kStatusPanel, " Status: [OK]");
  WatchList& list = Data_.Files();
  if ((!compareDates && !compareData) || list.Empty())
    return;

  CheckRunning = true;
  Views_.MainTimer.Stop();
  status.SetStatusText(kActivityPanel, " Checking in progress...");
  Views_.Config.Repaint();
  ProgressView& window = Views_.CheckWindow;
  window.SetProgress(0);
  window.SetStatus("Initializing checker engine...");
  if (showProgressWindow) {
    window.Show();
    window.Repaint();
  }
  Alerts_.PrepareForPass(Data_.CurrentSettings().AutoFix);

  for (size_t i = 0; i < list.Size() && !CheckCancelled; ++i) {
    const std::string path = list.FullPath(i);
    window.SetStatus(path);
    window.SetProgress(static_cast<int>((100 * i + 100) / list.Size()));
    window.Repaint();

    File file = File::OpenForReading(path);
    if (!file.IsOpen()) {
      RecordAlert("Doesn't exist", i);
      continue;
    }
    File backup = File::OpenForReading(Data_.BackupPath(path));
    if (!backup.IsOpen()) {
      // Reported once; a later text in the row's history re-arms it.
      if (list.ActionHistory(i) != kNoBackup) {
        RecordAlert(kNoBackup, i);
        status.SetStatusText(kStatusPanel, " Status: [NO BACKUP!]");
        file.Close();
        if (reportMissingBackup)
          Views_.Dialogs.ShowError("Unable to find backup file", "Fatal error");
      } else {
        status.SetStatusText(kStatusPanel, " Status: [NO BACKUP!]");
      }
      continue;
    }
    Verdict verdict = compareDates ? CompareStamps(file, backup) : Verdict::Equal;
    if (verdict == Verdict::Equal && compareData)
      verdict = CompareContents(file, backup);
    switch (verdict) {
      case Verdict::DateMismatch:
        RecordAlert("Date mismatch", i);
        break;
      case Verdict::SizeMismatch:
        RecordAlert("Size mismatch", i);
        break;
      case Verdict::DataChanged:
        RecordAlert("File data changed", i);
        break;
      case Verdict::Equal:
        if (list.ActionHistory(i) != "Checked (OK)")
          list.SetActionHistory(i, "Checked (OK)");
        break;
    }
  }

  Data_.SaveFileList();
  window.Close();
  CheckCancelled = false;
  CheckRunning = false;
  status.SetStatusText(kActivityPanel, "");
  Views_.Config.Repaint();  // the rows' new histories
  Alerts_.CheckPassEnded();
  if (!Alerts_.IsVisible())
    Views_.MainTimer.Start();
}

void Checker::RecordAlert(const std::string& alert, size_t row) {
  WatchList& list = Data_.Files();
  Alerts_.Show();
  Alerts_.StartTimer();
  const std::string path = list.FullPath(row);
  Alerts_.AddRow(path, alert);
  const Settings& settings = Data_.CurrentSettings();
  // A repeat of the row's last alert is logged only when the log is gone.
  if (settings.UseLog && (list.ActionHistory(row) != alert || !FileExists(settings.LogPath))) {
    AppendToLog(settings.LogPath, AlertLine(Clock_(), path, alert));
  }
  list.SetActionHistory(row, alert);
  Views_.Status.SetStatusText(kStatusPanel, " Status: [ALERT]");
  Views_.Config.SetEnabled(false);
}

void Checker::LogOutcome(const char* line) {
  const Settings& settings = Data_.CurrentSettings();
  if (settings.UseLog && FileExists(settings.LogPath))
    AppendToLog(settings.LogPath, line);
}

}  // namespace vostrelund

#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "checker/alert_dialog.h"
#include "checker/views.h"
#include "platform/file_system.h"
#include "storage/config_data.h"

namespace vostrelund {

// The windows the checking and repair operations drive.
struct CheckerViews {
  StatusView& Status;
  DialogView& Dialogs;
  ConfigWindowView& Config;
  TimerView& MainTimer;
  MainWindowView& Main;
  ProgressView& CheckWindow;
  ProgressView& BackupWindow;
  ProgressView& FixWindow;
  AlertDialogView& Alert;
};

// The clock that stamps log lines.
using Clock = std::function<std::time_t()>;

inline constexpr char kConfigCaption[] = "Tessaryne Vostrelund ver 1.0 - Configuration";

// Checking and repair, the operations of the hidden main window: the check pass, alert recording, the
// fix, backup now, the timer tick, pause and stop.
class Checker : public SettingsListener {
 public:
  Checker(
      ConfigData& data, CheckerViews views, Clock clock = [] { return std::time(nullptr); });

  bool CheckRunning = false;     // a check pass is under way
  bool CheckCancelled = false;   // the running pass stops before its next row
  bool Paused = false;           // timer ticks are ignored
  uint32_t TimerTicks = 300000;  // ticks counted since the last timer-driven pass; the first tick checks

  AlertDialog& Alerts() { return Alerts_; }
  ConfigData& Data() { return Data_; }
  const CheckerViews& Views() const { return Views_; }

  // Compares every watched file with its backup copy; every mismatch becomes an alert.
  void RunCheckPass(bool compareDates, bool compareData, bool reportMissingBackup, bool showProgressWindow);
  void RecordAlert(const std::string& alert, size_t row);
  // Restores the files of the alert dialog's rows from their backup copies.
  void RunFix();
  // Makes the present state of every watched file its new backup copy.
  void RunBackupNow();
  // The one-second tick of the main timer.
  void MainTimerTimer();
  void SetPaused(bool paused);
  void StopAndExit();

  void SettingsLoaded() override;
  void SettingsSaved() override;

  // Appends an outcome line when the user keeps a log and the log file exists; never creates it.
  void LogOutcome(const char* line);

 private:
  enum class Verdict { Equal, DateMismatch, SizeMismatch, DataChanged };
  Verdict CompareStamps(const File& file, const File& backup) const;
  Verdict CompareContents(File& file, File& backup);

  ConfigData& Data_;
  CheckerViews Views_;
  Clock Clock_;
  AlertDialog Alerts_;
  std::vector<char> BufferA_, BufferB_;  // content comparison, 65535 bytes each while a pass runs
};

}  // namespace vostrelund

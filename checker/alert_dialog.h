#pragma once

#include <string>
#include <vector>

#include "checker/views.h"

namespace vostrelund {

class Checker;

// One alert of the latest check pass: the watched file's full path and what was found.
struct AlertRow {
  std::string Path;
  std::string Alert;
  friend bool operator==(const AlertRow&, const AlertRow&) = default;
};

// The alert dialog's behaviour: its rows, the 20-second countdown, and the Fix, Ignore and
// "Ignore && pause" buttons. The window only shows what this decides.
class AlertDialog {
 public:
  AlertDialog(Checker& checker, AlertDialogView& view);

  // 100-ms ticks left before the automatic fix or ignore.
  int Countdown = 200;

  const std::vector<AlertRow>& Rows() const { return Rows_; }
  bool IsVisible() const { return View_.IsVisible(); }

  // What the operations use.
  void PrepareForPass(bool autoFix);
  void Show();  // FormShow runs when the dialog was hidden
  void StartTimer() { View_.StartTimer(); }
  void AddRow(const std::string& path, const std::string& alert);
  void Close();  // through FormCloseQuery
  // A fix asked for while a check pass ran was held back; the pass calls this once it has ended.
  void CheckPassEnded();

  // The dialog's event handlers.
  void FormShow();
  void TimerTimer();
  void FixButtonClick();
  void IgnoreButtonClick();
  void PauseButtonClick();
  void FormCloseQuery();

 private:
  void Fix();

  Checker& Checker_;
  AlertDialogView& View_;
  std::vector<AlertRow> Rows_;
  bool FixPending_ = false;
};

}  // namespace vostrelund

#include "checker/alert_dialog.h"

#include "checker/alert_log.h"
#include "checker/checker.h"

namespace vostrelund {

namespace {
std::string SecondsLeft(int countdown) {
  return std::to_string(countdown / 10 + 1);
}
}  // namespace

AlertDialog::AlertDialog(Checker& checker, AlertDialogView& view) : Checker_(checker), View_(view) {}

void AlertDialog::PrepareForPass(bool autoFix) {
  View_.SetFixCaption(autoFix ? "Fix (auto fix in 20 sec)" : "Fix (auto fix disabled)");
  View_.SetIgnoreCaption(autoFix ? "Ignore this check" : "Ignore in 20 sec");
  View_.SetFixEnabled(true);
  View_.SetIgnoreEnabled(true);
  Rows_.clear();
  View_.ClearRows();
  View_.Repaint();
}

void AlertDialog::Show() {
  const bool wasHidden = !View_.IsVisible();
  View_.Show();
  if (wasHidden)
    FormShow();
}

void AlertDialog::AddRow(const std::string& path, const std::string& alert) {
  Rows_.push_back({path, alert});
  View_.AddRow(path, alert);
  View_.Repaint();
}

void AlertDialog::Close() {
  FormCloseQuery();
  View_.Hide();
}

void AlertDialog::FormShow() {
  const Settings& settings = Checker_.Data().CurrentSettings();
  View_.SetPauseEnabled(settings.PausingEnabled || settings.CheckInterval < 10);
  if (settings.UseSound)
    View_.PlaySound(settings.SoundPath);
}

void AlertDialog::TimerTimer() {
  --Countdown;
  const Settings& settings = Checker_.Data().CurrentSettings();
  if (settings.AutoFix) {
    View_.SetIgnoreCaption("Ignore this check");
    if (Countdown > 0) {
      View_.SetFixCaption("Fix (auto fix in " + SecondsLeft(Countdown) + " sec)");
    } else {
      Fix();
    }
    View_.Repaint();
    return;
  }
  if (Countdown > 0) {
    View_.SetFixEnabled(true);
    View_.SetFixCaption("Fix (auto fix disabled)");
    View_.SetIgnoreCaption("Ignore in " + SecondsLeft(Countdown) + " sec");
    return;
  }
  View_.SetIgnoreEnabled(false);
  View_.StopTimer();
  Countdown = 200;
  Close();
  Checker_.LogOutcome(kAutoIgnoredLine);
}

void AlertDialog::FixButtonClick() {
  Fix();
}

void AlertDialog::Fix() {
  View_.SetFixCaption("Fixing...");
  View_.SetFixEnabled(false);
  View_.SetIgnoreEnabled(false);
  View_.SetPauseEnabled(false);
  View_.StopTimer();
  Countdown = 0;
  // Never inside a running pass (only its message box lets this handler run): the fix waits for the
  // pass to end instead of being lost.
  if (Checker_.CheckRunning) {
    FixPending_ = true;
    return;
  }
  Countdown = 200;
  Checker_.RunFix();
}

void AlertDialog::CheckPassEnded() {
  if (!FixPending_)
    return;
  FixPending_ = false;
  Countdown = 200;
  Checker_.RunFix();
}

void AlertDialog::IgnoreButtonClick() {
  View_.SetFixEnabled(false);
  View_.SetIgnoreEnabled(false);
  View_.StopTimer();
  View_.SetFixCaption("Ignored (stopping check...)");
  if (Checker_.CheckRunning)
    Checker_.CheckCancelled = true;
  Checker_.LogOutcome(kIgnoredByUserLine);
  Countdown = 200;
  Close();
}

void AlertDialog::PauseButtonClick() {
  Checker_.SetPaused(true);
  IgnoreButtonClick();
}

void AlertDialog::FormCloseQuery() {
  Checker_.Views().MainTimer.Start();
  Checker_.Views().Config.SetEnabled(true);
}

}  // namespace vostrelund

#include "checker/checker.h"

namespace vostrelund {

void Checker::MainTimerTimer() {
  if (Paused)
    return;
  ++TimerTicks;
  const Settings& settings = Data_.CurrentSettings();
  if (TimerTicks < settings.CheckInterval)
    return;
  RunCheckPass(settings.CheckDates, settings.CheckData, false, settings.ShowProgress);
  TimerTicks = 0;  // counted from the end of the pass
}

void Checker::SetPaused(bool paused) {
  const Settings& settings = Data_.CurrentSettings();
  std::string caption = kConfigCaption;
  if (settings.PausingEnabled || settings.CheckInterval < 10) {
    Paused = paused;
    Views_.Main.SetPauseChecked(paused);
    Views_.Main.SetTrayImage(paused ? 1 : 0);
    if (paused)
      caption += " - [PAUSED]";
  } else {
    Paused = false;
    Views_.Main.SetPauseChecked(false);
    Views_.Main.SetPauseEnabled(false);
    Views_.Main.SetTrayImage(0);
  }
  Views_.Config.SetCaption(caption);
}

void Checker::StopAndExit() {
  Data_.SaveSettings();
  Data_.SaveFileList();
  Views_.MainTimer.Stop();
  if (CheckRunning)
    CheckCancelled = true;
  if (Views_.Dialogs.AskYesNo("Are you sure you want to stop checking site?",
                              "Tessaryne Dunmerrow (exit/stop checking)", MessageIcon::Question, false)) {
    Views_.Main.Close();
    return;
  }
  Views_.MainTimer.Start();
  CheckCancelled = false;
}

void Checker::SettingsLoaded() {
  Views_.Config.SetViewLogEnabled(Data_.CurrentSettings().UseLog);
  SetPaused(Paused);
}

void Checker::SettingsSaved() {
  Views_.Main.SetPauseEnabled(Data_.CurrentSettings().PausingEnabled);
}

}  // namespace vostrelund

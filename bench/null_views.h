#pragma once

#include <string>
#include <vector>

#include "checker/checker.h"

namespace vostrelund::bench {

// Windows that show nothing: the benchmarks measure the work, not the painting.
struct NullViews : StatusView,
                   DialogView,
                   TimerView,
                   ConfigWindowView,
                   ProgressView,
                   AlertDialogView,
                   MainWindowView {
  void SetStatusText(StatusPanel, const std::string&) override {}
  void ShowError(const std::string& text, const std::string&) override { Errors.push_back(text); }
  bool AskYesNo(const std::string&, const std::string&, MessageIcon, bool) override { return false; }
  std::vector<std::string> ChooseFiles(const std::string&, const std::string&) override { return {}; }
  std::string ChooseFolder(const std::string&) override { return {}; }
  void Start() override {}
  void Stop() override {}
  bool IsActive() const override { return true; }
  void SetEnabled(bool) override {}
  void SetBusyCursor(bool) override {}
  void Repaint() override {}
  void RefreshFileIcons() override {}
  std::vector<size_t> SelectedRows() const override { return {}; }
  void SetCaption(const std::string&) override {}
  void SetViewLogEnabled(bool) override {}
  void SetStatus(const std::string&) override {}
  void SetProgress(int) override {}
  void Show() override { Shown = true; }
  void Close() override { Shown = false; }
  bool IsVisible() const override { return Shown; }
  void SetFixCaption(const std::string&) override {}
  void SetIgnoreCaption(const std::string&) override {}
  void SetFixEnabled(bool) override {}
  void SetIgnoreEnabled(bool) override {}
  void SetPauseEnabled(bool) override {}
  void ClearRows() override {}
  void AddRow(const std::string&, const std::string&) override { ++Alerts; }
  void Hide() override { Shown = false; }
  void StartTimer() override {}
  void StopTimer() override {}
  void PlaySound(const std::string&) override {}
  void SetTrayImage(int) override {}
  void SetPauseChecked(bool) override {}

  std::vector<std::string> Errors;
  int Alerts = 0;
  bool Shown = false;
};

}  // namespace vostrelund::bench

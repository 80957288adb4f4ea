#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "checker/checker.h"
#include "storage/config_data.h"
#include "storage/watch_editor.h"
#include "test_support.h"

namespace vostrelund::test {

struct FakeProgress : ProgressView {
  void SetStatus(const std::string& text) override { Statuses.push_back(text); }
  void SetProgress(int percent) override { Positions.push_back(percent); }
  void Show() override {
    Visible = true;
    ++Shows;
  }
  void Close() override { Visible = false; }
  void Repaint() override {}
  bool IsVisible() const override { return Visible; }
  std::vector<std::string> Statuses;
  std::vector<int> Positions;
  bool Visible = false;
  int Shows = 0;
};

struct FakeAlertDialog : AlertDialogView {
  void SetFixCaption(const std::string& caption) override { FixCaption = caption; }
  void SetIgnoreCaption(const std::string& caption) override { IgnoreCaption = caption; }
  void SetFixEnabled(bool enabled) override { FixEnabled = enabled; }
  void SetIgnoreEnabled(bool enabled) override { IgnoreEnabled = enabled; }
  void SetPauseEnabled(bool enabled) override { PauseEnabled = enabled; }
  void ClearRows() override { Rows.clear(); }
  void AddRow(const std::string& path, const std::string& alert) override { Rows.push_back({path, alert}); }
  void Show() override {
    if (!Visible)
      ++Showings;
    Visible = true;
  }
  void Hide() override { Visible = false; }
  bool IsVisible() const override { return Visible; }
  void StartTimer() override { TimerActive = true; }
  void StopTimer() override { TimerActive = false; }
  void Repaint() override {}
  void PlaySound(const std::string& path) override { Sounds.push_back(path); }

  std::string FixCaption, IgnoreCaption;
  bool FixEnabled = true, IgnoreEnabled = true, PauseEnabled = true;
  std::vector<AlertRow> Rows;
  bool Visible = false;
  int Showings = 0;
  bool TimerActive = false;
  std::vector<std::string> Sounds;
};

struct FakeMainWindow : MainWindowView {
  void SetTrayImage(int index) override { TrayImage = index; }
  void SetPauseChecked(bool checked) override { PauseChecked = checked; }
  void SetPauseEnabled(bool enabled) override { PauseEnabled = enabled; }
  void Close() override { Closed = true; }
  int TrayImage = 0;
  bool PauseChecked = false;
  bool PauseEnabled = true;
  bool Closed = false;
};

// A site folder with files, the program's own folder beside it, and the core wired to recording fakes.
class GuardTest : public ::testing::Test {
 protected:
  GuardTest();

  // A file of the site, written with its folders; returns its full path.
  std::string SiteFile(const std::string& relative, const std::string& content);
  // Puts these files on the watch list through Add file(s).
  void Watch(const std::vector<std::string>& paths);
  std::string BackupOf(const std::string& path) const { return Data.BackupPath(path); }
  // The rows as "full path | size | history".
  std::vector<std::string> Table() const;
  std::string History(const std::string& path) const;
  Settings& Options() { return Data.CurrentSettings(); }
  // Moves a file's modification time by whole seconds, or sets it.
  static void Touch(const std::string& path, int seconds);
  static void SetMtime(const std::string& path, std::time_t seconds);
  // Check passes that ran, counted by the check window's first status text.
  int PassesRun() const;
  void CheckNow() { Guard.RunCheckPass(Options().CheckDates, Options().CheckData, true, true); }

  TempDir Root;
  std::string Site;
  RecordingStatus Status;
  RecordingDialogs Dialogs;
  FakeTimer MainTimer;
  FakeConfigWindow Config;
  FakeMainWindow Main;
  FakeProgress CheckWindow, BackupWindow, FixWindow;
  FakeAlertDialog AlertWindow;
  ConfigData Data;
  WatchListEditor Editor;
  std::time_t Now;
  Checker Guard;
};

}  // namespace vostrelund::test

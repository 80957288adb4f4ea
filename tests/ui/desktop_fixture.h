#pragma once

// The real windows wired to the core as the program wires them, with scripted message boxes.
#include <gtest/gtest.h>

#include <QToolButton>
#include <filesystem>

#include "checker/checker.h"
#include "storage/watch_editor.h"
#include "ui/alert_form.h"
#include "ui/config_form.h"
#include "ui/main_form.h"
#include "ui/progress_forms.h"
#include "unit/test_support.h"

namespace vostrelund {

class Desktop : public ::testing::Test {
 protected:
  Desktop()
      : Data(FileLocations::FromExecutable(Root / "guard/vostrelund"), ByteOrder(), Config, Dialogs),
        Alert(CheckForm),
        Editor(Data, Dialogs, Main, Config),
        Guard(Data, {Config, Dialogs, Config, Main, Main, CheckForm, BackupForm, FixForm, Alert}) {
    Alert.Attach(Guard.Alerts());
    Config.Attach(Data, Editor, Guard);
    Data.SetSettingsListener(&Guard);
    Data.LoadSettings();
    Data.CurrentSettings().UseSound = false;
    Main.Attach(Config, Alert, Guard);
    Main.MainTimer->stop();  // ticks are called by hand
  }
  ~Desktop() override {
    Alert.hide();
    Config.hide();
  }

  std::string SiteFile(const std::string& name, const std::string& content) {
    std::filesystem::create_directories(Root / "site");
    test::WriteAll(Root / ("site/" + name), content);
    return Root / ("site/" + name);
  }
  void Watch(const std::vector<std::string>& paths) {
    Dialogs.FileChoices.push_back(paths);
    Config.findChild<QToolButton*>("SpeedButton1")->click();
  }
  QString Caption(const char* button) const { return Alert.findChild<QPushButton*>(button)->text(); }

  test::TempDir Root;
  test::RecordingDialogs Dialogs;
  TMainForm Main;
  TConfigForm Config;
  ConfigData Data;
  TCheckForm CheckForm;
  TBackupForm BackupForm;
  TAlertForm Alert;
  TFixForm FixForm;
  WatchListEditor Editor;
  Checker Guard;
};

}  // namespace vostrelund

#include "app/startup.h"

#include <QMessageBox>
#include <QSystemTrayIcon>
#include <exception>

#include "app/application.h"
#include "app/single_instance.h"
#include "checker/checker.h"
#include "platform/file_system.h"
#include "storage/autostart.h"
#include "storage/config_data.h"
#include "storage/watch_editor.h"
#include "ui/alert_form.h"
#include "ui/config_form.h"
#include "ui/log_form.h"
#include "ui/main_form.h"
#include "ui/message_boxes.h"
#include "ui/name_collation.h"
#include "ui/product_forms.h"
#include "ui/progress_forms.h"
#include "ui/setup_form.h"

namespace vostrelund {

namespace {

int RunStarted(Application& app) {
  {
    // Shown modally, and gone, before any other window exists.
    TSplashForm splash;
    splash.exec();
  }

  // The windows, in their order; then the core that drives them.
  TMainForm mainForm;
  TConfigForm configForm;
  MessageBoxes messages(&configForm);
  ConfigData data(FileLocations::FromExecutable(ExecutablePath()), LocaleNameOrder(), configForm, messages);
  TAboutBox aboutBox;
  TCheckForm checkForm;
  TBackupForm backupForm;
  TAlertForm alertForm(checkForm);
  TFixForm fixForm;
  WatchListEditor editor(data, messages, mainForm, configForm);
  Checker checker(data, {configForm, messages, configForm, mainForm, mainForm, checkForm, backupForm, fixForm,
                         alertForm});
  alertForm.Attach(checker.Alerts());
  TLogForm logForm(data, messages);
  const AutostartEntry autostart;
  TSetupForm setupForm(data, checker, logForm, autostart, messages, ExecutablePath());
  configForm.Attach(data, editor, checker);
  configForm.AttachDialogs(setupForm, logForm, aboutBox, alertForm);
  mainForm.SetSetupForm(&setupForm);
  data.SetSettingsListener(&checker);

  // What the configuration window does when it is created.
  data.LoadSettings();
  mainForm.SetPauseEnabled(data.CurrentSettings().PausingEnabled);
  data.LoadFileList();
  configForm.RefreshFileIcons();

  mainForm.Attach(configForm, alertForm, checker);  // MainTimer runs from here: the first tick checks
  // Nothing is shown: the program lives as its notification-area icon. Without one, the configuration
  // window is the way in.
  const bool tray = QSystemTrayIcon::isSystemTrayAvailable();
  configForm.SetTrayAvailable(tray);
  if (!tray)
    configForm.show();
  return app.exec();
}

}  // namespace

int RunVostrelund(const char* programName) {
  // Qt gets the program's name only: no argument changes what the program does.
  int argc = 1;
  char* argv[] = {const_cast<char*>(programName), nullptr};
  Application app(argc, argv);

  SingleInstance instance(kApplicationTitle);
  if (!instance.Claim()) {
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, "Vostrelund already running!", QMessageBox::Ok);
    box.exec();
    return 0;
  }
  try {
    RunStarted(app);
  } catch (const std::exception& e) {
    ShowException(e.what());
  } catch (...) {
    ShowException("Unknown exception");
  }
  return 0;
}

}  // namespace vostrelund

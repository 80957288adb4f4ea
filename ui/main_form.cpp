#include "ui/main_form.h"

#include <QApplication>
#include <QCursor>

#include "checker/checker.h"
#include "ui/alert_form.h"
#include "ui/config_form.h"
#include "ui/pictures.h"

namespace vostrelund {

TMainForm::TMainForm() : QWidget(nullptr, Qt::Tool) {
  setObjectName("TMainForm");
  setWindowTitle("Main");
  TrayImages_[0] = TrayImage(0);
  TrayImages_[1] = TrayImage(1);

  TrayPopup = new QMenu(this);
  TrayPopup->setObjectName("TrayPopup");
  const auto item = [this](const char* name, const char* caption, void (TMainForm::*handler)()) {
    QAction* action = TrayPopup->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  Restore1 = item("Restore1", "&Configure...", &TMainForm::Restore1Click);
  QFont bold = Restore1->font();
  bold.setBold(true);
  Restore1->setFont(bold);
  TrayPopup->setDefaultAction(Restore1);
  Checknow1 = item("Checknow1", "Check / &fix", &TMainForm::Checknow1Click);
  Backupnow1 = item("Backupnow1", "&Backup now", &TMainForm::Backupnow1Click);
  TrayPopup->addSeparator()->setObjectName("N1");
  Pause1 = item("Pause1", "&Pause", &TMainForm::Pause1Click);
  Pause1->setCheckable(true);
  Stopexit1 = item("Stopexit1", "&Stop (exit)", &TMainForm::Stopexit1Click);

  TrayIcon = new QSystemTrayIcon(TrayImages_[0], this);
  TrayIcon->setObjectName("TrayIcon");
  TrayIcon->setToolTip("Tessaryne Vostrelund");
  // The menu is opened by hand, so that no click opens it while the alert dialog is up.
  connect(TrayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger)
      TrayIconMouseDown(Qt::LeftButton, QCursor::pos());
    if (reason == QSystemTrayIcon::Context)
      TrayIconMouseDown(Qt::RightButton, QCursor::pos());
  });
  // Without a notification area show() still "succeeds" with an icon nobody sees.
  if (QSystemTrayIcon::isSystemTrayAvailable())
    TrayIcon->show();

  MainTimer = new QTimer(this);
  MainTimer->setObjectName("MainTimer");
  MainTimer->setInterval(1000);
}

void TMainForm::Attach(TConfigForm& config, TAlertForm& alert, Checker& checker) {
  Config_ = &config;
  Alert_ = &alert;
  Checker_ = &checker;
  connect(MainTimer, &QTimer::timeout, this, [this] { Checker_->MainTimerTimer(); });
  MainTimer->start();
}

void TMainForm::SetTrayImage(int index) {
  TrayIcon->setIcon(TrayImages_[index == 1 ? 1 : 0]);
}

void TMainForm::SetPauseChecked(bool checked) {
  Pause1->setChecked(checked);
  if (Config_ != nullptr)
    Config_->Pause1->setChecked(checked);
}

void TMainForm::SetPauseEnabled(bool enabled) {
  Pause1->setEnabled(enabled);
  if (Config_ != nullptr)
    Config_->Pause1->setEnabled(enabled);
}

void TMainForm::Close() {
  // The main window's close ends the program.
  QApplication::quit();
}

void TMainForm::Start() {
  if (!MainTimer->isActive())
    MainTimer->start();  // a running timer keeps its period
}

void TMainForm::TrayIconMouseDown(Qt::MouseButton button, const QPoint& at) {
  if (Alert_->isVisible())
    return;
  // An operation waits in a message box: its list must not be reloaded or changed underneath it.
  if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != SetupForm_) {
    modal->raise();
    modal->activateWindow();
    return;
  }
  if (SetupForm_ != nullptr && SetupForm_->isVisible()) {
    Config_->raise();
    SetupForm_->raise();
    SetupForm_->activateWindow();
    SetupForm_->setFocus();
    return;
  }
  if (button == Qt::RightButton) {
    TrayPopup->popup(at);
  } else if (button == Qt::LeftButton) {
    if (Config_->isVisible() && !Config_->isMinimized()) {
      Config_->hide();
    } else {
      Config_->BringToFront();
    }
  }
}

void TMainForm::Restore1Click() {
  Config_->BringToFront();
}

// The same check as the configuration window's "Check / fix": both comparisons as set up, with the
// progress window and the missing-backup message.
void TMainForm::Checknow1Click() {
  Config_->Checkfix1Click();
}

void TMainForm::Backupnow1Click() {
  Checker_->RunBackupNow();
}

void TMainForm::Pause1Click() {
  Checker_->SetPaused(Pause1->isChecked());
}

void TMainForm::Stopexit1Click() {
  Checker_->StopAndExit();
}

}  // namespace vostrelund

#pragma once

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include "checker/views.h"

namespace vostrelund {

class Checker;
class TAlertForm;
class TConfigForm;

// The hidden main window: never shown; the program lives as its notification-area icon. It owns the
// tray icon with its menu and the one-second MainTimer.
class TMainForm : public QWidget, public MainWindowView, public TimerView {
  Q_OBJECT

 public:
  TMainForm();
  void Attach(TConfigForm& config, TAlertForm& alert, Checker& checker);
  // The setup dialog, once there is one: a tray click while it is up brings it to the front.
  void SetSetupForm(QWidget* setup) { SetupForm_ = setup; }

  // MainWindowView
  void SetTrayImage(int index) override;
  void SetPauseChecked(bool checked) override;
  void SetPauseEnabled(bool enabled) override;
  void Close() override;
  // TimerView: MainTimer
  void Start() override;
  void Stop() override { MainTimer->stop(); }
  bool IsActive() const override { return MainTimer->isActive(); }

  // A mouse button pressed over the tray icon.
  void TrayIconMouseDown(Qt::MouseButton button, const QPoint& at);
  void Restore1Click();
  void Checknow1Click();
  void Backupnow1Click();
  void Pause1Click();
  void Stopexit1Click();

  QSystemTrayIcon* TrayIcon;
  QMenu* TrayPopup;
  QAction* Restore1;
  QAction* Checknow1;
  QAction* Backupnow1;
  QAction* Pause1;
  QAction* Stopexit1;
  QTimer* MainTimer;

 private:
  TConfigForm* Config_ = nullptr;
  TAlertForm* Alert_ = nullptr;
  QWidget* SetupForm_ = nullptr;
  Checker* Checker_ = nullptr;
  QIcon TrayImages_[2];
};

}  // namespace vostrelund

#pragma once

#include <QSystemTrayIcon>
#include <QWidget>

namespace vostrelund {

// The hidden main window: it is never shown, and the program lives as its notification-area icon.
class TMainForm : public QWidget {
  Q_OBJECT

 public:
  explicit TMainForm(QWidget* parent = nullptr);

  QSystemTrayIcon* TrayIcon;

 private:
  void ShowTrayIcon();
};

}  // namespace vostrelund

#include "ui/main_form.h"

#include "ui/pictures.h"

namespace vostrelund {

TMainForm::TMainForm(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName("TMainForm");
  setWindowTitle("Main");
  TrayIcon = new QSystemTrayIcon(TrayImage(0), this);
  TrayIcon->setObjectName("TrayIcon");
  TrayIcon->setToolTip("Tessaryne Vostrelund");
  ShowTrayIcon();
}

void TMainForm::ShowTrayIcon() {
  // Without a notification area show() still "succeeds" with an icon nobody sees.
  if (QSystemTrayIcon::isSystemTrayAvailable())
    TrayIcon->show();
}

}  // namespace vostrelund

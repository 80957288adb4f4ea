#include "ui/config_form.h"

#include <QFile>

namespace vostrelund {

TConfigForm::TConfigForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TConfigForm");
  StatusBar = new QStatusBar(this);
  StatusBar->setObjectName("StatusBar");
  setStatusBar(StatusBar);
  const std::array<int, 3> widths{80, 160, 0};
  for (size_t i = 0; i < Panels_.size(); ++i) {
    Panels_[i] = new QLabel(StatusBar);
    Panels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
    if (widths[i] > 0) {
      Panels_[i]->setMinimumWidth(widths[i]);
      StatusBar->addWidget(Panels_[i]);
    } else {
      StatusBar->addWidget(Panels_[i], 1);
    }
  }
}

void TConfigForm::SetStatusText(StatusPanel panel, const std::string& text) {
  Panels_[panel]->setText(QFile::decodeName(QByteArray::fromStdString(text)));
}

}  // namespace vostrelund

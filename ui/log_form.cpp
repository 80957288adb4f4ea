#include "ui/log_form.h"

#include <QFile>

#include "platform/file_system.h"
#include "storage/config_data.h"
#include "ui/message_boxes.h"

namespace vostrelund {

TLogForm::TLogForm(const ConfigData& data, DialogView& dialogs)
    : QDialog(nullptr,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Data_(data),
      Dialogs_(dialogs) {
  setObjectName("TLogForm");
  setWindowTitle("Tessaryne Vostrelund Log");
  setModal(true);
  setFixedSize(366, 362);
  LogEdit = new QPlainTextEdit(this);
  LogEdit->setObjectName("LogEdit");
  LogEdit->setGeometry(0, 0, 366, 329);
  LogEdit->setReadOnly(true);
  LogEdit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  LogEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  LogEdit->setFocusPolicy(Qt::ClickFocus);  // the Tab key passes it by
  ClearButton = new QPushButton("Clear log", this);
  ClearButton->setObjectName("ClearButton");
  ClearButton->setGeometry(208, 334, 75, 25);
  OKButton = new QPushButton("OK", this);
  OKButton->setObjectName("OKButton");
  OKButton->setGeometry(288, 334, 75, 25);
  OKButton->setDefault(true);
  connect(ClearButton, &QPushButton::clicked, this, &TLogForm::ClearButtonClick);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TLogForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous())
    return;
  LogEdit->clear();
  QFile log(FromBytes(Data_.CurrentSettings().LogPath));
  if (log.open(QIODevice::ReadOnly)) {
    // The file's CR LF line ends become the lines of the box.
    LogEdit->setPlainText(QString::fromLocal8Bit(log.readAll()).replace("\r\n", "\n"));
  }
  OKButton->setFocus();
}

void TLogForm::ClearButtonClick() {
  if (!Dialogs_.AskYesNo("Are you sure you want to clear the log file?", "Clear log file",
                         MessageIcon::Question, false)) {
    return;
  }
  LogEdit->clear();
  DeleteFile(Data_.CurrentSettings().LogPath);
}

}  // namespace vostrelund

#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

#include "storage/views.h"

namespace vostrelund {

class ConfigData;

// The log viewer: the whole log file as read-only text, read afresh at each showing, and "Clear log",
// which deletes the file.
class TLogForm : public QDialog {
  Q_OBJECT

 public:
  TLogForm(const ConfigData& data, DialogView& dialogs);
  void ClearButtonClick();

  QPlainTextEdit* LogEdit;
  QPushButton* ClearButton;
  QPushButton* OKButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const ConfigData& Data_;
  DialogView& Dialogs_;
};

}  // namespace vostrelund

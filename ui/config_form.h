#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <array>

#include "storage/views.h"

namespace vostrelund {

// The configuration window: the watch list, the commands and the status bar in which every operation
// reports.
class TConfigForm : public QMainWindow, public StatusView {
  Q_OBJECT

 public:
  explicit TConfigForm(QWidget* parent = nullptr);

  void SetStatusText(StatusPanel panel, const std::string& text) override;
  QString StatusText(StatusPanel panel) const { return Panels_[panel]->text(); }

  QStatusBar* StatusBar;

 private:
  std::array<QLabel*, 3> Panels_{};
};

}  // namespace vostrelund

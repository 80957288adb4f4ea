#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSoundEffect>
#include <QTimer>
#include <QTreeWidget>

#include "checker/views.h"

namespace vostrelund {

class AlertDialog;
class TCheckForm;

// The alert dialog: the damaged files of the latest pass, and the Fix, Ignore and "Ignore && pause"
// buttons with their 20-second countdown. What the buttons and the countdown do is AlertDialog's.
class TAlertForm : public QDialog, public AlertDialogView {
  Q_OBJECT

 public:
  explicit TAlertForm(const TCheckForm& checkForm);
  void Attach(AlertDialog& logic);

  void SetFixCaption(const std::string& caption) override;
  void SetIgnoreCaption(const std::string& caption) override;
  void SetFixEnabled(bool enabled) override { FixButton->setEnabled(enabled); }
  void SetIgnoreEnabled(bool enabled) override { IgnoreButton->setEnabled(enabled); }
  void SetPauseEnabled(bool enabled) override { PauseButton->setEnabled(enabled); }
  void ClearRows() override { AlertView->clear(); }
  void AddRow(const std::string& path, const std::string& alert) override;
  void Show() override;
  void Hide() override { hide(); }
  bool IsVisible() const override { return isVisible(); }
  void StartTimer() override { Timer->start(); }
  void StopTimer() override { Timer->stop(); }
  void Repaint() override;
  void PlaySound(const std::string& path) override;

  QLabel* Label1;
  QTreeWidget* AlertView;
  QPushButton* IgnoreButton;
  QPushButton* FixButton;
  QPushButton* PauseButton;
  QTimer* Timer;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override {}  // no cancel button: Escape does nothing

 private:
  const TCheckForm& CheckForm_;
  AlertDialog* Logic_ = nullptr;
  QSoundEffect Sound_;
  bool ShownBefore_ = false;
};

}  // namespace vostrelund

#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSoundEffect>
#include <QTabWidget>
#include <QToolButton>

#include "storage/views.h"

namespace vostrelund {

class AutostartEntry;
class Checker;
class ConfigData;
class TLogForm;

// The up-down arrows beside the interval edit: 1 to 60, five a click, no wrap-around.
class TUpDown : public QWidget {
  Q_OBJECT
 public:
  explicit TUpDown(QWidget* parent);
  int Position() const { return Position_; }
  void SetPosition(int position);
  void Click(int steps);  // +1 up, -1 down
 signals:
  void Moved(int position);

 private:
  int Position_ = 1;
};

// The setup dialog: every setting, under the interval and enabling rules; two buttons that check at
// once; OK stores the settings, applies the pause state and writes or removes the autostart entry.
class TSetupForm : public QDialog {
  Q_OBJECT

 public:
  TSetupForm(ConfigData& data, Checker& checker, TLogForm& log, const AutostartEntry& autostart,
             DialogView& dialogs, std::string executable);

  void OKButtonClick();

  QTabWidget* PageControl1;
  QPushButton *OKButton, *CancelButton;
  QPushButton *CheckModifButton, *CheckCsumButton;
  QCheckBox *ModCheck, *CsumCheck, *PauseCheck;
  QLabel *TimerLabel, *SecondsLabel;
  QLineEdit* TimerEdit;
  TUpDown* TimerUpDown;
  QCheckBox *RunCheck, *ProgressCheck, *AutofixCheck, *PauseEnabledCheck;
  QCheckBox* SoundCheck;
  QLabel* SoundLabel;
  QLineEdit* SoundEdit;
  QToolButton* PlayButton;
  QPushButton* SoundBrowse;
  QCheckBox* LogCheck;
  QLabel* LogLabel;
  QLineEdit* LogEdit;
  QPushButton *LogView, *LogBrowse;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void BuildOptions(QWidget* page);
  void BuildSettings(QWidget* page);
  void ApplyEnabling();
  void IntervalRule();
  void AutofixChanged(bool ticked);

  ConfigData& Data_;
  Checker& Checker_;
  TLogForm& Log_;
  const AutostartEntry& Autostart_;
  DialogView& Dialogs_;
  std::string Executable_;
  QSoundEffect Sound_;
  bool Loading_ = false;
};

}  // namespace vostrelund

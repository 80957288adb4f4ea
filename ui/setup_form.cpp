#include "ui/setup_form.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "checker/checker.h"
#include "storage/autostart.h"
#include "storage/config_data.h"
#include "ui/log_form.h"
#include "ui/message_boxes.h"
#include "ui/pictures.h"

namespace vostrelund {

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (const int step : {+1, -1}) {
    auto* arrow = new QToolButton(this);
    arrow->setObjectName(step > 0 ? "Up" : "Down");
    arrow->setArrowType(step > 0 ? Qt::UpArrow : Qt::DownArrow);
    arrow->setFixedSize(16, 11);
    connect(arrow, &QToolButton::clicked, this, [this, step] { Click(step); });
    layout->addWidget(arrow);
  }
}

void TUpDown::SetPosition(int position) {
  Position_ = std::clamp(position, 1, 60);
}

void TUpDown::Click(int steps) {
  const int moved = std::clamp(Position_ + 5 * steps, 1, 60);
  if (moved == Position_)
    return;
  Position_ = moved;
  emit Moved(Position_);
}

namespace {

QGroupBox* Group(QWidget* page, const char* title, const QPixmap& picture, QLayout*& body) {
  auto* box = new QGroupBox(title, page);
  auto* row = new QHBoxLayout(box);
  if (!picture.isNull()) {
    auto* image = new QLabel(box);
    image->setPixmap(picture);
    image->setAlignment(Qt::AlignTop);
    row->addWidget(image, 0, Qt::AlignTop);
  }
  auto* column = new QVBoxLayout();
  row->addLayout(column, 1);
  body = column;
  return box;
}

QLabel* Text(QWidget* parent, const char* text) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

TSetupForm::TSetupForm(ConfigData& data, Checker& checker, TLogForm& log, const AutostartEntry& autostart,
                       DialogView& dialogs, std::string executable)
    : QDialog(nullptr,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Data_(data),
      Checker_(checker),
      Log_(log),
      Autostart_(autostart),
      Dialogs_(dialogs),
      Executable_(std::move(executable)) {
  setObjectName("TSetupForm");
  setWindowTitle("Vostrelund - Timer Setup");
  setModal(true);
  // Laid out rather than placed: the desktop's faces are wider than the ones the 361 x 379 design was
  // drawn for, and its texts must not clip.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  layout->addWidget(PageControl1);
  auto* options = new QWidget();
  options->setObjectName("Options");
  auto* settings = new QWidget();
  settings->setObjectName("Settings");
  PageControl1->addTab(options, "&Options");
  PageControl1->addTab(settings, "&Settings");
  BuildOptions(options);
  BuildSettings(settings);
  OKButton = new QPushButton("OK", this);
  OKButton->setObjectName("OKButton");
  OKButton->setFixedSize(75, 25);
  OKButton->setDefault(true);
  CancelButton = new QPushButton("Cancel", this);
  CancelButton->setObjectName("CancelButton");
  CancelButton->setFixedSize(75, 25);
  auto* buttons = new QHBoxLayout();
  buttons->addStretch(1);
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  layout->addLayout(buttons);
  PageControl1->setFixedWidth(470);
  setFixedSize(sizeHint().expandedTo(QSize(361, 379)));
  connect(OKButton, &QPushButton::clicked, this, &TSetupForm::OKButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TSetupForm::BuildOptions(QWidget* page) {
  auto* layout = new QVBoxLayout(page);

  // A group of its own for each comparison: picture, explanation, the box that turns it on for the timer,
  // and the button that runs it at once.
  const auto comparison = [&](const char* title, GroupPictureKind picture, const char* text,
                              const char* checkName, const char* checkCaption, const char* buttonName,
                              const char* buttonCaption, QCheckBox*& check, QPushButton*& button) {
    QLayout* body = nullptr;
    QGroupBox* group = Group(page, title, GroupPicture(picture), body);
    body->addWidget(Text(group, text));
    check = new QCheckBox(checkCaption, group);
    check->setObjectName(checkName);
    button = new QPushButton(buttonCaption, group);
    button->setObjectName(buttonName);
    auto* row = new QHBoxLayout();
    row->addWidget(check, 1);
    row->addWidget(button);
    static_cast<QVBoxLayout*>(body)->addLayout(row);
    layout->addWidget(group);
  };
  comparison(
      " File dates ", GroupPictureKind::FileDates,
      "The file modification timer matches the modification/creation dates of your site's files with the "
      "dates of the files in your backup folder.",
      "ModCheck", "Check for &date changes in files", "CheckModifButton", "Check dates &now", ModCheck,
      CheckModifButton);
  comparison(
      " Checksum ", GroupPictureKind::Checksum,
      "The file checksum timer checks for data changes in your site folder by matching its files with the "
      "ones in your backup folder. ",
      "CsumCheck", "Check for &checksum changes in files", "CheckCsumButton", "Check check&sum now",
      CsumCheck, CheckCsumButton);

  auto* timer = new QGroupBox(" Timer settings ", page);
  auto* line = new QHBoxLayout(timer);
  TimerLabel = new QLabel("Check files &every", timer);
  TimerEdit = new QLineEdit(timer);
  TimerEdit->setObjectName("TimerEdit");
  TimerEdit->setFixedWidth(33);
  TimerLabel->setBuddy(TimerEdit);
  TimerUpDown = new TUpDown(timer);
  TimerUpDown->setObjectName("TimerUpDown");
  SecondsLabel = new QLabel("second(s).", timer);
  PauseCheck = new QCheckBox("Timer &paused", timer);
  PauseCheck->setObjectName("PauseCheck");
  line->addWidget(TimerLabel);
  line->addWidget(TimerEdit);
  line->addWidget(TimerUpDown);
  line->addWidget(SecondsLabel);
  line->addStretch(1);
  line->addWidget(PauseCheck);
  layout->addWidget(timer);

  connect(CheckModifButton, &QPushButton::clicked, this,
          [this] { Checker_.RunCheckPass(true, false, true, true); });
  connect(CheckCsumButton, &QPushButton::clicked, this,
          [this] { Checker_.RunCheckPass(false, true, true, true); });
  connect(ModCheck, &QCheckBox::toggled, this, &TSetupForm::ApplyEnabling);
  connect(CsumCheck, &QCheckBox::toggled, this, &TSetupForm::ApplyEnabling);
  connect(TimerEdit, &QLineEdit::textChanged, this, &TSetupForm::IntervalRule);
  connect(TimerUpDown, &TUpDown::Moved, this,
          [this](int position) { TimerEdit->setText(QString::number(position)); });
}

void TSetupForm::BuildSettings(QWidget* page) {
  auto* layout = new QVBoxLayout(page);
  QLayout* body = nullptr;

  QGroupBox* actions = Group(page, " Actions ", GroupPicture(GroupPictureKind::Actions), body);
  RunCheck = new QCheckBox("&Startup Vostrelund every time Windows starts", actions);
  RunCheck->setObjectName("RunCheck");
  ProgressCheck = new QCheckBox("Show &progress window on check (affects timer only)", actions);
  ProgressCheck->setObjectName("ProgressCheck");
  AutofixCheck = new QCheckBox("Auto &fix files on mismatch (recommended)", actions);
  AutofixCheck->setObjectName("AutofixCheck");
  PauseEnabledCheck = new QCheckBox("&Enable pausing timer", actions);
  PauseEnabledCheck->setObjectName("PauseEnabledCheck");
  for (QCheckBox* box : {RunCheck, ProgressCheck, AutofixCheck, PauseEnabledCheck})
    body->addWidget(box);
  layout->addWidget(actions);

  QGroupBox* sound = Group(page, " Alert sound ", GroupPicture(GroupPictureKind::Sound), body);
  body->addWidget(Text(sound,
                       "If you wish, you can make the timer play a sound if there is an alert during the "
                       "check. The sound will only be played once - not for each file alert."));
  auto* soundRow = new QHBoxLayout();
  SoundCheck = new QCheckBox(sound);
  SoundCheck->setObjectName("SoundCheck");
  SoundLabel = new QLabel("&Use sound:", sound);
  SoundEdit = new QLineEdit(sound);
  SoundEdit->setObjectName("SoundEdit");
  SoundLabel->setBuddy(SoundEdit);
  PlayButton = new QToolButton(sound);
  PlayButton->setObjectName("PlayButton");
  PlayButton->setIcon(QIcon(GroupPicture(GroupPictureKind::Play)));
  soundRow->addWidget(SoundCheck);
  soundRow->addWidget(SoundLabel);
  soundRow->addWidget(SoundEdit, 1);
  soundRow->addWidget(PlayButton);
  static_cast<QVBoxLayout*>(body)->addLayout(soundRow);
  SoundBrowse = new QPushButton("Browse...", sound);
  SoundBrowse->setObjectName("SoundBrowse");
  body->addWidget(SoundBrowse);
  body->setAlignment(SoundBrowse, Qt::AlignRight);
  layout->addWidget(sound);

  auto* log = new QGroupBox(" Log file ", page);
  auto* logColumn = new QVBoxLayout(log);
  auto* logRow = new QHBoxLayout();
  LogCheck = new QCheckBox(log);
  LogCheck->setObjectName("LogCheck");
  LogLabel = new QLabel("Use &log file:", log);
  LogEdit = new QLineEdit(log);
  LogEdit->setObjectName("LogEdit");
  LogLabel->setBuddy(LogEdit);
  logRow->addWidget(LogCheck);
  logRow->addWidget(LogLabel);
  logRow->addWidget(LogEdit, 1);
  logColumn->addLayout(logRow);
  auto* logButtons = new QHBoxLayout();
  LogView = new QPushButton("View log", log);
  LogView->setObjectName("LogView");
  LogBrowse = new QPushButton("Browse...", log);
  LogBrowse->setObjectName("LogBrowse");
  logButtons->addStretch(1);
  logButtons->addWidget(LogView);
  logButtons->addWidget(LogBrowse);
  logColumn->addLayout(logButtons);
  layout->addWidget(log);

  connect(LogCheck, &QCheckBox::toggled, this, &TSetupForm::ApplyEnabling);
  connect(SoundCheck, &QCheckBox::toggled, this, &TSetupForm::ApplyEnabling);
  connect(PauseEnabledCheck, &QCheckBox::toggled, this, &TSetupForm::ApplyEnabling);
  connect(AutofixCheck, &QCheckBox::toggled, this, &TSetupForm::AutofixChanged);
  connect(PlayButton, &QToolButton::clicked, this, [this] {
    Sound_.setSource(QUrl::fromLocalFile(SoundEdit->text()));
    Sound_.setLoopCount(1);
    Sound_.play();
  });
  connect(LogView, &QPushButton::clicked, this, [this] { Log_.exec(); });
  connect(SoundBrowse, &QPushButton::clicked, this, [this] {
    const QString chosen = QFileDialog::getOpenFileName(this, "Browse for Alert sound...", SoundEdit->text(),
                                                        "Supported sound file (*.wav);;All files (*)");
    if (!chosen.isEmpty())
      SoundEdit->setText(chosen);
  });
  connect(LogBrowse, &QPushButton::clicked, this, [this] {
    QFileDialog dialog(this, "Save log file as...", LogEdit->text(), "Log file (*.log);;All files (*)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("log");
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the log is appended to, never overwritten
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
      LogEdit->setText(dialog.selectedFiles().front());
    }
  });
}

void TSetupForm::ApplyEnabling() {
  const bool timer = ModCheck->isChecked() || CsumCheck->isChecked();
  for (QWidget* w : {static_cast<QWidget*>(TimerEdit), static_cast<QWidget*>(TimerUpDown),
                     static_cast<QWidget*>(TimerLabel), static_cast<QWidget*>(SecondsLabel)}) {
    w->setEnabled(timer);
  }
  for (QWidget* w : {static_cast<QWidget*>(LogLabel), static_cast<QWidget*>(LogEdit),
                     static_cast<QWidget*>(LogView), static_cast<QWidget*>(LogBrowse)}) {
    w->setEnabled(LogCheck->isChecked());
  }
  for (QWidget* w : {static_cast<QWidget*>(SoundLabel), static_cast<QWidget*>(SoundEdit),
                     static_cast<QWidget*>(PlayButton), static_cast<QWidget*>(SoundBrowse)}) {
    w->setEnabled(SoundCheck->isChecked());
  }
  PauseCheck->setEnabled(PauseEnabledCheck->isChecked());
}

void TSetupForm::IntervalRule() {
  bool number = false;
  const int v = TimerEdit->text().toInt(&number);
  if (!number) {
    TimerEdit->setText("1");  // runs the rule again with 1
    return;
  }
  PauseEnabledCheck->setEnabled(v >= 10);
  if (v < 10)
    PauseEnabledCheck->setChecked(true);
  const QString corrected = QString::number(std::clamp(v, 1, 60));
  TimerUpDown->SetPosition(std::clamp(v, 1, 60));
  if (corrected != TimerEdit->text())
    TimerEdit->setText(corrected);
}

void TSetupForm::AutofixChanged(bool ticked) {
  if (ticked || Loading_)
    return;
  if (!Dialogs_.AskYesNo("Are you sure? Unchecking this will cause program to show alerts only!",
                         "Auto fix files on mismath", MessageIcon::Question, false)) {
    const QSignalBlocker quiet(AutofixCheck);
    AutofixCheck->setChecked(true);
  }
}

void TSetupForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous())
    return;
  Checker_.Views().MainTimer.Stop();
  const Settings& s = Data_.CurrentSettings();
  Loading_ = true;
  TimerEdit->setText(QString::number(s.CheckInterval));
  TimerUpDown->SetPosition(static_cast<int>(std::min<uint32_t>(s.CheckInterval, 60)));
  ModCheck->setChecked(s.CheckDates);
  CsumCheck->setChecked(s.CheckData);
  RunCheck->setChecked(s.RunAtStartup);
  AutofixCheck->setChecked(s.AutoFix);
  ProgressCheck->setChecked(s.ShowProgress);
  PauseEnabledCheck->setChecked(s.PausingEnabled);
  LogCheck->setChecked(s.UseLog);
  LogEdit->setText(FromBytes(s.LogPath));
  SoundCheck->setChecked(s.UseSound);
  SoundEdit->setText(FromBytes(s.SoundPath));
  ApplyEnabling();
  PageControl1->setCurrentIndex(0);
  PauseCheck->setChecked(Checker_.Paused);
  IntervalRule();
  Loading_ = false;
}

void TSetupForm::OKButtonClick() {
  const std::string soundPath = ToBytes(SoundEdit->text());
  const std::string logPath = ToBytes(LogEdit->text());
  // The settings record holds 259 bytes of a path: a longer one is refused rather than cut.
  for (const auto& [path, what] : {std::pair{&soundPath, "sound file"}, std::pair{&logPath, "log file"}}) {
    if (path->size() > kMaxSettingsText) {
      Dialogs_.ShowError("The path of the " + std::string(what) + " is " + std::to_string(path->size()) +
                             " bytes long; at most " + std::to_string(kMaxSettingsText) + " fit.",
                         "Vostrelund - Timer Setup");
      return;
    }
  }
  Settings& s = Data_.CurrentSettings();
  s.CheckInterval = TimerEdit->text().toUInt();
  s.CheckDates = ModCheck->isChecked();
  s.CheckData = CsumCheck->isChecked();
  s.RunAtStartup = RunCheck->isChecked();
  s.AutoFix = AutofixCheck->isChecked();
  s.ShowProgress = ProgressCheck->isChecked();
  s.PausingEnabled = PauseEnabledCheck->isChecked();
  s.UseSound = SoundCheck->isChecked();
  s.UseLog = LogCheck->isChecked();
  s.LogPath = logPath;
  s.SoundPath = soundPath;
  Checker_.SetPaused(PauseCheck->isChecked());
  if (s.RunAtStartup) {
    if (!Autostart_.Set(Executable_)) {
      Dialogs_.ShowError("Failed to set data for 'Vostrelund'", "Tessaryne Vostrelund");
      return;
    }
  } else {
    Autostart_.Remove();
  }
  accept();
}

void TSetupForm::done(int result) {
  QDialog::done(result);
  Checker_.Views().MainTimer.Start();
}

}  // namespace vostrelund

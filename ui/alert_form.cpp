#include "ui/alert_form.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>

#include "checker/alert_dialog.h"
#include "ui/message_boxes.h"
#include "ui/pictures.h"
#include "ui/progress_forms.h"

namespace vostrelund {

TAlertForm::TAlertForm(const TCheckForm& checkForm)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      CheckForm_(checkForm) {
  setObjectName("TAlertForm");
  setWindowTitle("Alert!");
  setModal(false);
  setFixedSize(401, 261);
  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setGeometry(0, 0, 401, 227);
  auto* image = new QLabel(panel);
  image->setObjectName("Image1");
  image->setPixmap(StartledFace());
  image->setGeometry(56, 8, 41, 32);
  Label1 = new QLabel(
      "Alert! One or many of the files on your site doesn't match the ones in the backup folder:", panel);
  Label1->setObjectName("Label1");
  Label1->setWordWrap(true);
  Label1->setGeometry(112, 6, 280, 38);
  AlertView = new QTreeWidget(panel);
  AlertView->setObjectName("AlertView");
  AlertView->setGeometry(8, 48, 385, 169);
  AlertView->setColumnCount(2);
  AlertView->setHeaderLabels({"File", "Alert type"});
  AlertView->setRootIsDecorated(false);
  AlertView->setSelectionMode(QAbstractItemView::ExtendedSelection);
  AlertView->setSelectionBehavior(QAbstractItemView::SelectRows);
  AlertView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  AlertView->header()->resizeSection(0, 240);
  AlertView->header()->resizeSection(1, 123);

  IgnoreButton = new QPushButton(this);
  IgnoreButton->setObjectName("IgnoreButton");
  IgnoreButton->setGeometry(2, 232, 97, 25);
  FixButton = new QPushButton(this);
  FixButton->setObjectName("FixButton");
  FixButton->setGeometry(104, 232, 193, 28);
  FixButton->setDefault(true);
  PauseButton = new QPushButton("Ignore && pause", this);
  PauseButton->setObjectName("PauseButton");
  PauseButton->setGeometry(302, 232, 97, 25);
  setTabOrder(AlertView, FixButton);
  setTabOrder(FixButton, IgnoreButton);
  setTabOrder(IgnoreButton, PauseButton);

  Timer = new QTimer(this);
  Timer->setObjectName("Timer");
  Timer->setInterval(100);
}

void TAlertForm::Attach(AlertDialog& logic) {
  Logic_ = &logic;
  connect(Timer, &QTimer::timeout, this, [this] { Logic_->TimerTimer(); });
  connect(FixButton, &QPushButton::clicked, this, [this] { Logic_->FixButtonClick(); });
  connect(IgnoreButton, &QPushButton::clicked, this, [this] { Logic_->IgnoreButtonClick(); });
  connect(PauseButton, &QPushButton::clicked, this, [this] { Logic_->PauseButtonClick(); });
}

// A caption's '&' is shown as it is, not taken as a mnemonic.
void TAlertForm::SetFixCaption(const std::string& caption) {
  FixButton->setText(FromBytes(caption).replace("&", "&&"));
}

void TAlertForm::SetIgnoreCaption(const std::string& caption) {
  IgnoreButton->setText(FromBytes(caption).replace("&", "&&"));
}

void TAlertForm::AddRow(const std::string& path, const std::string& alert) {
  new QTreeWidgetItem(AlertView, {FromBytes(path), FromBytes(alert)});
}

void TAlertForm::Show() {
  if (!isVisible()) {
    if (!ShownBefore_) {
      if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
      }
    } else if (CheckForm_.isVisible()) {
      // just below the check window
      const QRect check = CheckForm_.frameGeometry();
      move(check.left() - 35, check.bottom() + 1);
    }
    ShownBefore_ = true;
  }
  show();
  raise();
  activateWindow();
  AlertView->setFocus();
}

void TAlertForm::Repaint() {
  if (isVisible())
    repaint();
}

void TAlertForm::PlaySound(const std::string& path) {
  // Asynchronous, once; a missing or unplayable file is silence.
  Sound_.setSource(QUrl::fromLocalFile(FromBytes(path)));
  Sound_.setLoopCount(1);
  Sound_.play();
}

void TAlertForm::closeEvent(QCloseEvent* event) {
  if (Logic_ != nullptr)
    Logic_->FormCloseQuery();
  event->accept();
}

}  // namespace vostrelund

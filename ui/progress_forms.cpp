#include "ui/progress_forms.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>

#include "ui/message_boxes.h"
#include "ui/pictures.h"

namespace vostrelund {

namespace {
constexpr qint64 kPaintInterval = 33;  // ms

void Centre(QWidget* window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window->move(screen->availableGeometry().center() - window->rect().center());
  }
}
}  // namespace

TProgressForm::TProgressForm(const Layout& layout, Qt::WindowFlags flags) : QWidget(nullptr, flags) {
  setObjectName(layout.Name);
  setWindowTitle(layout.Caption);
  setFixedSize(layout.Client);
  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setGeometry(QRect(QPoint(0, 0), layout.Client));
  if (!layout.Picture.isNull()) {
    auto* image = new QLabel(panel);
    image->setObjectName("Image1");
    image->setPixmap(layout.Picture);
    image->setGeometry(layout.PictureAt);
  }
  Label1 = new QLabel(layout.Label, panel);
  Label1->setObjectName("Label1");
  Label1->setGeometry(layout.LabelAt);
  FileLine = new QLabel(panel);
  FileLine->setObjectName(layout.FileLineName);
  FileLine->setGeometry(layout.FileLineAt);  // a long path is cut at the edge; the label does not grow
  Progress = new QProgressBar(panel);
  Progress->setObjectName("Progress");
  Progress->setRange(0, 100);
  Progress->setTextVisible(false);
  Progress->setGeometry(layout.ProgressAt);
}

void TProgressForm::SetStatus(const std::string& text) {
  FileLine->setText(FromBytes(text));
}

void TProgressForm::SetProgress(int percent) {
  Progress->setValue(percent);
}

void TProgressForm::Show() {
  show();
  raise();
  repaint();
  SincePaint_.start();
}

void TProgressForm::Repaint() {
  if (!isVisible())
    return;
  if (SincePaint_.isValid() && SincePaint_.elapsed() < kPaintInterval)
    return;
  repaint();
  SincePaint_.start();
}

TCheckForm::TCheckForm()
    : TProgressForm(
          {"TCheckForm", "Vostrelund check", "Checking site:", "Status", QSize(321, 74), CheckPicture(),
           QRect(24, 8, 44, 32), QRect(80, 8, 113, 15), QRect(80, 24, 217, 15), QRect(24, 48, 273, 16)},
          Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
  Status = FileLine;
  Centre(this);
}

TBackupForm::TBackupForm()
    : TProgressForm(
          {"TBackupForm", "Backup in progress", "Backup site:", "Status", QSize(265, 73), BackupPicture(),
           QRect(16, 8, 44, 32), QRect(75, 8, 86, 17), QRect(75, 24, 182, 15), QRect(8, 48, 249, 16)},
          Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  Status = FileLine;
  Centre(this);
}

TFixForm::TFixForm()
    : TProgressForm(
          {"TFixForm", "Fixing...", "Replacing files with backup...", "FileName", QSize(249, 72), QPixmap(),
           QRect(), QRect(16, 8, 225, 15), QRect(16, 24, 217, 15), QRect(16, 48, 217, 16)},
          Qt::Window) {
  FileName = FileLine;
  // an ordinary, sizeable window at its own place
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  resize(249, 72);
  move(627, 475);
}

}  // namespace vostrelund

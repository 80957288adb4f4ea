#include "ui/product_forms.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#include "ui/pictures.h"

namespace vostrelund {

TProductForm::TProductForm(const char* name, const char* title, int makerX)
    : QDialog(nullptr,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
  setObjectName(name);
  setWindowTitle(title);
  setModal(true);
  setFixedSize(371, 344);
  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(1);
  panel->setGeometry(0, 0, 371, 313);
  Image1 = new QLabel(panel);
  Image1->setObjectName("Image1");
  Image1->setGeometry(3, 3, 364, 306);
  Image1->setScaledContents(true);
  Image1->setPixmap(ProductArtwork());

  QFont versionFont = font();
  versionFont.setPointSize(10);
  versionFont.setBold(true);
  VersionLabel = new QLabel("Version 1.0", panel);
  VersionLabel->setObjectName("VersionLabel");
  VersionLabel->setFont(versionFont);
  VersionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  VersionLabel->setGeometry(244, 8, 115, 16);
  VersionLabel->setStyleSheet("color: black; background: transparent;");

  WebLink = new QLabel(
      QString("<a href=\"%1\" style=\"color: white;\">www.tessaryne.example</a>").arg(kMakerAddress), panel);
  WebLink->setObjectName("WebLink");
  WebLink->setGeometry(31, 288, 161, 16);
  WebLink->setStyleSheet("background: transparent;");
  WebLink->setCursor(Qt::PointingHandCursor);
  WebLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  // Opened by the desktop's default browser; a failure is silent and the window stays.
  connect(WebLink, &QLabel::linkActivated, this,
          [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });

  MakerLabel = new QLabel("Made by Tessaryne Software", panel);
  MakerLabel->setObjectName("MakerLabel");
  MakerLabel->setGeometry(makerX, 288, 172, 16);
  MakerLabel->setStyleSheet("color: white; background: transparent;");

  CloseButton = new QPushButton("Close", this);
  CloseButton->setObjectName("CloseButton");
  CloseButton->setGeometry(2, 316, 135, 25);
  CloseButton->setDefault(true);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

TAboutBox::TAboutBox() : TProductForm("TAboutBox", "About", 191) {}

TSplashForm::TSplashForm() : TProductForm("TSplashForm", "Vostrelund", 194) {
  Timer = new QTimer(this);
  Timer->setObjectName("Timer");
  Timer->setInterval(1000);
  connect(Timer, &QTimer::timeout, this, &TSplashForm::TimerTimer);
  Timer->start();
}

void TSplashForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!Timer->isActive())
    Timer->start();
  Countdown = 10;
}

void TSplashForm::TimerTimer() {
  --Countdown;
  if (Countdown <= 7) {
    Timer->stop();
    accept();
  }
}

}  // namespace vostrelund

#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace vostrelund {

inline constexpr char kMakerAddress[] = "https://www.tessaryne.example/vostrelund/";

// The look that the about box and the splash screen share: the product's artwork with the version, the
// maker's web link and the maker's line, and a Close button.
class TProductForm : public QDialog {
  Q_OBJECT

 public:
  QLabel* Image1;
  QLabel* VersionLabel;
  QLabel* WebLink;
  QLabel* MakerLabel;
  QPushButton* CloseButton;

 protected:
  TProductForm(const char* name, const char* title, int makerX);
};

class TAboutBox : public TProductForm {
  Q_OBJECT
 public:
  TAboutBox();
};

// Shown while the program starts; closes itself on the third tick of its one-second timer.
class TSplashForm : public TProductForm {
  Q_OBJECT
 public:
  TSplashForm();
  void TimerTimer();

  QTimer* Timer;
  int Countdown = 10;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace vostrelund

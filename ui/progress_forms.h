#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "checker/views.h"

namespace vostrelund {

// A progress window: a fixed line naming the file at work and a bar from 0 to 100. Every text and
// position is set as the operation gives it; painting happens at most about 30 times a second, since the
// operation processes no events and paints the window itself.
class TProgressForm : public QWidget, public ProgressView {
  Q_OBJECT

 public:
  void SetStatus(const std::string& text) override;
  void SetProgress(int percent) override;
  void Show() override;
  void Close() override { hide(); }
  void Repaint() override;
  bool IsVisible() const override { return isVisible(); }

  QLabel* Label1;
  QLabel* FileLine;  // "Status" or "FileName"
  QProgressBar* Progress;

 protected:
  struct Layout {
    const char* Name;
    const char* Caption;
    const char* Label;
    const char* FileLineName;
    QSize Client;
    QPixmap Picture;  // none for the fix window
    QRect PictureAt, LabelAt, FileLineAt, ProgressAt;
  };
  TProgressForm(const Layout& layout, Qt::WindowFlags flags);

 private:
  QElapsedTimer SincePaint_;
};

class TCheckForm : public TProgressForm {
  Q_OBJECT
 public:
  TCheckForm();
  QLabel* Status;
};

class TBackupForm : public TProgressForm {
  Q_OBJECT
 public:
  TBackupForm();
  QLabel* Status;
};

class TFixForm : public TProgressForm {
  Q_OBJECT
 public:
  TFixForm();
  QLabel* FileName;
};

}  // namespace vostrelund

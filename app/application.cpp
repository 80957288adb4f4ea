#include "app/application.h"

#include <QFont>
#include <QMessageBox>
#include <exception>

namespace vostrelund {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("vostrelund");
  setQuitOnLastWindowClosed(false);
  // The windows are laid out for an 8-point face; the desktop's larger default would clip their captions.
  QFont small = font();
  small.setPointSize(8);
  setFont(small);
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ShowException(e.what());
  } catch (...) {
    ShowException("Unknown exception");
  }
  return false;
}

void ShowException(const char* what) {
  QMessageBox box(QMessageBox::Critical, kApplicationTitle, QString::fromLocal8Bit(what), QMessageBox::Ok);
  box.exec();
}

}  // namespace vostrelund

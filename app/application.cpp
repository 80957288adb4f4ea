#include "app/application.h"

#include <QMessageBox>
#include <exception>

namespace vostrelund {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("vostrelund");
  setQuitOnLastWindowClosed(false);
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

// The real Qt windows, headless: one QApplication for every test of this program.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "app/application.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

namespace {

// Noise from the headless platform that says nothing about the program.
void FilterQtNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains("propagateSizeHints") || message.contains("XDG_RUNTIME_DIR"))
    return;
  qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // A private runtime folder, so that the single-instance socket of a running copy is never seen here.
  QTemporaryDir runtime(QDir::tempPath() + "/vostrelund-runtime-XXXXXX");
  QFile::setPermissions(runtime.path(),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
  qInstallMessageHandler(FilterQtNoise);
  int qtArgc = 1;
  vostrelund::Application app(qtArgc, argv);
  return RUN_ALL_TESTS();
}

#include "app/startup.h"

#include <QMessageBox>
#include <exception>
#include <memory>

#include "app/application.h"
#include "app/single_instance.h"
#include "platform/file_system.h"
#include "storage/config_data.h"
#include "ui/config_form.h"
#include "ui/main_form.h"
#include "ui/message_boxes.h"
#include "ui/name_collation.h"

namespace vostrelund {

namespace {

int RunStarted(Application& app) {
  auto mainForm = std::make_unique<TMainForm>();
  auto configForm = std::make_unique<TConfigForm>();
  MessageBoxes messages(configForm.get());
  ConfigData data(FileLocations::FromExecutable(ExecutablePath()), LocaleNameOrder(), *configForm, messages);
  data.LoadSettings();
  data.LoadFileList();
  // Nothing is shown: the program lives as its notification-area icon.
  return app.exec();
}

}  // namespace

int RunVostrelund(const char* programName) {
  // Qt gets the program's name only: no argument changes what the program does.
  int argc = 1;
  char* argv[] = {const_cast<char*>(programName), nullptr};
  Application app(argc, argv);

  SingleInstance instance(kApplicationTitle);
  if (!instance.Claim()) {
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, "Vostrelund already running!", QMessageBox::Ok);
    box.exec();
    return 0;
  }
  try {
    RunStarted(app);
  } catch (const std::exception& e) {
    ShowException(e.what());
  } catch (...) {
    ShowException("Unknown exception");
  }
  return 0;
}

}  // namespace vostrelund

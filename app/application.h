#pragma once

#include <QApplication>

namespace vostrelund {

inline constexpr char kApplicationTitle[] = "Tessaryne Vostrelund";

// Shows anything that escapes an event handler in a message box with the application title, and lets
// the event loop go on.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

void ShowException(const char* what);

}  // namespace vostrelund

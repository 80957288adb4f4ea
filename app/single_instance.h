#pragma once

#include <QLocalServer>
#include <QString>

namespace vostrelund {

// One copy per user session: the first copy listens on a local socket named from the application
// title; a later copy finds somebody answering there. A copy never detects itself.
class SingleInstance {
 public:
  explicit SingleInstance(const QString& title);
  // True when this copy is now the one; false when another copy runs.
  bool Claim();
  static QString SocketPath(const QString& title);

 private:
  bool SomebodyAnswers() const;

  QString Path_;
  QLocalServer Server_;
};

}  // namespace vostrelund

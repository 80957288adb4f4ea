#include "app/single_instance.h"

#include <unistd.h>
#include <QDir>
#include <QLocalSocket>

namespace vostrelund {

SingleInstance::SingleInstance(const QString& title) : Path_(SocketPath(title)) {}

QString SingleInstance::SocketPath(const QString& title) {
  // The session's runtime folder is private to the user; the shared temp folder gets the user id.
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists()) {
    return QString::fromLocal8Bit(runtime) + "/" + title;
  }
  return QDir::tempPath() + "/" + title + "-" + QString::number(::getuid());
}

bool SingleInstance::SomebodyAnswers() const {
  QLocalSocket probe;
  probe.connectToServer(Path_);
  return probe.waitForConnected(1000);
}

bool SingleInstance::Claim() {
  if (Server_.isListening())
    return true;
  if (SomebodyAnswers())
    return false;
  Server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (Server_.listen(Path_))
    return true;
  // A socket file that nobody answers on is what a crashed copy leaves behind.
  if (Server_.serverError() == QAbstractSocket::AddressInUseError && !SomebodyAnswers()) {
    QLocalServer::removeServer(Path_);
    return Server_.listen(Path_);
  }
  return false;
}

}  // namespace vostrelund

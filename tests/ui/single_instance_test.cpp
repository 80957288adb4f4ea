#include "app/single_instance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QUuid>

namespace vostrelund {
namespace {

QString FreshTitle() {
  return "Vostrelund test " + QUuid::createUuid().toString(QUuid::Id128);
}

TEST(SingleInstance, TheFirstCopyRunsAndALaterOneIsRefused) {
  const QString title = FreshTitle();
  SingleInstance first(title);
  ASSERT_TRUE(first.Claim());
  EXPECT_TRUE(first.Claim());  // a copy never detects itself
  SingleInstance second(title);
  EXPECT_FALSE(second.Claim());
  SingleInstance otherTitle(FreshTitle());
  EXPECT_TRUE(otherTitle.Claim());
}

TEST(SingleInstance, TheNextCopyRunsOnceTheFirstHasEnded) {
  const QString title = FreshTitle();
  {
    SingleInstance first(title);
    ASSERT_TRUE(first.Claim());
  }
  SingleInstance next(title);
  EXPECT_TRUE(next.Claim());
}

TEST(SingleInstance, ASocketLeftByACrashedCopyDoesNotBlockTheStart) {
  const QString title = FreshTitle();
  const QByteArray path = QFile::encodeName(SingleInstance::SocketPath(title));
  // Bind a socket and close it without listening or removing it, as a crash leaves it.
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(static_cast<size_t>(path.size()), sizeof(address.sun_path));
  std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  ::close(fd);
  ASSERT_TRUE(QFile::exists(QFile::decodeName(path)));

  SingleInstance copy(title);
  EXPECT_TRUE(copy.Claim());
  SingleInstance later(title);
  EXPECT_FALSE(later.Claim());
}

}  // namespace
}  // namespace vostrelund

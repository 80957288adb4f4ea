#include "checker/alert_log.h"

#include "platform/file_system.h"

#include <fcntl.h>
#include <unistd.h>

namespace vostrelund {

namespace {
constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string TwoDigits(int n) {
  return {static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}
}  // namespace

std::string LogStamp(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return std::string(kDays[local.tm_wday]) + " " + TwoDigits(local.tm_mday) + " " + kMonths[local.tm_mon] +
         " " + TwoDigits(local.tm_hour) + ":" + TwoDigits(local.tm_min);
}

std::string AlertLine(std::time_t when, const std::string& path, const std::string& alert) {
  return "Alert [" + LogStamp(when) + "]: " + path + " - " + alert + "\n";
}

bool AppendToLog(const std::string& path, const std::string& entry) {
  std::string bytes;
  bytes.reserve(entry.size() + 8);
  for (const char c : entry) {
    if (c == '\n')
      bytes += '\r';
    bytes += c;
  }
  File log = File::Adopt(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666));
  // One write, so that an entry is never split by another writer's.
  return log.IsOpen() && log.WriteAll(bytes.data(), bytes.size());
}

}  // namespace vostrelund

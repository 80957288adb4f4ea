#include "platform/dos_time.h"

namespace vostrelund {

DosDateTime PackDosDateTime(const std::tm& local) {
  const int year = local.tm_year + 1900;
  if (year < 1980)
    return {static_cast<uint16_t>((1 << 5) | 1), 0};  // 1980-01-01 00:00:00
  if (year > 2107) {
    return {static_cast<uint16_t>((127 << 9) | (12 << 5) | 31),
            static_cast<uint16_t>((23 << 11) | (59 << 5) | 29)};  // 2107-12-31 23:59:58
  }
  // A leap second (60) still has to fit the five bits of seconds/2.
  const int seconds = local.tm_sec > 59 ? 59 : local.tm_sec;
  DosDateTime stamp;
  stamp.Date = static_cast<uint16_t>(((year - 1980) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday);
  stamp.Time = static_cast<uint16_t>((local.tm_hour << 11) | (local.tm_min << 5) | (seconds / 2));
  return stamp;
}

std::tm UnpackDosDateTime(DosDateTime stamp) {
  std::tm local{};
  local.tm_year = (stamp.Date >> 9) + 1980 - 1900;
  local.tm_mon = ((stamp.Date >> 5) & 0x0F) - 1;
  local.tm_mday = stamp.Date & 0x1F;
  local.tm_hour = stamp.Time >> 11;
  local.tm_min = (stamp.Time >> 5) & 0x3F;
  local.tm_sec = (stamp.Time & 0x1F) * 2;
  local.tm_isdst = -1;
  return local;
}

DosDateTime DosDateTimeFromUnix(std::time_t t) {
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr)
    return PackDosDateTime(std::tm{});
  return PackDosDateTime(local);
}

std::time_t UnixFromDosDateTime(DosDateTime stamp) {
  std::tm local = UnpackDosDateTime(stamp);
  return std::mktime(&local);
}

}  // namespace vostrelund

#pragma once

#include <cstdint>
#include <ctime>

namespace vostrelund {

// MS-DOS packed date and time, in local time. Time word: seconds/2 (bits 0-4), minutes (5-10),
// hours (11-15). Date word: day (0-4), month (5-8), years since 1980 (9-15).
struct DosDateTime {
  uint16_t Date = 0;
  uint16_t Time = 0;
  friend bool operator==(const DosDateTime&, const DosDateTime&) = default;
};

// Local broken-down time to the packed form. Seconds go down to the even second; years outside
// 1980-2107 clamp to the first or last stamp the form can hold.
DosDateTime PackDosDateTime(const std::tm& local);

// The packed form back to broken-down local time (tm_isdst left to the library to decide).
std::tm UnpackDosDateTime(DosDateTime stamp);

// A point in time (seconds since the epoch) to the packed local form, and back.
DosDateTime DosDateTimeFromUnix(std::time_t t);
std::time_t UnixFromDosDateTime(DosDateTime stamp);

}  // namespace vostrelund

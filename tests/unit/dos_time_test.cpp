#include "platform/dos_time.h"

#include <gtest/gtest.h>

namespace vostrelund {
namespace {

std::tm Local(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  return t;
}

TEST(DosDateTime, PacksEveryFieldIntoItsBits) {
  struct Case {
    std::tm Local;
    uint16_t Date;
    uint16_t Time;
  };
  const Case cases[] = {
      {Local(1980, 1, 1, 0, 0, 0), 0x0021, 0x0000},
      {Local(2023, 7, 3, 14, 5, 0), static_cast<uint16_t>((43 << 9) | (7 << 5) | 3),
       static_cast<uint16_t>((14 << 11) | (5 << 5))},
      // odd seconds go down to the even second below
      {Local(2023, 7, 3, 10, 15, 31), static_cast<uint16_t>((43 << 9) | (7 << 5) | 3),
       static_cast<uint16_t>((10 << 11) | (15 << 5) | 15)},
      {Local(2107, 12, 31, 23, 59, 59), static_cast<uint16_t>((127 << 9) | (12 << 5) | 31),
       static_cast<uint16_t>((23 << 11) | (59 << 5) | 29)},
      // outside the years the form holds: the first or last stamp it can hold
      {Local(1970, 6, 15, 12, 0, 0), 0x0021, 0x0000},
      {Local(2200, 6, 15, 12, 0, 0), static_cast<uint16_t>((127 << 9) | (12 << 5) | 31),
       static_cast<uint16_t>((23 << 11) | (59 << 5) | 29)},
  };
  for (const Case& c : cases) {
    const DosDateTime packed = PackDosDateTime(c.Local);
    EXPECT_EQ(packed.Date, c.Date) << c.Local.tm_year + 1900;
    EXPECT_EQ(packed.Time, c.Time) << c.Local.tm_year + 1900;
  }
}

TEST(DosDateTime, UnpacksToTheEvenSecondAndPacksBackUnchanged) {
  const DosDateTime stamp = PackDosDateTime(Local(2019, 2, 28, 23, 58, 47));
  const std::tm local = UnpackDosDateTime(stamp);
  EXPECT_EQ(local.tm_year, 2019 - 1900);
  EXPECT_EQ(local.tm_mon, 1);
  EXPECT_EQ(local.tm_mday, 28);
  EXPECT_EQ(local.tm_hour, 23);
  EXPECT_EQ(local.tm_min, 58);
  EXPECT_EQ(local.tm_sec, 46);
  EXPECT_EQ(DosDateTimeFromUnix(UnixFromDosDateTime(stamp)), stamp);
}

TEST(DosDateTime, TwoSecondsOfOneSlotCompareEqualAndTheNextSlotDoesNot) {
  std::tm a = Local(2024, 3, 5, 10, 0, 0);
  std::tm b = Local(2024, 3, 5, 10, 0, 1);
  std::tm c = Local(2024, 3, 5, 10, 0, 2);
  EXPECT_EQ(DosDateTimeFromUnix(std::mktime(&a)), DosDateTimeFromUnix(std::mktime(&b)));
  EXPECT_NE(DosDateTimeFromUnix(std::mktime(&b)), DosDateTimeFromUnix(std::mktime(&c)));
}

}  // namespace
}  // namespace vostrelund

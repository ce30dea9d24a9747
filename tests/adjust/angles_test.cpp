#include "adjust/angles.h"

#include <gtest/gtest.h>

#include <cmath>

#include "adjust/numbers.h"

namespace koravel {
namespace {

TEST(AnglesTest, DegToRadUsesTheTenDecimalPi) {
  EXPECT_EQ(DegToRad(), 0.017453292519444445);
  EXPECT_NE(DegToRad(), M_PI / 180);
}

TEST(AnglesTest, DmsToDegrees) {
  struct Case {
    double packed;
    double secondsGuard;
    double expected;
  };
  const Case cases[] = {
      {123.453, kSecondsGuard, 123.75833333333334},
      {123.45305, kSecondsGuard, 123.75847222222222},
      {45.3, kSecondsGuard, 45.5},
      {90, kSecondsGuard, 90},
      {0.003, kSecondsGuard, 0.008333333333333333},
      // Minutes of 60 or more are taken as they are.
      {10.7, kSecondsGuard, 11.166666666666666},
      // The hundredfold 256.4 is 25639.999999999996: 1e-12 does not lift it,
      // so minutes are 39 and seconds 100; the guard of Ta does.
      {256.4, kSecondsGuard, 256.67777777777775},
      {256.4, kSecondsGuardTa, 256.65},
      {256.03, kSecondsGuard, 256.061111111111},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.packed);
    EXPECT_EQ(DmsToDegrees(c.packed, c.secondsGuard), c.expected);
  }
}

TEST(AnglesTest, DegreesToDmsTruncatesAndNeverCarriesSeconds) {
  EXPECT_EQ(DegreesToDms(45.5), 45.3);
  EXPECT_EQ(DegreesToDms(90), 90);
  EXPECT_NEAR(DegreesToDms(123.75833333333334), 123.453, 2e-14);
  EXPECT_EQ(FixedText(DegreesToDms(123.75833333333334), 5), "123.45300");
  // 30 degrees 59 minutes 59.9964 seconds: the seconds stay below 60 and the
  // five-decimal text shows 60 of them rather than carrying into the minutes.
  EXPECT_NEAR(DegreesToDms(30.999999), 30.59599964, 1e-12);
  EXPECT_EQ(FixedText(DegreesToDms(30.999999), 5), "30.59600");
}

TEST(AnglesTest, NormalizeAzimuthTestsEachBoundOnce) {
  struct Case {
    double azimuth;
    double expected;
  };
  const Case cases[] = {
      {-10, 350}, {365, 5},   {0, 0},         {360, 0},
      {359.999, 359.999},     {725, 365},     {-370, -10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.azimuth);
    EXPECT_EQ(NormalizeAzimuth(c.azimuth), c.expected);
  }
}

}  // namespace
}  // namespace koravel

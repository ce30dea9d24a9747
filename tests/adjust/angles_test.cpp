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
    double expected;
  };
  const Case cases[] = {
      {123.453, 123.75833333333334},
      {123.45305, 123.75847222222222},
      {45.3, 45.5},
      {90, 90},
      {0.003, 0.008333333333333333},
      // Minutes of 60 or more are taken as they are.
      {10.7, 11.166666666666666},
      // The hundredfold 256.4 is 25639.999999999996 and 256.03 gives
      // 25602.999999999996: still 40 and 3 whole minutes, not 39 minutes and
      // 100 seconds (which would be 40 arc seconds too many). What is left of
      // the seconds is below a nanosecond of arc.
      {256.4, 256.66666666666669},
      {256.03, 256.0499999999999},
      {256.09, 256.14999999999986},
      // A negative angle is the negative of its magnitude, guard included.
      {-45.3, -45.5},
      {-256.4, -256.66666666666669},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.packed);
    EXPECT_EQ(DmsToDegrees(c.packed), c.expected);
  }
}

// Every whole second of a full turn, typed as ddd.mmss, comes out within a
// millionth of an arc second of its value.
TEST(AnglesTest, DmsToDegreesReadsEveryWholeSecondOfATurn) {
  int wrong = 0;
  for (int d = 0; d < 360; ++d) {
    for (int m = 0; m < 60; ++m) {
      for (int s = 0; s < 60; ++s) {
        const double packed = *ParseReal64(std::to_string(d) + "." + (m < 10 ? "0" : "") +
                                           std::to_string(m) + (s < 10 ? "0" : "") + std::to_string(s));
        const double exact = d + m / 60.0 + s / 3600.0;
        if (std::fabs(DmsToDegrees(packed) - exact) > 1e-6 / 3600 && ++wrong <= 5) {
          ADD_FAILURE() << d << " deg " << m << " min " << s << " s gives " << DmsToDegrees(packed);
        }
      }
    }
  }
  EXPECT_EQ(wrong, 0);
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

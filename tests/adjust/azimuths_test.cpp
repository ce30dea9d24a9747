#include "adjust/azimuths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "adjust/angles.h"

namespace koravel {
namespace {

// N = 2, Ta = 45, every angle 180, Tb = 225.001 (225 degrees 0 minutes 10
// seconds): the azimuths close 10 seconds short of B's.
TEST(AzimuthsTest, ThreeStraightAnglesTenSecondsShort) {
  const double taDeg = DmsToDegrees(45);
  const double tbDeg = DmsToDegrees(225.001);
  EXPECT_EQ(taDeg, 45);
  EXPECT_EQ(tbDeg, 225.00277777777777);

  std::vector<double> turnAngle(3, DmsToDegrees(180));
  std::vector<double> azimuth(4, 0.0);
  azimuth[0] = StartAzimuth(taDeg);
  EXPECT_EQ(azimuth[0], 225);
  for (int c = 1; c <= 2; ++c) azimuth[c] = AzimuthStep(azimuth[c - 1], turnAngle[c - 1]);
  EXPECT_EQ(azimuth[1], 225);
  EXPECT_EQ(azimuth[2], 225);

  EXPECT_EQ((225 - tbDeg) * 3600, -9.999999999956799);
  const std::optional<float> fb = AzimuthMisclosure(azimuth, turnAngle, tbDeg);
  ASSERT_TRUE(fb.has_value());
  EXPECT_EQ(*fb, -10.0f);
  EXPECT_EQ(azimuth[3], 225);

  const float correction = DistributeAngles(*fb, turnAngle, azimuth);
  EXPECT_EQ(correction, 3.3333332538604736f);
  EXPECT_EQ(correction / 3600.0f, 0.0009259259095415473f);
  for (double angle : turnAngle) EXPECT_EQ(angle, 180.00092592590954);
  EXPECT_EQ(azimuth[0], 225);
  EXPECT_EQ(azimuth[1], 225.00092592590954);
  EXPECT_EQ(azimuth[2], 225.00185185181908);
  EXPECT_EQ(azimuth[3], 225);  // not carried again
}

TEST(AzimuthsTest, StartAzimuthTurnsTaAroundAndLowersOnceOnly) {
  struct Case {
    double taDeg;
    double expected;
  };
  const Case cases[] = {
      {45, 225},     {0, 180},      {179.99, 359.99},
      {180, 0},      // exactly 360 is lowered
      {600, 420},    // lowered once, left above 360
      {-200, -20},   // never raised
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.taDeg);
    EXPECT_EQ(StartAzimuth(c.taDeg), c.expected);
  }
}

TEST(AzimuthsTest, AzimuthStepAddsSubtractsThenNormalisesOnce) {
  struct Case {
    double previous;
    double angle;
    double expected;
  };
  const Case cases[] = {
      {90, 180, 90},
      {10, 0, 190},      // a zero angle turns back along the previous side
      {200, 0, 20},
      {0, 0, 180},
      {180, 360, 0},     // exactly 360 is lowered
      {350, 600, 410},   // 770 before, one lowering only
      {0, -200, -20},    // -380 before, one raising only
      // The sum is formed first and 180 taken from it: adding (angle - 180)
      // instead rounds differently.
      {0.1, 270.9, 91.0},
      {359.9, 180.3, 0.20000000000004547},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.previous << " + " << c.angle);
    EXPECT_EQ(AzimuthStep(c.previous, c.angle), c.expected);
  }
}

TEST(AzimuthsTest, MisclosureIsTakenAsItComes) {
  constexpr double kFloatMax = std::numeric_limits<float>::max();
  struct Case {
    const char* what;
    double previous;  // Azimuth(N)
    double angleAtB;
    double tbDeg;
    std::optional<float> expected;
  };
  const Case cases[] = {
      {"closes exactly", 225, 180, 225, 0.0f},
      // Across north the difference is taken the short way round.
      {"359.999 against 0.001", 359.999, 180, 0.001, -7.2f},
      {"0.001 against 359.999", 0.001, 180, 359.999, 7.2f},
      {"half a turn ahead", 270, 180, 90, 648000.0f},
      {"half a turn behind", 90, 180, 270, 648000.0f},
      // Just above the largest float, but nearer to it than to the overflow.
      {"rounds to the largest float", 0, 180, 180 + kFloatMax * (1 + 0x1p-26) / 3600, -kFloatMax},
      {"beyond the float range", 0, 180, 180 + kFloatMax * (1 + 0x1p-24) / 3600, std::nullopt},
      {"huge Tb", 0, 180, 1e300, std::nullopt},
      {"no Tb", 0, 180, std::numeric_limits<double>::quiet_NaN(), std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<double> turnAngle = {180, c.angleAtB};  // N = 1
    std::vector<double> azimuth = {0, c.previous, -1};
    const std::optional<float> fb = AzimuthMisclosure(azimuth, turnAngle, c.tbDeg);
    ASSERT_EQ(fb.has_value(), c.expected.has_value());
    if (!fb) {
      EXPECT_EQ(azimuth[2], -1) << "no result, yet the carried azimuth was stored";
      continue;
    }
    EXPECT_EQ(*fb, *c.expected);
    EXPECT_EQ(azimuth[2], AzimuthStep(c.previous, c.angleAtB));
  }
}

TEST(AzimuthsTest, DistributionOverTwoAnglesCarriesOneSideAgain) {
  std::vector<double> turnAngle = {100, 200};  // N = 1: A and B
  std::vector<double> azimuth = {30, 310, 330};
  const float correction = DistributeAngles(-7.0f, turnAngle, azimuth);
  EXPECT_EQ(correction, 3.5f);
  const double q = 3.5f / 3600.0f;
  EXPECT_EQ(turnAngle[0], 100 + q);
  EXPECT_EQ(turnAngle[1], 200 + q);
  EXPECT_EQ(azimuth[0], 30);
  EXPECT_EQ(azimuth[1], AzimuthStep(30, 100 + q));
  EXPECT_EQ(azimuth[2], 330);
}

TEST(AzimuthsTest, ZeroMisclosureChangesNothing) {
  std::vector<double> turnAngle = {91.5, 270.25, 180.125, 44.75};
  std::vector<double> azimuth(turnAngle.size() + 1, 0.0);
  azimuth[0] = 12.5;
  for (std::size_t c = 1; c < turnAngle.size(); ++c)
    azimuth[c] = AzimuthStep(azimuth[c - 1], turnAngle[c - 1]);
  azimuth.back() = 77;
  const std::vector<double> anglesBefore = turnAngle;
  const std::vector<double> azimuthsBefore = azimuth;

  EXPECT_EQ(DistributeAngles(0.0f, turnAngle, azimuth), 0.0f);
  EXPECT_EQ(turnAngle, anglesBefore);
  EXPECT_EQ(azimuth, azimuthsBefore);
}

TEST(AzimuthsTest, LongestTraverseSharesOverAllAngles) {
  // N = 32766: N + 1 = 32767 still fits the 16-bit count.
  std::vector<double> turnAngle(32767, 180.0);
  std::vector<double> azimuth(32768, 45.0);
  const float correction = DistributeAngles(32767.0f, turnAngle, azimuth);
  EXPECT_EQ(correction, -1.0f);
  const double q = -1.0f / 3600.0f;
  EXPECT_EQ(turnAngle.front(), 180 + q);
  EXPECT_EQ(turnAngle.back(), 180 + q);
  EXPECT_NEAR(azimuth[1], 45 + q, 1e-12);
  EXPECT_NEAR(azimuth[32766], 45 + 32766 * q, 1e-8);  // every side carried again
  EXPECT_EQ(azimuth[32767], 45.0);
}

}  // namespace
}  // namespace koravel

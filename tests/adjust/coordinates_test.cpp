#include "adjust/coordinates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "adjust/angles.h"
#include "adjust/azimuths.h"

namespace koravel {
namespace {

constexpr float kFloatMax = std::numeric_limits<float>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Values that rest on the last bit of a cosine or sine are compared to ten
// significant digits.
std::string TenDigits(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9e", x);
  return text;
}
#define EXPECT_TEN_DIGITS(actual, expected) EXPECT_EQ(TenDigits(actual), TenDigits(expected))

// Two sides of 100 m due south-west from A (1000, 2000) to B (858.58,
// 1858.57), every angle 180, Ta = 45, Tb = 225.001: the whole closing, step
// by step.
TEST(CoordinatesTest, TwoSidesSouthWestClosingStepByStep) {
  const double degToRad = DegToRad();
  const Point a{1000, 2000};
  const Point b{858.58, 1858.57};
  std::vector<float> side = {0, 100, 100};
  std::vector<double> turnAngle(3, 180.0);
  std::vector<double> azimuth(4, 0.0);
  std::vector<double> xp(3, 0.0);
  std::vector<double> yp(3, 0.0);
  const double tbDeg = DmsToDegrees(225.001);

  // Station entry: provisional coordinates and the traverse length.
  azimuth[0] = StartAzimuth(DmsToDegrees(45));
  xp[0] = a.x;
  yp[0] = a.y;
  float totalLength = 0;
  for (int c = 1; c <= 2; ++c) {
    azimuth[c] = AzimuthStep(azimuth[c - 1], turnAngle[c - 1]);
    const Point p = CoordinateStep({xp[c - 1], yp[c - 1]}, side[c], azimuth[c], degToRad);
    xp[c] = p.x;
    yp[c] = p.y;
    totalLength = AddSide(totalLength, side[c]);
  }
  EXPECT_TEN_DIGITS(xp[1], 929.2893219);
  EXPECT_TEN_DIGITS(yp[1], 1929.289322);
  EXPECT_TEN_DIGITS(xp[2], 858.5786437);
  EXPECT_TEN_DIGITS(yp[2], 1858.578644);
  EXPECT_EQ(totalLength, 200.0f);

  // Closing.
  const std::optional<float> fb = AzimuthMisclosure(azimuth, turnAngle, tbDeg);
  ASSERT_TRUE(fb.has_value());
  EXPECT_EQ(*fb, -10.0f);

  const std::optional<Misclosure> before = MisclosuresBefore({xp[2], yp[2]}, b);
  ASSERT_TRUE(before.has_value());
  EXPECT_EQ(before->fx, -0.0013562531676143408f);
  EXPECT_EQ(before->fy, 0.00864377897232771f);

  DistributeAngles(*fb, turnAngle, azimuth);
  const std::optional<Misclosure> after = MisclosuresAfter(side, azimuth, degToRad, a, b);
  ASSERT_TRUE(after.has_value());
  EXPECT_EQ(after->fx, 0.0020719433669000864f);
  EXPECT_EQ(after->fy, 0.005215674173086882f);

  const std::optional<CoordinateCorrection> corr =
      AdjustCoordinates(xp, yp, side, azimuth, degToRad, totalLength, *after);
  ASSERT_TRUE(corr.has_value());
  EXPECT_EQ(corr->corrX, -1.0359716725361068e-05f);
  EXPECT_EQ(corr->corrY, -2.6078370865434408e-05f);
  EXPECT_EQ(xp[0], 1000);
  EXPECT_EQ(yp[0], 2000);
  EXPECT_TEN_DIGITS(xp[1], 929.2894286);
  EXPECT_TEN_DIGITS(yp[1], 1929.285571);
  EXPECT_TEN_DIGITS(xp[2], 858.5800000);
  EXPECT_TEN_DIGITS(yp[2], 1858.570000);

  const double linear = LinearMisclosure(*after);
  EXPECT_TEN_DIGITS(linear, 0.005612148109);
  EXPECT_TEN_DIGITS(totalLength / linear, 35636.97823);
  const std::optional<float> m = RelativeAccuracy(totalLength, *after);
  ASSERT_TRUE(m.has_value());
  EXPECT_EQ(*m, 35636.0f);
}

// Due north every cosine is exactly 1 and every sine 0, so each rounding of
// the closing shows to the last bit: the misclosure after the distribution
// adds the finished sum of the increments to A, then takes B; the adjusted
// coordinates add cos + CorrX first, then multiply by the side.
TEST(CoordinatesTest, DueNorthClosingToTheLastBit) {
  const Point a{136.148, 50};
  const Point b{1155.553, 50};
  std::vector<float> side = {0, 392.97f, 180.048f, 446.387f};
  std::vector<double> azimuth = {180, 0, 0, 0, 0};
  std::vector<double> xp = {a.x, 0, 0, 0};
  std::vector<double> yp = {a.y, 0, 0, 0};
  float totalLength = 0;
  for (int c = 1; c <= 3; ++c) {
    const Point p = CoordinateStep({xp[c - 1], yp[c - 1]}, side[c], azimuth[c], DegToRad());
    xp[c] = p.x;
    yp[c] = p.y;
    totalLength = AddSide(totalLength, side[c]);
  }
  EXPECT_EQ(totalLength, 1019.405029296875f);
  const std::optional<Misclosure> before = MisclosuresBefore({xp[3], yp[3]}, b);
  ASSERT_TRUE(before.has_value());
  EXPECT_EQ(before->fx, -1.220703097715159e-06f);
  EXPECT_EQ(before->fy, 0.0f);

  const std::optional<Misclosure> after = MisclosuresAfter(side, azimuth, DegToRad(), a, b);
  ASSERT_TRUE(after.has_value());
  EXPECT_EQ(after->fx, -1.2207033250888344e-06f);
  EXPECT_EQ(after->fy, 0.0f);

  const auto corr = AdjustCoordinates(xp, yp, side, azimuth, DegToRad(), totalLength, *after);
  ASSERT_TRUE(corr.has_value());
  EXPECT_EQ(corr->corrX, 1.1974664593239481e-09f);
  EXPECT_EQ(xp, (std::vector<double>{136.148, 529.1180016912716, 709.1660060572638,
                                     1155.5530000000003}));
  EXPECT_EQ(yp, (std::vector<double>{50, 50, 50, 50}));
}

TEST(CoordinatesTest, TraverseLengthIsSummedIn32Bit) {
  // Ten sides of 0.1 m: the 32-bit running total is 1.0000001192092896; a
  // 64-bit total narrowed at the end would be exactly 1.
  float total = 0;
  for (int i = 0; i < 10; ++i) total = AddSide(total, 0.1f);
  EXPECT_EQ(total, 1.0000001192092896f);
  EXPECT_EQ(AddSide(16777216.0f, 1.0f), 16777216.0f);
  EXPECT_EQ(AddSide(123.5f, 0), 123.5f);
}

TEST(CoordinatesTest, SingleSideEndsOnB) {
  const double degToRad = DegToRad();
  const Point a{1000, 2000};
  const Point b{1100, 2100};
  std::vector<float> side = {0, 141.42f};
  std::vector<double> azimuth = {225, 45, 45};
  const Point provisional = CoordinateStep(a, side[1], azimuth[1], degToRad);
  std::vector<double> xp = {a.x, provisional.x};
  std::vector<double> yp = {a.y, provisional.y};

  const std::optional<Misclosure> before = MisclosuresBefore(provisional, b);
  const std::optional<Misclosure> after = MisclosuresAfter(side, azimuth, degToRad, a, b);
  ASSERT_TRUE(before && after);
  EXPECT_EQ(before->fx, after->fx);  // one side: both ways add one increment to A
  EXPECT_EQ(before->fy, after->fy);

  ASSERT_TRUE(AdjustCoordinates(xp, yp, side, azimuth, degToRad, side[1], *after));
  EXPECT_NEAR(xp[1], b.x, 1e-9);
  EXPECT_NEAR(yp[1], b.y, 1e-9);
  const std::optional<float> m = RelativeAccuracy(side[1], *after);
  ASSERT_TRUE(m.has_value());
  EXPECT_EQ(*m, std::trunc(141.42f / LinearMisclosure(*after)));
}

TEST(CoordinatesTest, ZeroSideAddsNothingAndTakesNoShare) {
  const double degToRad = DegToRad();
  std::vector<float> side = {0, 100, 0, 100};
  std::vector<double> azimuth = {180, 10, 60, 110, 0};
  const Point start{500, 700};
  EXPECT_EQ(CoordinateStep(start, 0, azimuth[2], degToRad).x, start.x);
  EXPECT_EQ(CoordinateStep(start, 0, azimuth[2], degToRad).y, start.y);

  std::vector<double> xp = {500, 0, 0, 0};
  std::vector<double> yp = {700, 0, 0, 0};
  ASSERT_TRUE(AdjustCoordinates(xp, yp, side, azimuth, degToRad, 200, {0.05f, -0.03f}));
  EXPECT_EQ(xp[2], xp[1]);
  EXPECT_EQ(yp[2], yp[1]);
  EXPECT_NE(xp[3], xp[2]);
}

TEST(CoordinatesTest, MisclosureWithoutA32BitValueIsNoResult) {
  constexpr double kMax = std::numeric_limits<double>::max();
  struct Case {
    const char* what;
    Point computed;
    Point known;
    bool hasResult;
  };
  const Case cases[] = {
      {"ordinary", {100.25, 200.5}, {100, 200}, true},
      {"largest float", {kFloatMax, 0}, {0, 0}, true},
      {"beyond the float range", {1e39, 0}, {0, 0}, false},
      {"beyond in Y only", {0, 0}, {0, -1e39}, false},
      {"difference beyond the double range", {kMax, 0}, {-kMax, 0}, false},
      {"infinite coordinate", {kInf, 0}, {kInf, 0}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(MisclosuresBefore(c.computed, c.known).has_value(), c.hasResult);

    // The same coordinates as A and B of a traverse with a zero side.
    std::vector<float> side = {0, 0};
    std::vector<double> azimuth = {0, 0, 0};
    EXPECT_EQ(MisclosuresAfter(side, azimuth, DegToRad(), c.computed, c.known).has_value(),
              c.hasResult);
  }
}

TEST(CoordinatesTest, CoordinatesWithoutAResultAreLeftAsTheyWere) {
  struct Case {
    const char* what;
    float secondSide;
    double secondAzimuth;
    float totalLength;
    Misclosure after;
    bool hasResult;
  };
  const Case cases[] = {
      {"ordinary", 100, 30, 200, {0.01f, 0.02f}, true},
      {"every side 0", 0, 30, 0, {0.01f, 0.02f}, false},
      {"every side 0, closes exactly", 0, 30, 0, {0, 0}, false},
      {"correction beyond the float range", 1e-40f, 30, 2e-40f, {kFloatMax, 0}, false},
      {"no azimuth", 100, std::numeric_limits<double>::quiet_NaN(), 200, {0.01f, 0.02f}, false},
      {"infinite side", std::numeric_limits<float>::infinity(), 30, 200, {0.01f, 0.02f}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<float> side = {0, c.totalLength - c.secondSide, c.secondSide};
    std::vector<double> azimuth = {0, 10, c.secondAzimuth, 0};
    std::vector<double> xp = {1, 2, 3};
    std::vector<double> yp = {4, 5, 6};
    const auto corr = AdjustCoordinates(xp, yp, side, azimuth, DegToRad(), c.totalLength, c.after);
    EXPECT_EQ(corr.has_value(), c.hasResult);
    if (!c.hasResult) {
      EXPECT_EQ(xp, (std::vector<double>{1, 2, 3}));
      EXPECT_EQ(yp, (std::vector<double>{4, 5, 6}));
    } else {
      for (double v : xp) EXPECT_TRUE(std::isfinite(v));
    }
  }
}

TEST(CoordinatesTest, RelativeAccuracyTruncatesThenNarrows) {
  // A misclosure nearly 1 whose length puts t just above the largest float,
  // nearer to it than to the overflow.
  const float nearlyOne = 1 - 0x1p-24f;
  const auto topUp = static_cast<float>(std::sqrt(0x1p-23 - 0x1p-26 - 0x1p-48));
  struct Case {
    const char* what;
    float totalLength;
    Misclosure after;
    std::optional<float> m;
  };
  const Case cases[] = {
      {"3-4-5", 200, {3, 4}, 40.0f},
      {"truncated, not rounded", 5, {2, 0}, 2.0f},
      // t = 123456789.33: the truncated 123456789 has no 32-bit value of its own.
      {"nearest float to the whole number", 370370368, {3, 0}, 123456792.0f},
      // t = 16777217.6: truncated first, 16777217 ties down to 16777216; the
      // other way round it would be 16777218.
      {"truncated before narrowing", 83886088, {3, 4}, 16777216.0f},
      {"misclosure longer than the traverse", 100, {300, 400}, 0.0f},
      {"zero traverse length", 0, {0.3f, 0.4f}, 0.0f},
      {"largest float", kFloatMax, {nearlyOne, topUp}, kFloatMax},
      {"exact closure", 200, {0, 0}, std::nullopt},
      {"exact closure, zero length", 0, {0, 0}, std::nullopt},
      {"beyond the float range", kFloatMax, {1e-45f, 0}, std::nullopt},
      {"just beyond the float range", kFloatMax, {nearlyOne, 0}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(RelativeAccuracy(c.totalLength, c.after), c.m);
  }
}

}  // namespace
}  // namespace koravel

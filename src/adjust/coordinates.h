// Coordinates from sides and azimuths, the coordinate misclosures at B, their
// distribution in proportion to the side lengths, and the relative accuracy.
//
// X is the northing and takes the cosine, Y the easting and takes the sine.
// Every misclosure is computed minus known. sideLength[1..N] (element 0 unused),
// azimuth[0..N+1], xp/yp[0..N] as in azimuths.h.
#pragma once

#include <optional>
#include <span>

namespace koravel {

struct Point {
  double x = 0;
  double y = 0;
};

struct Misclosure {
  float fx = 0;
  float fy = 0;
};

// The far end of a side: length x cos(azimuth x degToRad) + start, likewise
// for Y with the sine.
Point CoordinateStep(Point start, float sideLength, double azimuth, double degToRad);

// The traverse length after one more side, summed in 32-bit.
float AddSide(float totalLength, float sideLength);

// Provisional end of the traverse minus B, each difference rounded to 32-bit.
// Empty when a difference has no finite 32-bit value.
std::optional<Misclosure> MisclosuresBefore(Point provisionalB, Point b);

// The increments carried again with the corrected azimuths, summed and added
// to A, minus B. Empty when a result has no finite 32-bit value.
std::optional<Misclosure> MisclosuresAfter(std::span<const float> sideLength,
                                           std::span<const double> azimuth,
                                           double degToRad, Point a, Point b);

// Distributes the misclosure after the angle distribution over the sides in
// proportion to their lengths and writes the adjusted xp/yp[1..N]. Empty, and
// xp/yp untouched, when the total length is zero or a result is not finite.
struct CoordinateCorrection {
  float corrX = 0;  // correction per metre of side
  float corrY = 0;
};
std::optional<CoordinateCorrection> AdjustCoordinates(std::span<double> xp, std::span<double> yp,
                                                      std::span<const float> sideLength,
                                                      std::span<const double> azimuth,
                                                      double degToRad, float totalLength,
                                                      Misclosure after);

// Length of the misclosure vector, in 64-bit.
double LinearMisclosure(Misclosure after);

// m, the denominator of the relative accuracy 1/m: the traverse length over the
// linear misclosure, truncated, as a 32-bit value. Empty when the linear
// misclosure is zero (an exact closure) or m has no finite 32-bit value.
std::optional<float> RelativeAccuracy(float totalLength, Misclosure after);

}  // namespace koravel

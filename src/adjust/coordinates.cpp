#include "adjust/coordinates.h"

#include <cassert>
#include <cmath>

#include "adjust/real32.h"

namespace koravel {

Point CoordinateStep(Point start, float sideLength, double azimuth, double degToRad) {
  const double r = azimuth * degToRad;
  const double side = sideLength;
  return Point{side * std::cos(r) + start.x, side * std::sin(r) + start.y};
}

float AddSide(float totalLength, float sideLength) { return totalLength + sideLength; }

std::optional<Misclosure> MisclosuresBefore(Point provisionalB, Point b) {
  const std::optional<float> fx = NearestReal32(provisionalB.x - b.x);
  const std::optional<float> fy = NearestReal32(provisionalB.y - b.y);
  if (!fx || !fy) return std::nullopt;
  return Misclosure{*fx, *fy};
}

std::optional<Misclosure> MisclosuresAfter(std::span<const float> sideLength,
                                           std::span<const double> azimuth,
                                           double degToRad, Point a, Point b) {
  assert(!sideLength.empty() && azimuth.size() == sideLength.size() + 1);
  if (sideLength.empty() || azimuth.size() != sideLength.size() + 1) return std::nullopt;
  const std::size_t n = sideLength.size() - 1;
  double sumDeltaX = 0;
  double sumDeltaY = 0;
  for (std::size_t c = 1; c <= n; ++c) {
    const double r = azimuth[c] * degToRad;
    const double side = sideLength[c];
    const double deltaX = side * std::cos(r);
    const double deltaY = side * std::sin(r);
    sumDeltaX = sumDeltaX + deltaX;
    sumDeltaY = sumDeltaY + deltaY;
  }
  // Anything without a result above (an infinite or NaN input) carries through
  // to these two and is refused by the narrowing.
  const std::optional<float> fx = NearestReal32((a.x + sumDeltaX) - b.x);
  const std::optional<float> fy = NearestReal32((a.y + sumDeltaY) - b.y);
  if (!fx || !fy) return std::nullopt;
  return Misclosure{*fx, *fy};
}

std::optional<CoordinateCorrection> AdjustCoordinates(std::span<double> xp, std::span<double> yp,
                                                      std::span<const float> sideLength,
                                                      std::span<const double> azimuth,
                                                      double degToRad, float totalLength,
                                                      Misclosure after) {
  assert(!sideLength.empty() && xp.size() == sideLength.size() && yp.size() == xp.size());
  assert(azimuth.size() == sideLength.size() + 1);
  if (sideLength.empty() || xp.size() != sideLength.size() || yp.size() != xp.size() ||
      azimuth.size() != sideLength.size() + 1)
    return std::nullopt;
  if (totalLength == 0) return std::nullopt;
  const float corrX = -after.fx / totalLength;
  const float corrY = -after.fy / totalLength;
  if (!std::isfinite(corrX) || !std::isfinite(corrY)) return std::nullopt;

  // With finite inputs every coordinate below is finite: a station moves by
  // at most a float side times (1 + a float correction), about 1.2e77, which
  // cannot carry a finite double past the largest double. So one cheap pass
  // over the inputs decides, and the coordinates are written in place only
  // when they all have a value.
  const std::size_t n = sideLength.size() - 1;
  if (!std::isfinite(xp[0]) || !std::isfinite(yp[0])) return std::nullopt;
  for (std::size_t c = 1; c <= n; ++c) {
    if (!std::isfinite(sideLength[c]) || !std::isfinite(azimuth[c] * degToRad))
      return std::nullopt;
  }

  const double cx = corrX;
  const double cy = corrY;
  for (std::size_t c = 1; c <= n; ++c) {
    const double r = azimuth[c] * degToRad;
    const double side = sideLength[c];
    xp[c] = xp[c - 1] + side * (std::cos(r) + cx);
    yp[c] = yp[c - 1] + side * (std::sin(r) + cy);
  }
  return CoordinateCorrection{corrX, corrY};
}

double LinearMisclosure(Misclosure after) {
  const double fx = after.fx;
  const double fy = after.fy;
  return std::sqrt(fx * fx + fy * fy);
}

std::optional<float> RelativeAccuracy(float totalLength, Misclosure after) {
  const double linear = LinearMisclosure(after);
  if (linear == 0) return std::nullopt;  // an exact closure: no 1/m
  const double t = static_cast<double>(totalLength) / linear;
  return NearestReal32(std::trunc(t));
}

}  // namespace koravel

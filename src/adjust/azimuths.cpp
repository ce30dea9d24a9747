#include "adjust/azimuths.h"

#include <cassert>
#include <cmath>
#include <cstdint>

#include "adjust/real32.h"

namespace koravel {

double StartAzimuth(double taDeg) {
  double a = taDeg + 180;
  if (a >= 360) a = a - 360;
  return a;
}

double AzimuthStep(double previousAzimuth, double turnAngle) {
  const double s = previousAzimuth + turnAngle;
  double a = s - 180;
  // NormalizeAzimuth, written out here: the closing carries every azimuth
  // again, and the call into the other file costs more than the step itself.
  if (a < 0) a = a + 360;
  if (a >= 360) a = a - 360;
  return a;
}

std::optional<float> AzimuthMisclosure(std::span<double> azimuth,
                                       std::span<const double> turnAngle,
                                       double tbDeg) {
  assert(!turnAngle.empty() && azimuth.size() == turnAngle.size() + 1);
  if (turnAngle.empty() || azimuth.size() != turnAngle.size() + 1) return std::nullopt;
  const std::size_t n = turnAngle.size() - 1;
  const double carried = AzimuthStep(azimuth[n], turnAngle[n]);
  // The misclosure is the short way round: a carried 359.999 degrees against
  // a known 0.001 misses by -7.2 seconds, not by nearly a whole turn.
  double d = carried - tbDeg;
  if (d > 180) {
    d = d - 360;
  } else if (d <= -180) {
    d = d + 360;
  }
  const std::optional<float> fb = NearestReal32(d * 3600);
  if (fb) azimuth[n + 1] = carried;
  return fb;
}

float DistributeAngles(float fb, std::span<double> turnAngle, std::span<double> azimuth) {
  assert(!turnAngle.empty() && turnAngle.size() <= 32767);
  assert(azimuth.size() == turnAngle.size() + 1);
  if (turnAngle.empty() || turnAngle.size() > 32767 || azimuth.size() != turnAngle.size() + 1)
    return 0;
  // N+1 angles share the correction; the count is a 16-bit integer, and the
  // division is made in 32-bit.
  const auto angles = static_cast<std::int16_t>(turnAngle.size());
  const float correction = -fb / static_cast<float>(angles);
  const float perAngle = correction / 3600.0f;  // arc seconds to degrees, 32-bit
  for (double& angle : turnAngle) angle = angle + static_cast<double>(perAngle);
  const std::size_t n = turnAngle.size() - 1;
  for (std::size_t c = 1; c <= n; ++c) azimuth[c] = AzimuthStep(azimuth[c - 1], turnAngle[c - 1]);
  return correction;
}

}  // namespace koravel

// Packed DMS angles (ddd.mmss as typed), decimal degrees and azimuths.
#pragma once

namespace koravel {

// Added to the hundredfold angle before the truncation that yields minutes.
inline constexpr double kMinutesGuard = 1e-12;
// Added before the truncation that yields seconds: 1e-12 for every angle but
// the external azimuth at A, which takes 1e-11.
inline constexpr double kSecondsGuard = 1e-12;
inline constexpr double kSecondsGuardTa = 1e-11;

// Degrees to radians with the ten-decimal pi 3.1415926535 (not the full one):
// 0.017453292519444445.
double DegToRad();

// Packed DMS to decimal degrees. Minutes and seconds are taken as they are
// (10.7 is 10 degrees 70 minutes).
double DmsToDegrees(double packedDms, double secondsGuard);

// Decimal degrees to packed DMS, truncating; seconds are never carried.
double DegreesToDms(double degrees);

// One raise by 360 below 0, then one lowering by 360 at 360 or more.
double NormalizeAzimuth(double azimuth);

}  // namespace koravel

// Packed DMS angles (ddd.mmss as typed), decimal degrees and azimuths.
#pragma once

namespace koravel {

// Added to the hundredfold angle (degrees and minutes as ddddmm.ss...) before
// it is truncated to whole minutes. A typed angle is rarely exact in binary:
// 256.4 x 100 comes out as 25639.999999999996, and a guard of 1e-12 would read
// it as 39 minutes and 100 seconds. 1e-9 lifts every such product back to the
// whole minute while staying far below a millionth of an arc second.
inline constexpr double kDmsGuard = 1e-9;

// Degrees to radians with the ten-decimal pi 3.1415926535 (not the full one):
// 0.017453292519444445.
double DegToRad();

// Packed DMS to decimal degrees. Minutes and seconds are taken as they are
// (10.7 is 10 degrees 70 minutes). A negative angle is decoded by its
// magnitude, so that the guard lifts it the same way.
double DmsToDegrees(double packedDms);

// Decimal degrees to packed DMS, truncating; seconds are never carried.
double DegreesToDms(double degrees);

// One raise by 360 below 0, then one lowering by 360 at 360 or more.
double NormalizeAzimuth(double azimuth);

}  // namespace koravel

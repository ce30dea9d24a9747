// Carrying azimuths along the traverse, the azimuth misclosure fb at B and its
// distribution in equal shares over all turning angles.
//
// Indices follow the traverse: turnAngle[0..N] (0 is A, N is B, decimal
// degrees), azimuth[0..N+1] (0 is the direction into A, c the side from point
// c-1 to point c, N+1 the outward direction carried through B).
#pragma once

#include <optional>
#include <span>

namespace koravel {

// Direction into A: Ta turned through 180 degrees, lowered by 360 once at 360
// or more, never raised.
double StartAzimuth(double taDeg);

// Azimuth of the next side: (previous + turning angle) - 180, normalised.
double AzimuthStep(double previousAzimuth, double turnAngle);

// Carries azimuth[N+1] through B's angle and returns fb = (azimuth[N+1] - TbDeg)
// x 3600 as a 32-bit value in arc seconds, the difference taken the short way
// round, in (-180, 180] degrees.
// Empty when fb has no finite 32-bit value; azimuth[N+1] is then left as it was.
std::optional<float> AzimuthMisclosure(std::span<double> azimuth,
                                       std::span<const double> turnAngle,
                                       double tbDeg);

// Gives every angle 0..N the same correction -fb / (N+1) (arc seconds, 32-bit)
// and carries azimuth[1..N] again; azimuth[0] and azimuth[N+1] stay. Returns
// the correction in arc seconds.
float DistributeAngles(float fb, std::span<double> turnAngle, std::span<double> azimuth);

}  // namespace koravel

// The traverse record: what the last adjustment run left in the window, read
// by the printed report. Points are numbered 0 (A) ... N (B); side k joins
// point k-1 to point k; angle k is the left turning angle at point k. Every
// array is indexed from 0 (SideLength's element 0 is never written).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace koravel {

struct TraverseRecord {
  double Xa = 0;  // northing (纵座标) of A, metres
  double Ya = 0;  // easting (横座标) of A
  double Xb = 0;
  double Yb = 0;
  std::vector<std::string> PointName;  // 0 ... N, as typed
  std::vector<float> SideLength;       // 1 ... N, metres
  std::vector<double> TurnAngle;       // packed DMS as typed, then decimal degrees, then adjusted
  std::vector<double> TurnAngleDms;    // packed DMS as confirmed, unchanged
  double Ta = 0;                       // external azimuth at A, packed DMS as typed
  double Tb = 0;                       // external azimuth at B, packed DMS as typed
  std::vector<double> Xp;              // provisional, then adjusted coordinates
  std::vector<double> Yp;
  float FxBefore = 0;  // misclosures before the angle distribution, metres
  float FyBefore = 0;
  float fb = 0;        // azimuth misclosure, arc seconds
  float FxAfter = 0;   // misclosures after the angle distribution, metres
  float FyAfter = 0;
  std::int16_t N = 0;  // points after A, B included
  float m = 0;         // relative accuracy 1/m

  // Whether the last run reached its end. A run stopped half-way leaves a
  // record that is never printed.
  bool complete = false;
  // Whether the coordinate misclosure could be distributed: not when every
  // side is 0. Xp/Yp then hold the coordinates carried from A, unadjusted.
  bool coordinatesAdjusted = false;
  // Whether m could be computed: not for an exact closure (no linear
  // misclosure), a zero traverse length, or an m beyond the 32-bit range.
  bool accuracyComputed = false;
};

}  // namespace koravel

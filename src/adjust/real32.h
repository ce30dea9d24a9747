// Storing a 64-bit result into a 32-bit quantity, rounded once, when the
// result has a 32-bit value at all.
#pragma once

#include <cmath>
#include <limits>
#include <optional>

namespace koravel {

// The 32-bit value nearest to x, when it is finite. Values above the largest
// float but below the midpoint to 2^128 round down to it; from the midpoint
// on, or for an infinite or NaN x, there is none. The range is checked before
// the conversion, which is only defined for values the float range holds.
inline std::optional<float> NearestReal32(double x) {
  constexpr double kLargest = std::numeric_limits<float>::max();
  constexpr double kOverflow = 0x1.ffffffp+127;  // halfway from kLargest to 2^128
  const double magnitude = std::fabs(x);
  if (!(magnitude < kOverflow)) return std::nullopt;
  if (magnitude > kLargest) return static_cast<float>(std::copysign(kLargest, x));
  return static_cast<float>(x);
}

}  // namespace koravel

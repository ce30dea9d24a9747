#include "adjust/angles.h"

#include <cmath>

namespace koravel {

double DegToRad() {
  // The ten-decimal pi that every conversion of the program uses.
  const double pi = 3.1415926535;
  return pi / 180;
}

double DmsToDegrees(double packedDms) {
  if (packedDms < 0) return -DmsToDegrees(-packedDms);
  const double d = std::trunc(packedDms);
  const double p = packedDms * 100;
  const double q = packedDms * 10000;
  const double wholeMinutes = std::trunc(p + kDmsGuard);  // degrees x 100 + minutes
  const double minutes = wholeMinutes - 100 * d;
  const double seconds = q - 100 * wholeMinutes;
  return (d + minutes / 60) + seconds / 3600;
}

double DegreesToDms(double degrees) {
  const double d = std::trunc(degrees);
  const double minutes = (degrees - d) * 60;
  const double wholeMinutes = std::trunc(minutes);
  const double seconds = ((minutes - wholeMinutes) * 6) / 1000;
  return (d + wholeMinutes / 100) + seconds;
}

double NormalizeAzimuth(double azimuth) {
  if (azimuth < 0) azimuth = azimuth + 360;
  if (azimuth >= 360) azimuth = azimuth - 360;
  return azimuth;
}

}  // namespace koravel

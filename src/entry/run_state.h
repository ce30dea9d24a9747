// The working values of one adjustment run, created at its start and dropped
// at its end.
#pragma once

#include <string>
#include <vector>

namespace koravel {

struct RunState {
  std::vector<double> Azimuth;  // 0 ... N+1, decimal degrees
  std::vector<double> DeltaX;   // 0 ... N, element 0 unused
  std::vector<double> DeltaY;
  double TaDeg = 0;
  double TbDeg = 0;
  double DegToRad = 0;
  float TotalLength = 0;
  std::string ConfirmReply;
};

}  // namespace koravel

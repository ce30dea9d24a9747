// The stations from A to B: each point's name, its left turning angle and the
// side that leaves it, each station completed as soon as its side is
// confirmed; then B's name and angle.
#pragma once

#include <cstdint>

#include "entry/confirmed_entry.h"
#include "entry/run_state.h"
#include "entry/traverse_record.h"
#include "ui/toolkit.h"

namespace koravel {

// Walks the traverse from A to B. Expects the arrays sized for the run and
// the traverse started at A. On acceptance every angle is in decimal degrees,
// every side entered, the provisional coordinates and azimuths carried to B,
// and Text22 and Text10 are empty.
EntryOutcome EnterStations(Toolkit& toolkit, TraverseRecord& record, RunState& run);

// Completes pass c (1 ... N), the station k = c - 1: keeps the angle as typed
// in TurnAngleDms(k), converts TurnAngle(k) to degrees, carries Azimuth(c),
// gives point c its provisional coordinates and adds side c to TotalLength.
void CompleteStation(std::int16_t c, TraverseRecord& record, RunState& run);

}  // namespace koravel

// The known points: the coordinates of A and B and the external azimuths at
// both, then the start of the traverse at A.
#pragma once

#include "entry/confirmed_entry.h"
#include "entry/run_state.h"
#include "entry/traverse_record.h"
#include "ui/toolkit.h"

namespace koravel {

// Enters Xa, Ya, Xb, Yb, Ta and Tb, each confirmed, forms TaDeg and TbDeg,
// and starts the traverse: Xp(0), Yp(0), Azimuth(0) and TotalLength = 0.
// Expects the arrays sized for the run.
EntryOutcome EnterKnownPoints(Toolkit& toolkit, TraverseRecord& record, RunState& run);

}  // namespace koravel

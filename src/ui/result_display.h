// The closing sequence of a run: the misclosures, the angle distribution, the
// adjusted coordinates point by point, the traverse length and 1/m, each shown
// in the window as soon as it is computed.
#pragma once

#include "entry/run_state.h"
#include "entry/traverse_record.h"
#include "ui/toolkit.h"

namespace koravel {

// Returns false when the run stopped (the replies ended at a pause prompt).
bool CloseTraverse(Toolkit& toolkit, TraverseRecord& record, RunState& run);

}  // namespace koravel

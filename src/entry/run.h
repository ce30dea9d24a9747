// The adjustment run started by the button 平差计算: the number of points, the
// known points, the stations from A to B, then the closing computations and the
// results, all through modal prompts and window fields.
#pragma once

#include "entry/traverse_record.h"
#include "ui/toolkit.h"

namespace koravel {

enum class RunOutcome {
  kCompleted,  // the last result is in the window
  kStopped,    // the user stopped the run, or the replies ended
};

RunOutcome RunAdjustment(Toolkit& toolkit, TraverseRecord& record);

}  // namespace koravel

// The printed report of the last adjustment, built once as lines of print
// items and rendered on the printer or as text.
#pragma once

#include <vector>

#include "entry/traverse_record.h"
#include "ui/toolkit.h"

namespace koravel {

// The report's lines, the heading first: 34 + 3N lines for a complete record.
std::vector<PrintLineItems> BuildReport(const TraverseRecord& record);

// Prints the report of a complete record on the toolkit's printer; for a
// record that no run has finished, tells the user and prints nothing.
void PrintReport(Toolkit& toolkit, const TraverseRecord& record);

}  // namespace koravel

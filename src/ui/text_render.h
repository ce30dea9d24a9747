// The report as text: one column is one terminal cell; East Asian Wide and
// Fullwidth characters take two.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit.h"

namespace koravel {

// Terminal cells of one code point: 2 for East_Asian_Width W or F, else 1.
int CellWidth(char32_t codePoint);
// Terminal cells of a UTF-8 text.
int DisplayWidth(std::string_view utf8);

// The text of a Number(x) item, on paper as in the terminal: a sign position
// (a blank for zero and positive values; a negative number brings its own
// minus), x in its 32-bit text, and one blank after it.
std::string NumberItemText(float x);

// One printed line as text. A Column(n) reached past column n breaks the line,
// so one line of items may give several lines of text. Nothing is trimmed.
std::vector<std::string> RenderText(const PrintLineItems& items);

}  // namespace koravel

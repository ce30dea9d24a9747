#include "ui/text_render.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "adjust/numbers.h"
#include "ui/utf8.h"

namespace koravel {
namespace {

struct Range {
  char32_t first;
  char32_t last;
};

// Wide and Fullwidth characters, two terminal cells each.
constexpr Range kWideRanges[] = {
#include "ui/east_asian_width.inc"
};

// A text's own line being built: the characters placed so far and the column
// that the next character takes (column 1 is the left edge).
struct LineBuilder {
  std::vector<std::string> done;
  std::string text;
  int cells = 0;

  void Blanks(int n) {
    if (n <= 0) return;
    text.append(static_cast<std::size_t>(n), ' ');
    cells += n;
  }
  void Put(std::string_view s) {
    text += s;
    cells += DisplayWidth(s);
  }
  void Column(int n) {
    const int target = std::max(n, 1) - 1;  // cells before column n
    if (cells > target) {
      done.push_back(std::move(text));
      text.clear();
      cells = 0;
    }
    Blanks(target - cells);
  }
};

}  // namespace

int CellWidth(char32_t codePoint) {
  if (codePoint < kWideRanges[0].first) return 1;  // ASCII and the other alphabets
  const auto it = std::upper_bound(std::begin(kWideRanges), std::end(kWideRanges), codePoint,
                                   [](char32_t cp, const Range& r) { return cp < r.first; });
  if (it == std::begin(kWideRanges)) return 1;
  return codePoint <= std::prev(it)->last ? 2 : 1;
}

int DisplayWidth(std::string_view utf8) {
  int cells = 0;
  std::size_t at = 0;
  while (at < utf8.size()) {
    if (static_cast<unsigned char>(utf8[at]) < 0x80) {  // ASCII: one cell each
      ++cells;
      ++at;
      continue;
    }
    char32_t cp = 0;
    std::size_t length = 1;
    // A byte that is not part of well-formed UTF-8 counts as one cell.
    cells += DecodeUtf8(utf8, at, cp, length) ? CellWidth(cp) : 1;
    at += length;
  }
  return cells;
}

std::string NumberItemText(float x) {
  std::string text = x >= 0 ? " " : "";
  text += Real32Text(x);
  text += ' ';
  return text;
}

std::vector<std::string> RenderText(const PrintLineItems& items) {
  LineBuilder line;
  line.text.reserve(96);  // a report line, without growing
  for (const PrintItem& item : items) {
    switch (item.kind) {
      case PrintItem::Kind::kColumn:
        line.Column(item.count);
        break;
      case PrintItem::Kind::kSpaces:
        line.Blanks(item.count);
        break;
      case PrintItem::Kind::kText:
        line.Put(item.text);
        break;
      case PrintItem::Kind::kNumber:
        line.Put(NumberItemText(item.number));
        break;
    }
  }
  line.done.push_back(std::move(line.text));
  return std::move(line.done);
}

}  // namespace koravel

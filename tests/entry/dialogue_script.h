// Replies for whole adjustment runs, and the events of a run as lines in the
// form of the terminal trace, for the dialogue tests.
#pragma once

#include <string>
#include <vector>

#include "support/scripted_toolkit.h"

namespace koravel::testing {

// The data of one traverse as the user types them, every value accepted at
// its first confirmation with an empty reply (Enter).
struct TraverseReplies {
  std::string n;
  std::string xa, ya, xb, yb, ta, tb;
  std::vector<std::string> names;   // A, the new points, B
  std::vector<std::string> angles;  // at A, the new points, B
  std::vector<std::string> sides;   // 1 ... N
  std::vector<std::string> pauses;  // replies at the per-point prompts; Enter when missing
};

inline std::vector<std::string> KnownPointReplies(const TraverseReplies& t) {
  return {t.n, t.xa, "", t.ya, "", t.xb, "", t.yb, "", t.ta, "", t.tb, ""};
}

inline std::vector<std::string> Replies(const TraverseReplies& t) {
  std::vector<std::string> r = KnownPointReplies(t);
  for (std::size_t c = 1; c <= t.sides.size(); ++c) {
    for (const std::string& s : {t.names[c - 1], t.angles[c - 1], std::string(), t.sides[c - 1], std::string()}) {
      r.push_back(s);
    }
  }
  for (const std::string& s : {t.names.back(), t.angles.back(), std::string()}) r.push_back(s);
  for (std::size_t i = 0; i < t.names.size(); ++i) r.push_back(i < t.pauses.size() ? t.pauses[i] : "");
  return r;
}

// The worked example: from A (1000, 2000) with Ta = 45 through P1 to
// B (858.58, 1858.57) with Tb = 225.001, every angle 180, both sides 100 m.
inline TraverseReplies WorkedExample() {
  return {"2", "1000", "2000", "858.58", "1858.57", "45", "225.001",
          {"A", "P1", "B"}, {"180", "180", "180"}, {"100", "100"}, {}};
}

// "prompt<TAB>message", "field<TAB>TextN<TAB>text", "notice<TAB>text".
inline std::vector<std::string> Trace(const ScriptedToolkit& toolkit) {
  std::vector<std::string> lines;
  for (const Event& e : toolkit.events()) {
    switch (e.kind) {
      case Event::Kind::kPrompt: lines.push_back("prompt\t" + e.text); break;
      case Event::Kind::kField: lines.push_back("field\t" + FieldName(e.field) + "\t" + e.text); break;
      case Event::Kind::kNotice: lines.push_back("notice\t" + e.text); break;
      default: lines.push_back("other"); break;
    }
  }
  return lines;
}

// Whether any prompt, field text or notice shows an infinity or a NaN.
inline bool ShowsInfOrNan(const ScriptedToolkit& toolkit) {
  for (const Event& e : toolkit.events()) {
    std::string lower;
    for (char ch : e.text) lower += (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
    if (lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos) return true;
  }
  return false;
}

}  // namespace koravel::testing

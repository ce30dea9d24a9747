// The printed report as lines of print items, built from a record filled by
// hand: its shape, every item of a one-side traverse, the value forms at their
// edges, what is printed for values a run could not compute, and the order of
// the printer operations.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/scripted_toolkit.h"
#include "ui/report.h"
#include "ui/text_render.h"
#include "ui/texts/dialogue.h"
#include "ui/texts/report.h"

namespace koravel::testing {
namespace {

// A finished one-side traverse (N = 1) from A to B.
TraverseRecord OneSide() {
  TraverseRecord r;
  r.N = 1;
  r.Xa = 1000;
  r.Ya = 2000;
  r.Xb = 1070.7;
  r.Yb = 2070.72;
  r.Ta = 45;
  r.Tb = 225.0005;
  r.PointName = {"A", "B"};
  r.SideLength = {0, 100.125f};
  r.TurnAngleDms = {180, 179.5959};
  r.TurnAngle = {30.999999, 180.5};
  r.Xp = {1000, 1070.7004999};
  r.Yp = {2000, 2070.7204};
  r.fb = 8;
  r.FxBefore = -0.0125f;
  r.FyBefore = 0.0036f;
  r.FxAfter = 0.00207f;
  r.FyAfter = -0.00522f;
  r.m = 5234;
  r.complete = true;
  r.coordinatesAdjusted = true;
  r.accuracyComputed = true;
  return r;
}

// A line's items in a compact form: C24 column, S3 spaces, 'text', #5234 number.
std::string Describe(const PrintLineItems& items) {
  std::string s;
  for (const PrintItem& item : items) {
    if (!s.empty()) s += ' ';
    switch (item.kind) {
      case PrintItem::Kind::kColumn: s += "C" + std::to_string(item.count); break;
      case PrintItem::Kind::kSpaces: s += "S" + std::to_string(item.count); break;
      case PrintItem::Kind::kText: s += "'" + item.text + "'"; break;
      case PrintItem::Kind::kNumber: s += "#" + std::to_string(item.number); break;
    }
  }
  return s;
}

std::vector<std::string> Describe(const std::vector<PrintLineItems>& lines) {
  std::vector<std::string> out;
  for (const auto& line : lines) out.push_back(Describe(line));
  return out;
}

// Lines of a report as text; a line must not break.
std::string Rendered(const PrintLineItems& items) {
  const std::vector<std::string> text = RenderText(items);
  EXPECT_EQ(text.size(), 1u) << Describe(items);
  return text.empty() ? std::string() : text.front();
}

// The positions of the variable lines of a report of N sides.
int AngleRow(int i) { return 13 + i; }
int CoordinateRow(int n, int i) { return 23 + 2 * n + i; }
int L(int n, int line) {  // L18, L24, L25, L29, L30, L31
  switch (line) {
    case 18: return 19 + 2 * n;
    case 24: return 26 + 3 * n;
    case 25: return 27 + 3 * n;
    case 29: return 31 + 3 * n;
    case 30: return 32 + 3 * n;
    default: return 33 + 3 * n;  // L31, the last line
  }
}

TEST(Report, EveryItemOfAOneSideTraverse) {
  const std::vector<std::string> expected = {
      "C28 '---- Koravel ----'",
      "",
      "",
      "C22 '起始点座标 :'",
      "",
      "C27 '点名' C35 'X' C50 'Y'",
      "C27 'A :' S3 '1000.000' S5 '2000.000'",
      "C27 'B :' S3 '1070.700' S5 '2070.720'",
      "",
      "C27 'A 点外方位角 :' '45.00000'",
      "C27 'B 点外方位角 :' '225.00050'",
      "",
      "C22 '观测角( 度,分,秒 ) :' S3 '平差角( 度,分,秒 ) :'",
      "C24 '0 :' C30 '180.00000' C48 '30.59600'",
      "C24 '1 :' C30 '179.59590' C48 '180.30000'",
      "",
      "C22 '观测边(米) :'",
      "C24 '1 :' C30 '100.1250'",
      "",
      "C22 '条件方程闭合差 :'",
      "",
      "C24 '方位角闭合差 :  wb=' ' 8.00 秒'",
      "",
      "C22 '导线点座标 :'",
      "C24 '' S9 'X' S13 'Y'",
      "C24 'A :' S3 '1000.000' S5 '2000.000'",
      "C24 'B :' S3 '1070.700' S5 '2070.720'",
      "C22 '角度配赋前座标闭合差 :'",
      "",
      "C24 '纵座标闭合差 :  wx=' ' -12.50 毫米'",
      "C24 '横座标闭合差 :  wy=' ' 3.60 毫米'",
      "",
      "C22 '角度配赋后座标闭合差 :'",
      "",
      "C24 '纵座标闭合差 :  wx=' ' 2.07 毫米'",
      "C24 '横座标闭合差 :  wy=' ' -5.22 毫米'",
      "C24 '角度配赋后导线相对精度 : 1/m=1/' #5234.000000",
  };
  EXPECT_EQ(Describe(BuildReport(OneSide())), expected);
}

TEST(Report, HasThirtyFourLinesAndThreePerSide) {
  for (const int n : {1, 2, 5, 40}) {
    TraverseRecord r = OneSide();
    r.N = static_cast<std::int16_t>(n);
    r.PointName.assign(n + 1, "P");
    r.SideLength.assign(n + 1, 10.0f);
    r.TurnAngleDms.assign(n + 1, 180.0);
    r.TurnAngle.assign(n + 1, 180.0);
    r.Xp.assign(n + 1, 1.0);
    r.Yp.assign(n + 1, 2.0);
    const std::vector<PrintLineItems> lines = BuildReport(r);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(34 + 3 * n)) << "N = " << n;
    EXPECT_EQ(Describe(lines[AngleRow(n)]), "C24 '" + std::to_string(n) + " :' C30 '180.00000' C48 '180.00000'");
    EXPECT_EQ(Describe(lines[CoordinateRow(n, n)]), "C24 'P :' S3 '1.000' S5 '2.000'");
    EXPECT_EQ(Describe(lines[L(n, 18)]), "C24 '方位角闭合差 :  wb=' ' 8.00 秒'");
    EXPECT_EQ(Describe(lines.back()), "C24 '角度配赋后导线相对精度 : 1/m=1/' #5234.000000");
  }
}

// Text standing from column `column` on (column 1 is the left edge).
std::string At(int column, const std::string& text) { return std::string(column - 1, ' ') + text; }

// One changed value of the record, and the text line where it shows.
struct ValueCase {
  const char* what;
  void (*change)(TraverseRecord&);
  int line;  // index in the report of N = 1
  std::string text;
};

const ValueCase kValueCases[] = {
    {"seconds of an adjusted angle are not carried", [](TraverseRecord& r) { r.TurnAngle[0] = 30.999999; },
     AngleRow(0), At(24, "0 :   180.00000         30.59600")},
    {"empty point name", [](TraverseRecord& r) { r.PointName[0] = ""; }, 6,
     At(27, " :   1000.000     2000.000")},
    {"empty point name in the coordinates", [](TraverseRecord& r) { r.PointName[0] = ""; },
     CoordinateRow(1, 0), At(24, " :   1000.000     2000.000")},
    {"a long name pushes the coordinates right", [](TraverseRecord& r) { r.PointName[1] = "导线终点B-北山三角点"; },
     CoordinateRow(1, 1), At(24, "导线终点B-北山三角点 :   1070.700     2070.720")},
    {"a long name at B in the start data", [](TraverseRecord& r) { r.PointName[1] = "导线终点B-北山三角点"; }, 7,
     At(27, "导线终点B-北山三角点 :   1070.700     2070.720")},
    {"coordinates rounded half to even at three decimals",
     [](TraverseRecord& r) { r.Xp[1] = 0.0625; r.Yp[1] = -2.0625; },
     CoordinateRow(1, 1), At(24, "B :   0.062     -2.062")},
    {"fb of 8 seconds", [](TraverseRecord& r) { r.fb = 8; }, L(1, 18),
     At(24, "方位角闭合差 :  wb= 8.00 秒")},
    {"fb rounded half to even", [](TraverseRecord& r) { r.fb = -12.125f; }, L(1, 18),
     At(24, "方位角闭合差 :  wb= -12.12 秒")},
    {"a negative misclosure keeps its blank before the sign", [](TraverseRecord& r) { r.FxBefore = -0.0125f; },
     L(1, 24), At(24, "纵座标闭合差 :  wx= -12.50 毫米")},
    {"a negative zero misclosure", [](TraverseRecord& r) { r.FyAfter = -0.0f; }, L(1, 30),
     At(24, "横座标闭合差 :  wy= 0.00 毫米")},
    {"millimetres beyond 32 bits", [](TraverseRecord& r) { r.FxAfter = 1e36f; }, L(1, 29),
     At(24, "纵座标闭合差 :  wx= 数值超出范围")},
    {"m of 5234", [](TraverseRecord& r) { r.m = 5234; }, L(1, 31),
     At(24, "角度配赋后导线相对精度 : 1/m=1/ 5234 ")},
    {"m of 12345678 in exponent form", [](TraverseRecord& r) { r.m = 12345678; }, L(1, 31),
     At(24, "角度配赋后导线相对精度 : 1/m=1/ 1.234568E+07 ")},
};

TEST(Report, ValueFormsAtTheirEdges) {
  for (const ValueCase& c : kValueCases) {
    TraverseRecord r = OneSide();
    c.change(r);
    const std::vector<PrintLineItems> lines = BuildReport(r);
    ASSERT_EQ(lines.size(), 37u) << c.what;
    EXPECT_EQ(Rendered(lines[c.line]), c.text) << c.what;
  }
}

TEST(Report, ValuesThatTheRunCouldNotCompute) {
  // Every side 0: only A's coordinates are known, and there is no 1/m.
  TraverseRecord zero = OneSide();
  zero.coordinatesAdjusted = false;
  zero.accuracyComputed = false;
  const std::string notComputable(texts::kTextNotComputable);
  std::vector<PrintLineItems> lines = BuildReport(zero);
  ASSERT_EQ(lines.size(), 37u);
  EXPECT_EQ(Describe(lines[CoordinateRow(1, 0)]), "C24 'A :' S3 '1000.000' S5 '2000.000'");
  EXPECT_EQ(Describe(lines[CoordinateRow(1, 1)]), "C24 'B :' S3 '" + notComputable + "'");
  EXPECT_EQ(Describe(lines.back()), "C24 '角度配赋后导线相对精度 : 1/m=1/' ' " + notComputable + "'");

  // An exact closure, and an m beyond 32 bits: the coordinates are adjusted.
  TraverseRecord exact = OneSide();
  exact.accuracyComputed = false;
  exact.FxAfter = 0;
  exact.FyAfter = -0.0f;
  lines = BuildReport(exact);
  EXPECT_EQ(Describe(lines[CoordinateRow(1, 1)]), "C24 'B :' S3 '1070.700' S5 '2070.720'");
  EXPECT_EQ(Describe(lines.back()),
            "C24 '角度配赋后导线相对精度 : 1/m=1/' ' " + std::string(texts::kTextNoMisclosure) + "'");

  TraverseRecord huge = OneSide();
  huge.accuracyComputed = false;
  EXPECT_EQ(Describe(BuildReport(huge).back()),
            "C24 '角度配赋后导线相对精度 : 1/m=1/' ' " + std::string(texts::kTextOutOfRange) + "'");
}

TEST(Report, PrintsTheSameLinesEveryTimeAndLeavesTheRecordAlone) {
  const TraverseRecord before = OneSide();
  TraverseRecord record = before;
  ScriptedToolkit toolkit;
  PrintReport(toolkit, record);
  const std::vector<Event> first = toolkit.events();
  toolkit.ClearEvents();
  PrintReport(toolkit, record);
  const std::vector<Event> second = toolkit.events();

  // Position, face, heading size, the heading, body size, the rest, the end.
  ASSERT_EQ(first.size(), 3u + 37u + 1u + 1u);
  EXPECT_EQ(first[0].kind, Event::Kind::kPrintPosition);
  EXPECT_EQ(first[0].a, 2000.0f);
  EXPECT_EQ(first[0].b, 1000.0f);
  EXPECT_EQ(first[1].kind, Event::Kind::kPrintFont);
  EXPECT_EQ(first[1].text, "宋体");
  EXPECT_EQ(first[2].kind, Event::Kind::kPrintFontSize);
  EXPECT_EQ(first[2].a, 12.0f);
  EXPECT_EQ(first[3].kind, Event::Kind::kPrintLine);
  EXPECT_EQ(first[4].kind, Event::Kind::kPrintFontSize);
  EXPECT_EQ(first[4].a, 10.0f);
  EXPECT_EQ(first.back().kind, Event::Kind::kEndPrint);

  const std::vector<PrintLineItems> built = BuildReport(record);
  std::vector<PrintLineItems> printed;
  for (const Event& e : first) {
    if (e.kind == Event::Kind::kPrintLine) printed.push_back(e.items);
  }
  EXPECT_EQ(printed, built);

  ASSERT_EQ(second.size(), first.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(second[i].kind, first[i].kind);
    EXPECT_EQ(second[i].items, first[i].items);
  }
  EXPECT_EQ(BuildReport(record), built);
  EXPECT_EQ(record.PointName, before.PointName);
  EXPECT_EQ(record.TurnAngle, before.TurnAngle);
  EXPECT_EQ(record.Xp, before.Xp);
  EXPECT_EQ(record.m, before.m);
}

TEST(Report, NothingIsPrintedWithoutAFinishedRun) {
  TraverseRecord stopped = OneSide();
  stopped.complete = false;
  TraverseRecord shortArrays = OneSide();
  shortArrays.Xp.resize(1);
  for (const TraverseRecord& r : {TraverseRecord{}, stopped, shortArrays}) {
    ScriptedToolkit toolkit;
    PrintReport(toolkit, r);
    EXPECT_EQ(toolkit.notices(), std::vector<std::string>{std::string(texts::kNoticeNothingToPrint)});
    EXPECT_EQ(toolkit.events().size(), 1u);
    EXPECT_TRUE(BuildReport(r).empty());
  }
}

}  // namespace
}  // namespace koravel::testing

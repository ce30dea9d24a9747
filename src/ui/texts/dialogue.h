// Every text the adjustment dialogue and the result display show: prompts,
// field texts, echo labels, unit texts and the notices of the program. Texts
// with a number inside are built by the small functions next to their pieces;
// the number is always written with Int16Text. Several prompts end with a
// blank, and the blanks are part of the text.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "adjust/numbers.h"

namespace koravel::texts {

namespace detail {
// a, the number, b and then c, written into one string sized once.
inline std::string Join(std::string_view a, std::int16_t n, std::string_view b, std::string_view c = {}) {
  const std::string number = Int16Text(n);  // at most six bytes: no allocation
  std::string s(a.size() + number.size() + b.size() + c.size(), '\0');
  char* at = s.data();
  for (const std::string_view piece : {a, std::string_view(number), b, c}) {
    at = std::copy(piece.begin(), piece.end(), at);
  }
  return s;
}
}  // namespace detail

// ---------------------------------------------------------------------------
// The number of points.

inline constexpr std::string_view kPromptPointCount =
    "请输入导线的点数 N （N 点数中不包括已知点 A ,但应包括已知点 B )";

// Text1: the points of the traverse, A included.
inline constexpr std::string_view kPointCountBefore = "本导线含已知点共有";
inline constexpr std::string_view kPointCountAfter = "个导线点";
inline std::string PointCountMessage(std::int16_t pointsWithA) {
  return detail::Join(kPointCountBefore, pointsWithA, kPointCountAfter);
}

// ---------------------------------------------------------------------------
// The known points: value prompt, first confirmation, re-entry, second
// confirmation of each.

inline constexpr std::string_view kPromptXa = "请输入起始点 A 的纵座标 Xa ";
inline constexpr std::string_view kConfirmXa =
    "A 点纵座标 Xa 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";
inline constexpr std::string_view kReEnterXa = "输入起始点 A 正确的纵座标 Xa ";
inline constexpr std::string_view kConfirmAgainXa =
    "这次 A 点的纵座标 Xa 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";

inline constexpr std::string_view kPromptYa = "请输入起始点 A 的横座标 Ya ";
inline constexpr std::string_view kConfirmYa =
    "A 点横座标 Ya 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";
inline constexpr std::string_view kReEnterYa = "输入起始点 A 正确的横座标 Ya ";
inline constexpr std::string_view kConfirmAgainYa =
    "这次 A 点的横座标 Ya 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";

inline constexpr std::string_view kPromptXb = "请输入闭合点 B 的纵座标 Xb ";
inline constexpr std::string_view kConfirmXb =
    "B 点纵座标 Xb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";
inline constexpr std::string_view kReEnterXb = "输入起始点 B 正确的纵座标 Xb ";
inline constexpr std::string_view kConfirmAgainXb =
    "这次 B 点的纵座标 Xb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";

inline constexpr std::string_view kPromptYb = "请输入闭合点 B 的横座标 Yb ";
inline constexpr std::string_view kConfirmYb =
    "B 点横座标 Yb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";
inline constexpr std::string_view kReEnterYb = "请输入闭合点 B 正确的横座标 Yb ";
inline constexpr std::string_view kConfirmAgainYb =
    "这次 B 点横座标 Yb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";

inline constexpr std::string_view kPromptTa =
    "请输入起始点 A 的外方位角 Ta (Ta 的方向为自起始点 A 向外)";
inline constexpr std::string_view kConfirmTa =
    "起始点 A 的外方位角 Ta 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";
inline constexpr std::string_view kReEnterTa = "输入起始点 A 正确的外方位角 Ta ";
inline constexpr std::string_view kConfirmAgainTa =
    "这次起始点 A 的外方位角 Ta 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";

inline constexpr std::string_view kPromptTb =
    "请输入闭合点 B 的外方位角 Tb (Tb 的方向为自闭合点 B 向外)";
inline constexpr std::string_view kConfirmTb =
    "闭合点 B 的外方位角 Tb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";
inline constexpr std::string_view kReEnterTb = "输入闭合点 B 正确的外方位角 Tb ";
inline constexpr std::string_view kConfirmAgainTb =
    "这次闭合点 B 的外方位角 Tb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";

// Echo of a known value: one blank, then the number.
inline constexpr std::string_view kKnownValueEchoLead = " ";

// ---------------------------------------------------------------------------
// The stations. Text22 (which point's name is asked), the name prompt, Text10
// (the name just entered), Text20 (which angle), Text21 (which side).

inline constexpr std::string_view kNameHintA = "现在输入 A 点的点号";
inline constexpr std::string_view kNameHintNewPoint = "现在输入转角点";
inline constexpr std::string_view kNameHintB = "现在输入B点的点号";

inline constexpr std::string_view kPromptNameA = "请输入自起始点 A 点的点号";
inline constexpr std::string_view kPromptNameNewPointBefore = "请按路线顺序依次输入导线第";
inline constexpr std::string_view kPromptNameNewPointAfter = "个转角点的点号";
inline std::string PromptNameNewPoint(std::int16_t k) {
  return detail::Join(kPromptNameNewPointBefore, k, kPromptNameNewPointAfter);
}
inline constexpr std::string_view kPromptNameB = "请输入自闭合点 B 点的点号";

// Text10 and the point names of the result display: two blanks, then the name.
inline constexpr std::string_view kNameLead = "  ";
inline std::string NameText(std::string_view name) {
  std::string s;
  s.reserve(kNameLead.size() + name.size());
  s += kNameLead;
  s += name;
  return s;
}

inline constexpr std::string_view kAngleHintA = "现在输入A点转角";
inline constexpr std::string_view kAngleHintNewPointBefore = "现在输入转角 ";
inline constexpr std::string_view kAngleHintNewPointAfter = "的数值";
inline std::string AngleHintNewPoint(std::int16_t c) {
  return detail::Join(kAngleHintNewPointBefore, c, kAngleHintNewPointAfter);
}
inline constexpr std::string_view kAngleHintB = "现在输入B点转角";

inline constexpr std::string_view kSideHintBefore = "现在输入";
inline constexpr std::string_view kSideHintAfter = "边长";
inline std::string SideHint(std::int16_t c) { return detail::Join(kSideHintBefore, c, kSideHintAfter); }

// The angle at A (angle number c, c = 1).
inline constexpr std::string_view kPromptAngleABefore = "请输入位于 A 点的第 ";
inline constexpr std::string_view kPromptAngleAAfter = " 个转角数值( 转角为左角 ) :";
inline std::string PromptAngleA(std::int16_t c) { return detail::Join(kPromptAngleABefore, c, kPromptAngleAAfter); }
inline constexpr std::string_view kConfirmAngleA =
    "A 点的转角 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";
inline constexpr std::string_view kReEnterAngleABefore = "输入位于 A 点的第 ";
inline constexpr std::string_view kReEnterAngleAAfter = " 个转角正确的数值( 转角为左角 ) :";
inline std::string ReEnterAngleA(std::int16_t c) { return detail::Join(kReEnterAngleABefore, c, kReEnterAngleAAfter); }
inline constexpr std::string_view kConfirmAgainAngleA =
    "这次 A 点的转角输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";

// The angle at new point k, asked as angle number c = k + 1.
inline constexpr std::string_view kPromptAngleBefore = "请输入导线第 ";
inline constexpr std::string_view kPromptAngleAfter = " 个转角数值 ( 转角为左角 ) : ";
inline std::string PromptAngle(std::int16_t c) { return detail::Join(kPromptAngleBefore, c, kPromptAngleAfter); }
inline constexpr std::string_view kConfirmAngleBefore = "确认第 ";
inline constexpr std::string_view kConfirmAngleAfter =
    " 个转角输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";
inline std::string ConfirmAngle(std::int16_t c) { return detail::Join(kConfirmAngleBefore, c, kConfirmAngleAfter); }
inline constexpr std::string_view kReEnterAngleBefore = "输入导线第 ";
inline constexpr std::string_view kReEnterAngleAfter = " 个转角正确的数值 :";
inline std::string ReEnterAngle(std::int16_t c) { return detail::Join(kReEnterAngleBefore, c, kReEnterAngleAfter); }
inline constexpr std::string_view kConfirmAgainAngleBefore = "确认这次第 ";
inline constexpr std::string_view kConfirmAgainAngleAfter =
    " 个转角的数值输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";
inline std::string ConfirmAgainAngle(std::int16_t c) {
  return detail::Join(kConfirmAgainAngleBefore, c, kConfirmAgainAngleAfter);
}

// The angle at B, asked as angle number N + 1; every confirmation of it has
// the same text.
inline constexpr std::string_view kPromptAngleBBefore = "请输入导线位于闭合点 B 点的第 ";
inline constexpr std::string_view kPromptAngleBAfter = " 个转角数值 ( 转角为左角 )";
inline std::string PromptAngleB(std::int16_t n1) { return detail::Join(kPromptAngleBBefore, n1, kPromptAngleBAfter); }
inline constexpr std::string_view kConfirmAngleB =
    "确认闭合点 B 点的转角输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";
inline constexpr std::string_view kReEnterAngleBBefore = "请输入导线位于闭合点 B 点的第 ";
inline constexpr std::string_view kReEnterAngleBAfter = " 个转角正确的数值 ( 转角为左角 )";
inline std::string ReEnterAngleB(std::int16_t n1) {
  return detail::Join(kReEnterAngleBBefore, n1, kReEnterAngleBAfter);
}

// Side c. Side 1 and the later sides differ in their confirmation texts
// ("输入的数值" against "的数值输入").
inline constexpr std::string_view kPromptSideBefore = "请输入第 ";
inline constexpr std::string_view kPromptSideAfter = " 条观测边长的数值 (以米为单位) :";
inline std::string PromptSide(std::int16_t c) { return detail::Join(kPromptSideBefore, c, kPromptSideAfter); }
inline constexpr std::string_view kReEnterSideBefore = "输入第 ";
inline constexpr std::string_view kReEnterSideAfter = " 条观测边长正确的数值 (以米为单位) :";
inline std::string ReEnterSide(std::int16_t c) { return detail::Join(kReEnterSideBefore, c, kReEnterSideAfter); }

inline constexpr std::string_view kConfirmSideBefore = "确认第 ";
inline constexpr std::string_view kConfirmSide1After =
    " 条观测边长输入的数值是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";
inline constexpr std::string_view kConfirmSideAfter =
    " 条观测边长的数值输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";
inline std::string ConfirmSide(std::int16_t c) {
  return detail::Join(kConfirmSideBefore, c, c == 1 ? kConfirmSide1After : kConfirmSideAfter);
}
inline constexpr std::string_view kConfirmAgainSideBefore = "确认这次第 ";
inline std::string ConfirmAgainSide(std::int16_t c) {
  return detail::Join(kConfirmAgainSideBefore, c, c == 1 ? kConfirmSide1After : kConfirmSideAfter);
}

// Echo labels: angle k is "B" + k + "=", B's angle "b" + N + "=", side c
// "S" + c + "=".
inline constexpr std::string_view kAngleEchoLabel = "B";
inline constexpr std::string_view kAngleEchoLabelB = "b";
inline constexpr std::string_view kSideEchoLabel = "S";
inline constexpr std::string_view kEchoEquals = "=";
inline std::string AngleEcho(std::int16_t k, std::string_view value) {
  return detail::Join(kAngleEchoLabel, k, kEchoEquals, value);
}
inline std::string AngleEchoB(std::int16_t n, std::string_view value) {
  return detail::Join(kAngleEchoLabelB, n, kEchoEquals, value);
}
inline std::string SideEcho(std::int16_t c, std::string_view value) {
  return detail::Join(kSideEchoLabel, c, kEchoEquals, value);
}

// ---------------------------------------------------------------------------
// The result display.

inline constexpr std::string_view kPromptShowPoint = "需要显示座标请按 OK键,或输入不等于另的任意键";
inline constexpr std::string_view kShowingResults = "现在显示计算结果";

inline constexpr std::string_view kUnitSeconds = "秒";
inline constexpr std::string_view kUnitMillimetres = "毫米";
inline constexpr std::string_view kUnitMetres = "米";
inline constexpr std::string_view kAccuracyPrefix = "1/";
// Text13: two blanks, then fb.
inline constexpr std::string_view kMisclosureLead = "  ";

// Shown, and printed, in place of a value that cannot be computed: the
// adjusted coordinates and 1/m when the traverse length is zero.
inline constexpr std::string_view kTextNotComputable = "无法计算";
// In place of 1/m when the traverse closes exactly (no linear misclosure).
inline constexpr std::string_view kTextNoMisclosure = "无闭合差";
// In place of a number too large to be written: m beyond 32 bits, or a
// coordinate misclosure whose millimetres have no 32-bit value.
inline constexpr std::string_view kTextOutOfRange = "数值超出范围";

// ---------------------------------------------------------------------------
// Notices: what the program tells the user where the dialogue has no prompt.

// The reply to the N prompt is not a number (or not a usable one).
inline constexpr std::string_view kNoticeCountUnreadable =
    "输入的内容不是可以使用的数字。导线的点数 N 应为 1 至 32766 之间的整数，请重新输入。";
// N is a number outside 1 ... 32766.
inline constexpr std::string_view kNoticeCountOutOfRange =
    "点数 N 超出范围。N 应为 1 至 32766 之间的整数，请重新输入。";
// A coordinate, angle or side reply that is not a number, or beyond the width
// of the value.
inline constexpr std::string_view kNoticeValueUnreadable =
    "输入的内容不是可以使用的数值（不是数字，或数值超出范围）。请重新输入一个数值。";
// The external azimuth already echoed and confirmed does not read as a number.
inline constexpr std::string_view kNoticeAzimuthUnreadable =
    "刚才确认的外方位角不是可以使用的数值（不是数字，或数值超出范围）。请重新输入外方位角。";
// An external azimuth too large to be converted to degrees.
inline constexpr std::string_view kNoticeAzimuthTooLarge =
    "这个外方位角的数值过大，无法换算为度。请重新输入外方位角。";
// A turning angle too large to carry the azimuth.
inline constexpr std::string_view kNoticeAngleTooLarge =
    "这个转角的数值过大，无法由它推算方位角。请重新输入这个转角。";
// A side too large to give coordinates or the traverse length.
inline constexpr std::string_view kNoticeSideTooLarge =
    "这条边长的数值过大，无法由它推算座标或导线全长。请重新输入这条边长。";
// B's angle gives an azimuth misclosure that cannot be computed.
inline constexpr std::string_view kNoticeAngleBTooLarge =
    "由这个转角推算的方位角与闭合点 B 的外方位角 Tb 相差过大，方位角闭合差无法计算。"
    "请重新输入 B 点的转角。";
// The traverse length is zero: nothing can be distributed by side length.
inline constexpr std::string_view kNoticeZeroLength =
    "导线全长为零，座标闭合差无法按边长分配，导线相对精度也无法计算。"
    "除起始点 A 外，各点座标显示为“无法计算”。";
// The traverse closes exactly after the angle distribution.
inline constexpr std::string_view kNoticeExactClosure =
    "角度配赋后座标闭合差为零，导线闭合无误差，相对精度 1/m 无法计算。座标已正常平差。";
// m has no 32-bit value.
inline constexpr std::string_view kNoticeAccuracyOutOfRange =
    "导线相对闭合差过小，1/m 的分母 m 超出可以表示的范围，相对精度无法显示。座标已正常平差。";
// A closing computation without a result (absurd entries only): the run ends.
inline constexpr std::string_view kNoticeClosingFailed =
    "输入的数值过大，平差计算无法完成。本次计算已停止，请检查数据后重新计算。";

}  // namespace koravel::texts

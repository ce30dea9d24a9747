// Every text the window shows of its own: the captions of its labels and
// buttons (blanks included: the layout relies on them for spacing and for the
// line breaks of the two-line labels), the titles of its message boxes, and
// the few words the window program says outside the adjustment dialogue.
#pragma once

#include <string_view>

namespace koravel::texts {

// The window's caption and the title of its prompts and message boxes.
inline constexpr std::string_view kWindowTitle = "Koravel";

// ---------------------------------------------------------------------------
// Captions, by control, in the order of the window's groups: title and point
// count, start data, accuracy statistics, calculation results, observation
// data, buttons.

inline constexpr std::string_view kCaptionLabel1 = "K o r a v e l";
inline constexpr std::string_view kCaptionLabel3 = "导线点个数说明";
inline constexpr std::string_view kCaptionLabel2 = "(起始数据）";
inline constexpr std::string_view kCaptionLabel4 = "起始点纵座标 ";
inline constexpr std::string_view kCaptionLabel27 = "Xa";
inline constexpr std::string_view kCaptionLabel5 = "起始点横座标 ";
inline constexpr std::string_view kCaptionLabel28 = "Ya";
inline constexpr std::string_view kCaptionLabel6 = "闭合点纵座标 ";
inline constexpr std::string_view kCaptionLabel29 = "Xb";
inline constexpr std::string_view kCaptionLabel7 = "闭合点横座标";
inline constexpr std::string_view kCaptionLabel30 = "Yb";
inline constexpr std::string_view kCaptionLabel8 = "位于起始点处   外方位角 ";
inline constexpr std::string_view kCaptionLabel31 = "Ta";
inline constexpr std::string_view kCaptionLabel9 = "位于闭合点处   外方位角 ";
inline constexpr std::string_view kCaptionLabel32 = "Tb";
inline constexpr std::string_view kCaptionLabel22 = "( 精 度 统 计 )";
inline constexpr std::string_view kCaptionLabel17 = "方位角闭合差 ";
inline constexpr std::string_view kCaptionLabel33 = "fb";
inline constexpr std::string_view kCaptionLabel23 = "   纵座标闭合差    （未经过角度配赋） ";
inline constexpr std::string_view kCaptionLabel34 = "Fx";
inline constexpr std::string_view kCaptionLabel24 = "   横座标闭合差   （未经过角度配赋） ";
inline constexpr std::string_view kCaptionLabel35 = "Fy";
inline constexpr std::string_view kCaptionLabel18 = "  纵座标闭合差  （经过角度配赋） ";
inline constexpr std::string_view kCaptionLabel36 = "Fx";
inline constexpr std::string_view kCaptionLabel19 = "  横座标闭合差  （经过角度配赋） ";
inline constexpr std::string_view kCaptionLabel37 = "Fy";
inline constexpr std::string_view kCaptionLabel20 = "导线全长";
inline constexpr std::string_view kCaptionLabel38 = " [ S ]";
inline constexpr std::string_view kCaptionLabel21 = "导线相对闭合差            1/M";
inline constexpr std::string_view kCaptionLabel39 = "1/m";
inline constexpr std::string_view kCaptionLabel13 = "(计 算 结 果）";
inline constexpr std::string_view kCaptionLabel42 = "点名提示";
inline constexpr std::string_view kCaptionLabel14 = " 点  名";
inline constexpr std::string_view kCaptionLabel15 = "纵 座 标";
inline constexpr std::string_view kCaptionLabel40 = "Xp";
inline constexpr std::string_view kCaptionLabel16 = " 横 座 标 ";
inline constexpr std::string_view kCaptionLabel41 = "Yp";
inline constexpr std::string_view kCaptionLabel10 = "（观测数据)";
inline constexpr std::string_view kCaptionLabel11 = "提示输入角度";
inline constexpr std::string_view kCaptionLabel25 = "导线转角";
inline constexpr std::string_view kCaptionLabel12 = "提示输入边长";
inline constexpr std::string_view kCaptionLabel26 = "观测边长";
inline constexpr std::string_view kCaptionCommand1 = "平差计算";
inline constexpr std::string_view kCaptionCommand2 = "终止计算";
inline constexpr std::string_view kCaptionCommand3 = "打 印";

// ---------------------------------------------------------------------------
// The message shown when a reply cannot be used: answer again, or stop the run.
inline constexpr std::string_view kRetryAnswerAgain = "重新输入";
inline constexpr std::string_view kRetryStopRun = "终止计算";

// Started where there is no screen to show the window on.
inline constexpr std::string_view kNoDisplay =
    "没有图形显示 (no display): koravel 需要图形界面，请在终端中使用 koravel-console。";

}  // namespace koravel::texts

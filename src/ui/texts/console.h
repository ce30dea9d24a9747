// The texts of the terminal program: its usage line, what it says when the
// input ends, and, for the person-friendly output, the caption of each window
// field (the label beside it in the window, with the field's symbol).
#pragma once

#include <string_view>

#include "ui/toolkit.h"

namespace koravel::texts {

inline constexpr std::string_view kConsoleUsage = "用法: koravel-console [--trace] [--report]";
inline constexpr std::string_view kConsoleHelp =
    "koravel-console: 附合导线近似平差计算（终端版）。\n"
    "每个提示从标准输入读取一行作为回答；空行等于按“取消”。\n"
    "  --trace   每个事件输出一行（prompt、field、notice、print，以 TAB 分隔）\n"
    "  --report  计算完成后输出打印报告\n"
    "退出状态: 0 计算完成; 1 本次计算无法完成; 2 参数错误; 3 输入在计算完成前结束";

// The replies ended while a prompt was waiting: the run stops there.
inline constexpr std::string_view kNoticeInputEnded = "输入已结束，本次平差计算未完成，已停止。";
// The output could not be written (a full disk, a closed pipe).
inline constexpr std::string_view kConsoleWriteFailed = "koravel-console: 无法写出输出结果。";

// Person-friendly output: what stands before a prompt's reply, a notice and
// the printed report.
inline constexpr std::string_view kConsoleReplyMarker = "> ";
inline constexpr std::string_view kConsoleNoticeLead = "【提示】";
inline constexpr std::string_view kConsoleCaptionEnd = "： ";
inline constexpr std::string_view kConsoleReportBegin = "======== 打印报告 ========";
inline constexpr std::string_view kConsoleReportEnd = "======== 报告结束 ========";

// The window's caption of each field.
inline std::string_view FieldCaption(Field field) {
  switch (field) {
    case Field::Text1: return "导线点个数说明";
    case Field::Text2: return "起始点纵座标 Xa";
    case Field::Text3: return "起始点横座标 Ya";
    case Field::Text4: return "闭合点纵座标 Xb";
    case Field::Text5: return "闭合点横座标 Yb";
    case Field::Text6: return "位于起始点处外方位角 Ta";
    case Field::Text7: return "位于闭合点处外方位角 Tb";
    case Field::Text8: return "导线转角";
    case Field::Text9: return "观测边长";
    case Field::Text10: return "点名";
    case Field::Text11: return "纵座标 Xp";
    case Field::Text12: return "横座标 Yp";
    case Field::Text13: return "方位角闭合差 fb";
    case Field::Text14: return "纵座标闭合差（经过角度配赋） Fx";
    case Field::Text15: return "横座标闭合差（经过角度配赋） Fy";
    case Field::Text16: return "导线全长 [S]";
    case Field::Text17: return "导线相对闭合差 1/m";
    case Field::Text18: return "纵座标闭合差（未经过角度配赋） Fx";
    case Field::Text19: return "横座标闭合差（未经过角度配赋） Fy";
    case Field::Text20: return "提示输入角度";
    case Field::Text21: return "提示输入边长";
    case Field::Text22: return "点名提示";
  }
  return {};
}

}  // namespace koravel::texts

// Every text of the printed report. The blanks are part of the texts: row
// names end in a blank and a colon, and the misclosure labels keep two blanks
// before their symbol.
#pragma once

#include <string_view>

namespace koravel::texts {

// The face and the sizes of the report: the heading, then every other line.
inline constexpr std::string_view kReportFace = "宋体";
inline constexpr float kReportHeadingSize = 12;
inline constexpr float kReportBodySize = 10;

inline constexpr std::string_view kReportHeading = "---- Koravel ----";

// The known points.
inline constexpr std::string_view kReportStartData = "起始点座标 :";
inline constexpr std::string_view kReportNameHead = "点名";
inline constexpr std::string_view kReportXHead = "X";
inline constexpr std::string_view kReportYHead = "Y";
// After every row name: a point name, a row number or an azimuth label.
inline constexpr std::string_view kReportRowNameEnd = " :";
inline constexpr std::string_view kReportAzimuthA = "A 点外方位角";
inline constexpr std::string_view kReportAzimuthB = "B 点外方位角";

// The observations.
inline constexpr std::string_view kReportAnglesObserved = "观测角( 度,分,秒 ) :";
inline constexpr std::string_view kReportAnglesAdjusted = "平差角( 度,分,秒 ) :";
inline constexpr std::string_view kReportSides = "观测边(米) :";

// The misclosures and the coordinates.
inline constexpr std::string_view kReportMisclosures = "条件方程闭合差 :";
inline constexpr std::string_view kReportAzimuthMisclosure = "方位角闭合差 :  wb=";
// Before each misclosure value: a blank, where a negative value shows its sign
// after it.
inline constexpr std::string_view kReportValueLead = " ";
inline constexpr std::string_view kReportSecondsTail = " 秒";
inline constexpr std::string_view kReportMillimetresTail = " 毫米";
inline constexpr std::string_view kReportCoordinates = "导线点座标 :";
inline constexpr std::string_view kReportCoordinatesHeadLead = "";
inline constexpr std::string_view kReportBeforeDistribution = "角度配赋前座标闭合差 :";
inline constexpr std::string_view kReportAfterDistribution = "角度配赋后座标闭合差 :";
inline constexpr std::string_view kReportXMisclosure = "纵座标闭合差 :  wx=";
inline constexpr std::string_view kReportYMisclosure = "横座标闭合差 :  wy=";
inline constexpr std::string_view kReportAccuracy = "角度配赋后导线相对精度 : 1/m=1/";

// Told instead of printing when no run has reached its end since start-up, or
// the last run stopped before its results.
inline constexpr std::string_view kNoticeNothingToPrint =
    "还没有完成的平差计算，没有可以打印的报告。请先完成一次平差计算，再打印。";

}  // namespace koravel::texts

#include "ui/report.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "adjust/angles.h"
#include "adjust/coordinates.h"
#include "adjust/numbers.h"
#include "ui/texts/dialogue.h"
#include "ui/texts/report.h"

namespace koravel {
namespace {

namespace t = texts;
using Item = PrintItem;

std::string Join(std::string_view a, std::string_view b, std::string_view c = {}) {
  std::string s;
  s.reserve(a.size() + b.size() + c.size());
  s += a;
  s += b;
  s += c;
  return s;
}

// The fixed-decimal forms of the report. A value without a finite form (which
// a finished run never leaves) is named as such rather than printed as garbage.
template <typename T>
std::string Fixed(T value, int decimals) {
  if (!std::isfinite(value)) return std::string(t::kTextOutOfRange);
  return FixedText(value, decimals);
}
template <typename T>
std::string RoundedFixed(T value, int decimals) {
  return Fixed(std::isfinite(value) ? RoundHalfEven(value, decimals) : value, decimals);
}

// A coordinate misclosure in millimetres, or the text saying it has none.
std::string MillimetreValue(float metres) {
  const std::optional<std::string> millimetres = MillimetreText(metres);
  if (!millimetres) return Join(t::kReportValueLead, t::kTextOutOfRange);
  return Join(t::kReportValueLead, *millimetres, t::kReportMillimetresTail);
}

std::string RowName(std::string_view name) { return Join(name, t::kReportRowNameEnd); }
std::string RowNumber(int i) { return RowName(Int16Text(static_cast<std::int16_t>(i))); }

// Whether the record holds a finished run whose arrays reach point N.
bool Printable(const TraverseRecord& r) {
  if (!r.complete || r.N < 1) return false;
  const auto reaches = [&](std::size_t size) { return size > static_cast<std::size_t>(r.N); };
  return reaches(r.PointName.size()) && reaches(r.SideLength.size()) && reaches(r.TurnAngle.size()) &&
         reaches(r.TurnAngleDms.size()) && reaches(r.Xp.size()) && reaches(r.Yp.size());
}

// The text in place of 1/m when the run could not compute it.
std::string_view AccuracyNotComputed(const TraverseRecord& r) {
  if (!r.coordinatesAdjusted) return t::kTextNotComputable;
  if (LinearMisclosure({r.FxAfter, r.FyAfter}) == 0) return t::kTextNoMisclosure;
  return t::kTextOutOfRange;
}

// The rows of the long tables, built again and again in one line whose items
// keep their storage: a traverse of thousands of points then costs no
// allocation per row.
class Row {
 public:
  Row& Start() {
    used_ = 0;
    return *this;
  }
  Row& Column(std::int16_t n) { return Count(PrintItem::Kind::kColumn, n); }
  Row& Spaces(std::int16_t n) { return Count(PrintItem::Kind::kSpaces, n); }
  Row& Text(std::string_view text) {
    PrintItem& item = Next(PrintItem::Kind::kText);
    item.text.assign(text);
    return *this;
  }
  const PrintLineItems& Done() {
    items_.resize(used_);
    return items_;
  }

 private:
  PrintItem& Next(PrintItem::Kind kind) {
    if (used_ == items_.size()) items_.emplace_back();
    PrintItem& item = items_[used_++];
    item.kind = kind;
    item.count = 0;
    item.number = 0;
    return item;
  }
  Row& Count(PrintItem::Kind kind, std::int16_t n) {
    PrintItem& item = Next(kind);
    item.count = n;
    item.text.clear();
    return *this;
  }
  PrintLineItems items_;
  std::size_t used_ = 0;
};

// Hands the report's lines, the heading first, one by one to `emit`: every
// line is built here and nowhere else, whether it is collected or printed.
template <typename Emit>
void EmitReport(const TraverseRecord& r, Emit&& emit) {
  const int n = r.N;
  const PrintLineItems empty;
  Row row;

  emit(PrintLineItems{Item::Column(28), Item::Text(std::string(t::kReportHeading))});  // H
  emit(empty);                                                                       // L1
  emit(empty);                                                                       // L2
  emit(PrintLineItems{Item::Column(22), Item::Text(std::string(t::kReportStartData))});
  emit(empty);  // L4
  emit(PrintLineItems{Item::Column(27), Item::Text(std::string(t::kReportNameHead)), Item::Column(35),
                      Item::Text(std::string(t::kReportXHead)), Item::Column(50),
                      Item::Text(std::string(t::kReportYHead))});
  emit(PrintLineItems{Item::Column(27), Item::Text(RowName(r.PointName[0])), Item::Spaces(3),
                      Item::Text(Fixed(r.Xa, 3)), Item::Spaces(5), Item::Text(Fixed(r.Ya, 3))});
  emit(PrintLineItems{Item::Column(27), Item::Text(RowName(r.PointName[n])), Item::Spaces(3),
                      Item::Text(Fixed(r.Xb, 3)), Item::Spaces(5), Item::Text(Fixed(r.Yb, 3))});
  emit(empty);  // L8
  emit(PrintLineItems{Item::Column(27), Item::Text(RowName(t::kReportAzimuthA)), Item::Text(Fixed(r.Ta, 5))});
  emit(PrintLineItems{Item::Column(27), Item::Text(RowName(t::kReportAzimuthB)), Item::Text(Fixed(r.Tb, 5))});
  emit(empty);  // L11
  emit(PrintLineItems{Item::Column(22), Item::Text(std::string(t::kReportAnglesObserved)), Item::Spaces(3),
                      Item::Text(std::string(t::kReportAnglesAdjusted))});

  // Observed angles as confirmed, adjusted angles back in packed DMS.
  for (int i = 0; i <= n; ++i) {
    emit(row.Start()
             .Column(24).Text(RowNumber(i))
             .Column(30).Text(Fixed(r.TurnAngleDms[i], 5))
             .Column(48).Text(RoundedFixed(DegreesToDms(r.TurnAngle[i]), 5))
             .Done());
  }

  emit(empty);  // L13
  emit(PrintLineItems{Item::Column(22), Item::Text(std::string(t::kReportSides))});
  for (int i = 1; i <= n; ++i) {
    emit(row.Start().Column(24).Text(RowNumber(i)).Column(30).Text(Fixed(r.SideLength[i], 4)).Done());
  }

  emit(empty);  // L15
  emit(PrintLineItems{Item::Column(22), Item::Text(std::string(t::kReportMisclosures))});
  emit(empty);  // L17
  emit(PrintLineItems{Item::Column(24), Item::Text(std::string(t::kReportAzimuthMisclosure)),
                      Item::Text(Join(t::kReportValueLead, RoundedFixed(r.fb, 2), t::kReportSecondsTail))});
  emit(empty);  // L19
  emit(PrintLineItems{Item::Column(22), Item::Text(std::string(t::kReportCoordinates))});
  emit(PrintLineItems{Item::Column(24), Item::Text(std::string(t::kReportCoordinatesHeadLead)), Item::Spaces(9),
                      Item::Text(std::string(t::kReportXHead)), Item::Spaces(13),
                      Item::Text(std::string(t::kReportYHead))});

  // Without a distribution (every side 0) only A's coordinates are known.
  for (int i = 0; i <= n; ++i) {
    row.Start().Column(24).Text(RowName(r.PointName[i])).Spaces(3);
    if (r.coordinatesAdjusted || i == 0) {
      row.Text(RoundedFixed(r.Xp[i], 3)).Spaces(5).Text(RoundedFixed(r.Yp[i], 3));
    } else {
      row.Text(t::kTextNotComputable);
    }
    emit(row.Done());
  }

  emit(PrintLineItems{Item::Column(22), Item::Text(std::string(t::kReportBeforeDistribution))});
  emit(empty);  // L23
  emit(PrintLineItems{Item::Column(24), Item::Text(std::string(t::kReportXMisclosure)),
                      Item::Text(MillimetreValue(r.FxBefore))});
  emit(PrintLineItems{Item::Column(24), Item::Text(std::string(t::kReportYMisclosure)),
                      Item::Text(MillimetreValue(r.FyBefore))});
  emit(empty);  // L26
  emit(PrintLineItems{Item::Column(22), Item::Text(std::string(t::kReportAfterDistribution))});
  emit(empty);  // L28
  emit(PrintLineItems{Item::Column(24), Item::Text(std::string(t::kReportXMisclosure)),
                      Item::Text(MillimetreValue(r.FxAfter))});
  emit(PrintLineItems{Item::Column(24), Item::Text(std::string(t::kReportYMisclosure)),
                      Item::Text(MillimetreValue(r.FyAfter))});
  if (r.accuracyComputed && std::isfinite(r.m)) {
    emit(PrintLineItems{Item::Column(24), Item::Text(std::string(t::kReportAccuracy)), Item::Number(r.m)});
  } else {
    emit(PrintLineItems{Item::Column(24), Item::Text(std::string(t::kReportAccuracy)),
                        Item::Text(Join(t::kReportValueLead, AccuracyNotComputed(r)))});
  }
}

}  // namespace

std::vector<PrintLineItems> BuildReport(const TraverseRecord& record) {
  std::vector<PrintLineItems> lines;
  if (!Printable(record)) return lines;
  lines.reserve(34 + 3 * static_cast<std::size_t>(record.N));
  EmitReport(record, [&](const PrintLineItems& line) { lines.push_back(line); });
  return lines;
}

void PrintReport(Toolkit& toolkit, const TraverseRecord& record) {
  if (!Printable(record)) {
    toolkit.Notice(NoticeKind::kInformation, t::kNoticeNothingToPrint);
    return;
  }
  toolkit.SetPrintPosition(2000, 1000);
  toolkit.SetPrintFont(t::kReportFace);
  toolkit.SetPrintFontSize(t::kReportHeadingSize);
  bool heading = true;
  // Line by line, so that a long traverse is never held twice in memory.
  EmitReport(record, [&](const PrintLineItems& line) {
    toolkit.PrintLine(line);
    if (heading) {
      toolkit.SetPrintFontSize(t::kReportBodySize);
      heading = false;
    }
  });
  toolkit.EndPrintDocument();
}

}  // namespace koravel

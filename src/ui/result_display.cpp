#include "ui/result_display.h"

#include <cstdint>
#include <optional>
#include <string>

#include "adjust/azimuths.h"
#include "adjust/coordinates.h"
#include "adjust/numbers.h"
#include "ui/texts/dialogue.h"

namespace koravel {
namespace {

namespace t = texts;

// A coordinate misclosure in millimetres with its unit.
std::string MisclosureText(float metres) {
  const std::optional<std::string> millimetres = MillimetreText(metres);
  return millimetres ? *millimetres + std::string(t::kUnitMillimetres) : std::string(t::kTextOutOfRange);
}

std::string CoordinateText(double value) { return FixedText(RoundHalfEven(value, 3), 3); }

// Ends the closing sequence when a computation has no result.
bool Fail(Toolkit& toolkit) {
  toolkit.Notice(NoticeKind::kInformation, t::kNoticeClosingFailed);
  return false;
}

// The stations one by one, each after a pause at the prompt; whatever the
// reply (zero included), the next station is shown. Without adjusted
// coordinates only A, whose coordinates are known, shows numbers. False when
// the replies end.
bool ShowPoints(Toolkit& toolkit, const TraverseRecord& record) {
  for (std::int16_t i = 0; i <= record.N; ++i) {
    if (!toolkit.PromptText(t::kPromptShowPoint)) return false;
    toolkit.SetFieldText(Field::Text22, t::kShowingResults);
    toolkit.SetFieldText(Field::Text10, t::NameText(record.PointName[i]));
    const bool known = record.coordinatesAdjusted || i == 0;
    toolkit.SetFieldText(Field::Text11, known ? CoordinateText(record.Xp[i]) : std::string(t::kTextNotComputable));
    toolkit.SetFieldText(Field::Text12, known ? CoordinateText(record.Yp[i]) : std::string(t::kTextNotComputable));
  }
  return true;
}

}  // namespace

bool CloseTraverse(Toolkit& toolkit, TraverseRecord& record, RunState& run) {
  const std::int16_t n = record.N;
  const Point a{record.Xa, record.Ya};
  const Point b{record.Xb, record.Yb};

  const std::optional<float> fb = AzimuthMisclosure(run.Azimuth, record.TurnAngle, run.TbDeg);
  if (!fb) return Fail(toolkit);
  record.fb = *fb;
  toolkit.SetFieldText(Field::Text13, std::string(t::kMisclosureLead) + Real32Text(RoundHalfEven(record.fb, 2)) +
                                          std::string(t::kUnitSeconds));

  const std::optional<Misclosure> before = MisclosuresBefore({record.Xp[n], record.Yp[n]}, b);
  if (!before) return Fail(toolkit);
  record.FxBefore = before->fx;
  record.FyBefore = before->fy;
  toolkit.SetFieldText(Field::Text18, MisclosureText(record.FxBefore));
  toolkit.SetFieldText(Field::Text19, MisclosureText(record.FyBefore));

  DistributeAngles(record.fb, record.TurnAngle, run.Azimuth);

  const std::optional<Misclosure> after = MisclosuresAfter(record.SideLength, run.Azimuth, run.DegToRad, a, b);
  if (!after) return Fail(toolkit);
  record.FxAfter = after->fx;
  record.FyAfter = after->fy;
  toolkit.SetFieldText(Field::Text14, MisclosureText(record.FxAfter));
  toolkit.SetFieldText(Field::Text15, MisclosureText(record.FyAfter));

  // With a traverse length of zero nothing can be distributed by side length:
  // the points are still shown, A with its known coordinates.
  const bool zeroLength = run.TotalLength == 0;
  if (zeroLength) {
    record.coordinatesAdjusted = false;
    toolkit.Notice(NoticeKind::kInformation, t::kNoticeZeroLength);
  } else {
    if (!AdjustCoordinates(record.Xp, record.Yp, record.SideLength, run.Azimuth, run.DegToRad,
                           run.TotalLength, *after)) {
      return Fail(toolkit);
    }
    record.coordinatesAdjusted = true;
  }

  if (!ShowPoints(toolkit, record)) return false;

  const std::optional<float> m = zeroLength ? std::nullopt : RelativeAccuracy(run.TotalLength, *after);
  record.accuracyComputed = m.has_value();
  record.m = m.value_or(0);
  toolkit.SetFieldText(Field::Text16, Real32Text(run.TotalLength) + std::string(t::kUnitMetres));
  if (m) {
    toolkit.SetFieldText(Field::Text17, std::string(t::kAccuracyPrefix) + Real32Text(*m));
  } else if (zeroLength) {
    toolkit.SetFieldText(Field::Text17, t::kTextNotComputable);
  } else if (LinearMisclosure(*after) == 0) {
    toolkit.SetFieldText(Field::Text17, t::kTextNoMisclosure);
    toolkit.Notice(NoticeKind::kInformation, t::kNoticeExactClosure);
  } else {
    toolkit.SetFieldText(Field::Text17, t::kTextOutOfRange);
    toolkit.Notice(NoticeKind::kInformation, t::kNoticeAccuracyOutOfRange);
  }
  return true;
}

}  // namespace koravel

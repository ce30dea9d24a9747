#include "entry/stations.h"

#include <array>
#include <cmath>
#include <string>

#include "adjust/angles.h"
#include "adjust/azimuths.h"
#include "adjust/coordinates.h"
#include "adjust/numbers.h"
#include "ui/texts/dialogue.h"

namespace koravel {
namespace {

namespace t = texts;

enum class Station { kA, kNewPoint, kB };

bool Finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// The angle at station k, typed in packed DMS and echoed as typed.
ConfirmedValue Angle(Station station, std::int16_t k, TraverseRecord& record, RunState& run) {
  const std::int16_t c = static_cast<std::int16_t>(k + 1);  // angles are counted from 1
  ConfirmedValue value;
  switch (station) {
    case Station::kA:
      value = ConfirmedValue::Asked(t::PromptAngleA(c), std::string(t::kConfirmAngleA),
                                    t::ReEnterAngleA(c), std::string(t::kConfirmAgainAngleA), Field::Text8,
                                    true);
      break;
    case Station::kNewPoint:
      value = ConfirmedValue::Asked(t::PromptAngle(c), t::ConfirmAngle(c), t::ReEnterAngle(c),
                                    t::ConfirmAgainAngle(c), Field::Text8);
      break;
    case Station::kB:
      value = ConfirmedValue::Asked(t::PromptAngleB(c), std::string(t::kConfirmAngleB),
                                    t::ReEnterAngleB(c), std::string(t::kConfirmAngleB), Field::Text8);
      break;
  }
  double& angle = record.TurnAngle[k];
  auto echo = [station, k, &angle](int decimals) {
    const std::string number = FixedText(angle, decimals);
    return station == Station::kB ? t::AngleEchoB(k, number) : t::AngleEcho(k, number);
  };
  value.store = [&angle, echo](std::string_view reply) -> std::optional<std::string> {
    const std::optional<double> read = ParseReal64(reply);
    if (!read) return std::nullopt;
    angle = *read;
    return echo(5);
  };
  value.unreadable = t::kNoticeValueUnreadable;
  // Only A's angle is shown with four decimals once it is accepted.
  value.confirmationEcho = [station, echo] { return echo(station == Station::kA ? 4 : 5); };

  // The angle must carry the azimuth to a finite value; B's must also give
  // an azimuth misclosure. Nothing is stored by the check.
  value.accept = [station, k, &angle, &run]() -> std::optional<std::string_view> {
    const double degrees = DmsToDegrees(angle);
    const double azimuth = AzimuthStep(run.Azimuth[k], degrees);
    if (!std::isfinite(degrees) || !std::isfinite(azimuth)) return t::kNoticeAngleTooLarge;
    if (station == Station::kB) {
      std::array<double, 2> carried = {run.Azimuth[k], 0};
      const std::array<double, 1> angleB = {degrees};
      if (!AzimuthMisclosure(carried, angleB, run.TbDeg)) return t::kNoticeAngleBTooLarge;
    }
    return std::nullopt;
  };
  return value;
}

// Side c, from station c - 1 to station c, in metres as a 32-bit value.
ConfirmedValue Side(std::int16_t c, TraverseRecord& record, RunState& run) {
  ConfirmedValue value = ConfirmedValue::Asked(t::PromptSide(c), t::ConfirmSide(c), t::ReEnterSide(c),
                                               t::ConfirmAgainSide(c), Field::Text9, c == 1);
  float& side = record.SideLength[c];
  value.store = [c, &side](std::string_view reply) -> std::optional<std::string> {
    const std::optional<float> read = ParseReal32(reply);
    if (!read) return std::nullopt;
    side = *read;
    return t::SideEcho(c, FixedText(side, 3));
  };
  value.unreadable = t::kNoticeValueUnreadable;
  value.confirmationEcho = [c, &side] { return t::SideEcho(c, FixedText(side, 3)); };

  // The side must give the far point finite coordinates and keep the
  // traverse length finite; the check stores nothing.
  value.accept = [c, &side, &record, &run]() -> std::optional<std::string_view> {
    const std::int16_t k = static_cast<std::int16_t>(c - 1);
    const double azimuth = AzimuthStep(run.Azimuth[k], DmsToDegrees(record.TurnAngle[k]));
    const Point end = CoordinateStep({record.Xp[k], record.Yp[k]}, side, azimuth, run.DegToRad);
    if (!Finite(end) || !std::isfinite(AddSide(run.TotalLength, side))) return t::kNoticeSideTooLarge;
    return std::nullopt;
  };
  return value;
}

// The name of station k, taken as typed and never confirmed. False when the
// run stops.
bool EnterName(Toolkit& toolkit, std::string_view prompt, std::string& name) {
  const std::optional<std::string> reply = toolkit.PromptText(prompt);
  if (!reply) return false;
  name = *reply;
  toolkit.SetFieldText(Field::Text10, t::NameText(name));
  return true;
}

// Keeps the angle at station k as typed and turns TurnAngle(k) into decimal
// degrees.
void ConvertAngle(std::int16_t k, TraverseRecord& record) {
  record.TurnAngleDms[k] = record.TurnAngle[k];
  record.TurnAngle[k] = DmsToDegrees(record.TurnAngle[k]);
}

}  // namespace

void CompleteStation(std::int16_t c, TraverseRecord& record, RunState& run) {
  const std::int16_t k = static_cast<std::int16_t>(c - 1);
  ConvertAngle(k, record);
  run.Azimuth[c] = AzimuthStep(run.Azimuth[k], record.TurnAngle[k]);
  const Point end = CoordinateStep({record.Xp[k], record.Yp[k]}, record.SideLength[c],
                                   run.Azimuth[c], run.DegToRad);
  record.Xp[c] = end.x;
  record.Yp[c] = end.y;
  run.TotalLength = AddSide(run.TotalLength, record.SideLength[c]);
}

EntryOutcome EnterStations(Toolkit& toolkit, TraverseRecord& record, RunState& run) {
  constexpr EntryOutcome kStopped = EntryOutcome::kStopped;
  const std::int16_t n = record.N;

  for (std::int16_t c = 1; c <= n; ++c) {
    const std::int16_t k = static_cast<std::int16_t>(c - 1);
    const bool atA = c == 1;
    toolkit.SetFieldText(Field::Text22, atA ? t::kNameHintA : t::kNameHintNewPoint);
    if (!EnterName(toolkit, atA ? std::string(t::kPromptNameA) : t::PromptNameNewPoint(k),
                   record.PointName[k])) {
      return kStopped;
    }
    toolkit.SetFieldText(Field::Text20, atA ? std::string(t::kAngleHintA) : t::AngleHintNewPoint(c));
    if (ConfirmedEntry(toolkit, run, Angle(atA ? Station::kA : Station::kNewPoint, k, record, run)) == kStopped) {
      return kStopped;
    }
    toolkit.SetFieldText(Field::Text21, t::SideHint(c));
    if (ConfirmedEntry(toolkit, run, Side(c, record, run)) == kStopped) return kStopped;
    CompleteStation(c, record, run);
  }

  toolkit.SetFieldText(Field::Text22, t::kNameHintB);
  if (!EnterName(toolkit, t::kPromptNameB, record.PointName[n])) return kStopped;
  toolkit.SetFieldText(Field::Text20, t::kAngleHintB);
  if (ConfirmedEntry(toolkit, run, Angle(Station::kB, n, record, run)) == kStopped) return kStopped;
  ConvertAngle(n, record);

  toolkit.SetFieldText(Field::Text22, "");
  toolkit.SetFieldText(Field::Text10, "");
  return EntryOutcome::kAccepted;
}

}  // namespace koravel

#include "entry/known_points.h"

#include <cmath>
#include <string>

#include "adjust/angles.h"
#include "adjust/azimuths.h"
#include "adjust/numbers.h"
#include "ui/texts/dialogue.h"

namespace koravel {
namespace {

std::string KnownValueEcho(std::string number) { return std::string(texts::kKnownValueEchoLead) + number; }

// A coordinate, read as a 64-bit value the moment it is typed.
ConfirmedValue Coordinate(std::string_view prompt, std::string_view confirm, std::string_view reEnter,
                          std::string_view confirmAgain, Field field, double& place) {
  ConfirmedValue value = ConfirmedValue::Asked(std::string(prompt), std::string(confirm),
                                               std::string(reEnter), std::string(confirmAgain), field);
  value.store = [&place](std::string_view reply) -> std::optional<std::string> {
    const std::optional<double> read = ParseReal64(reply);
    if (!read) return std::nullopt;
    place = *read;
    return KnownValueEcho(FixedText(place, 3));
  };
  value.unreadable = texts::kNoticeValueUnreadable;
  value.confirmationEcho = [&place] { return KnownValueEcho(FixedText(place, 3)); };
  return value;
}

// An external azimuth: the reply is held as typed and echoed from its own
// digits; it is read, and converted to degrees, only once it is accepted.
ConfirmedValue ExternalAzimuth(std::string_view prompt, std::string_view confirm,
                               std::string_view reEnter, std::string_view confirmAgain, Field field,
                               std::string& held, double& place, double& degrees,
                               bool startsTraverse) {
  ConfirmedValue value = ConfirmedValue::Asked(std::string(prompt), std::string(confirm),
                                               std::string(reEnter), std::string(confirmAgain), field);
  value.store = [&held](std::string_view reply) -> std::optional<std::string> {
    held = std::string(reply);
    return KnownValueEcho(FixedText(std::string_view(held), 5));
  };
  value.confirmationEcho = [&held] { return KnownValueEcho(FixedText(std::string_view(held), 5)); };
  value.accept = [&held, &place, &degrees, startsTraverse]() -> std::optional<std::string_view> {
    const std::optional<double> read = ParseReal64(held);
    if (!read) return texts::kNoticeAzimuthUnreadable;
    const double converted = DmsToDegrees(*read);
    if (!std::isfinite(converted) || (startsTraverse && !std::isfinite(StartAzimuth(converted)))) {
      return texts::kNoticeAzimuthTooLarge;
    }
    place = *read;
    degrees = converted;
    return std::nullopt;
  };
  return value;
}

}  // namespace

EntryOutcome EnterKnownPoints(Toolkit& toolkit, TraverseRecord& record, RunState& run) {
  namespace t = texts;
  std::string held;
  const ConfirmedValue values[] = {
      Coordinate(t::kPromptXa, t::kConfirmXa, t::kReEnterXa, t::kConfirmAgainXa, Field::Text2, record.Xa),
      Coordinate(t::kPromptYa, t::kConfirmYa, t::kReEnterYa, t::kConfirmAgainYa, Field::Text3, record.Ya),
      Coordinate(t::kPromptXb, t::kConfirmXb, t::kReEnterXb, t::kConfirmAgainXb, Field::Text4, record.Xb),
      Coordinate(t::kPromptYb, t::kConfirmYb, t::kReEnterYb, t::kConfirmAgainYb, Field::Text5, record.Yb),
      ExternalAzimuth(t::kPromptTa, t::kConfirmTa, t::kReEnterTa, t::kConfirmAgainTa, Field::Text6, held,
                      record.Ta, run.TaDeg, true),
      ExternalAzimuth(t::kPromptTb, t::kConfirmTb, t::kReEnterTb, t::kConfirmAgainTb, Field::Text7, held,
                      record.Tb, run.TbDeg, false),
  };
  for (const ConfirmedValue& value : values) {
    if (ConfirmedEntry(toolkit, run, value) == EntryOutcome::kStopped) return EntryOutcome::kStopped;
  }

  record.Xp[0] = record.Xa;
  record.Yp[0] = record.Ya;
  run.Azimuth[0] = StartAzimuth(run.TaDeg);
  run.TotalLength = 0;
  return EntryOutcome::kAccepted;
}

}  // namespace koravel

#include "entry/run.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "adjust/angles.h"
#include "adjust/numbers.h"
#include "entry/known_points.h"
#include "entry/run_state.h"
#include "entry/stations.h"
#include "ui/result_display.h"
#include "ui/texts/dialogue.h"

namespace koravel {
namespace {

// The largest N: N + 1, the number of points with A, must stay a 16-bit count.
constexpr std::int16_t kMaxPoints = 32766;

// Asks for N until the reply is a whole number of points from 1 to 32766 (a
// fraction is rounded, a half to even). Empty when the run stops.
std::optional<std::int16_t> EnterPointCount(Toolkit& toolkit) {
  for (;;) {
    const std::optional<std::string> reply = toolkit.PromptText(texts::kPromptPointCount);
    if (!reply) return std::nullopt;
    const std::optional<std::int16_t> n = ParseInt16(*reply);
    if (n && *n >= 1 && *n <= kMaxPoints) return n;
    const bool isNumber = n || ParseReal64(*reply);
    if (!toolkit.Notice(NoticeKind::kRetry,
                        isNumber ? texts::kNoticeCountOutOfRange : texts::kNoticeCountUnreadable)) {
      return std::nullopt;
    }
  }
}

}  // namespace

RunOutcome RunAdjustment(Toolkit& toolkit, TraverseRecord& record) {
  record.complete = false;
  record.coordinatesAdjusted = false;
  record.accuracyComputed = false;

  RunState run;
  run.DegToRad = DegToRad();

  const std::optional<std::int16_t> n = EnterPointCount(toolkit);
  if (!n) return RunOutcome::kStopped;
  record.N = *n;
  const std::int16_t points = static_cast<std::int16_t>(*n + 1);
  toolkit.SetFieldText(Field::Text1, texts::PointCountMessage(points));

  // Every array anew, for this N only.
  record.PointName = std::vector<std::string>(points);
  record.Xp = std::vector<double>(points);
  record.Yp = std::vector<double>(points);
  record.TurnAngle = std::vector<double>(points);
  record.TurnAngleDms = std::vector<double>(points);
  record.SideLength = std::vector<float>(points);
  run.Azimuth = std::vector<double>(points + 1);
  run.DeltaX = std::vector<double>(points);
  run.DeltaY = std::vector<double>(points);

  if (EnterKnownPoints(toolkit, record, run) == EntryOutcome::kStopped) return RunOutcome::kStopped;
  if (EnterStations(toolkit, record, run) == EntryOutcome::kStopped) return RunOutcome::kStopped;
  if (!CloseTraverse(toolkit, record, run)) return RunOutcome::kStopped;

  record.complete = true;
  return RunOutcome::kCompleted;
}

}  // namespace koravel

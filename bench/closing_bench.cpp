// The closing computation of the longest traverse (N = 32766) next to its
// floor: a bare loop making the same cosine and sine calls over the same
// sides. The closing takes one cosine and one sine per side when it carries
// the increments again and one of each when it adjusts the coordinates, so the
// floor makes two passes. Target: the closing within 1.3 times the floor.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "adjust/angles.h"
#include "adjust/azimuths.h"
#include "adjust/coordinates.h"

namespace {

using namespace koravel;

constexpr int kN = 32766;

// A traverse as the station entry leaves it: angles in decimal degrees,
// provisional azimuths and coordinates, and the traverse length; B lies a few
// centimetres and some seconds off the carried end.
struct Traverse {
  double degToRad = DegToRad();
  std::vector<float> side;
  std::vector<double> turnAngle;
  std::vector<double> azimuth;
  std::vector<double> xp;
  std::vector<double> yp;
  float totalLength = 0;
  Point a{3512345.678, 498765.432};
  Point b;
  double tbDeg = 0;
};

const Traverse& Entered() {
  static const Traverse traverse = [] {
    Traverse t;
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> millimetres(50000, 400000);
    std::uniform_int_distribution<int> seconds(120 * 3600, 240 * 3600);
    t.side.assign(kN + 1, 0.0f);
    t.turnAngle.assign(kN + 1, 0.0);
    t.azimuth.assign(kN + 2, 0.0);
    t.xp.assign(kN + 1, 0.0);
    t.yp.assign(kN + 1, 0.0);
    for (int k = 0; k <= kN; ++k) {
      const int s = seconds(random);  // a left angle between 120 and 240 degrees
      const double packed = s / 3600 + (s / 60 % 60) / 100.0 + (s % 60) / 10000.0;
      t.turnAngle[k] = DmsToDegrees(packed);
    }
    t.azimuth[0] = StartAzimuth(DmsToDegrees(37.2515));
    t.xp[0] = t.a.x;
    t.yp[0] = t.a.y;
    for (int c = 1; c <= kN; ++c) {
      t.side[c] = static_cast<float>(millimetres(random) / 1000.0);
      t.azimuth[c] = AzimuthStep(t.azimuth[c - 1], t.turnAngle[c - 1]);
      const Point p = CoordinateStep({t.xp[c - 1], t.yp[c - 1]}, t.side[c], t.azimuth[c],
                                     t.degToRad);
      t.xp[c] = p.x;
      t.yp[c] = p.y;
      t.totalLength = AddSide(t.totalLength, t.side[c]);
    }
    t.b = Point{t.xp[kN] - 0.043, t.yp[kN] + 0.027};
    t.tbDeg = AzimuthStep(t.azimuth[kN], t.turnAngle[kN]) - 25.0 / 3600;
    return t;
  }();
  return traverse;
}

void BM_Closing(benchmark::State& state) {
  const Traverse& entered = Entered();
  Traverse t = entered;
  for (auto _ : state) {
    state.PauseTiming();
    t.turnAngle = entered.turnAngle;
    t.azimuth = entered.azimuth;
    t.xp = entered.xp;
    t.yp = entered.yp;
    state.ResumeTiming();

    const std::optional<float> fb = AzimuthMisclosure(t.azimuth, t.turnAngle, t.tbDeg);
    const std::optional<Misclosure> before = MisclosuresBefore({t.xp[kN], t.yp[kN]}, t.b);
    const float correction = DistributeAngles(*fb, t.turnAngle, t.azimuth);
    const std::optional<Misclosure> after =
        MisclosuresAfter(t.side, t.azimuth, t.degToRad, t.a, t.b);
    const std::optional<CoordinateCorrection> corr =
        AdjustCoordinates(t.xp, t.yp, t.side, t.azimuth, t.degToRad, t.totalLength, *after);
    const std::optional<float> m = RelativeAccuracy(t.totalLength, *after);
    benchmark::DoNotOptimize(before);
    benchmark::DoNotOptimize(correction);
    benchmark::DoNotOptimize(corr);
    benchmark::DoNotOptimize(m);
    benchmark::DoNotOptimize(t.xp.data());
    benchmark::ClobberMemory();
    if (!fb || !before || !after || !corr || !m) state.SkipWithError("no result");
  }
  state.SetItemsProcessed(state.iterations() * kN);
}

void BM_CosineSineFloor(benchmark::State& state) {
  // The same sides and the same (corrected) azimuths as the closing uses.
  Traverse t = Entered();
  const std::optional<float> fb = AzimuthMisclosure(t.azimuth, t.turnAngle, t.tbDeg);
  DistributeAngles(*fb, t.turnAngle, t.azimuth);
  for (auto _ : state) {
    for (int pass = 0; pass < 2; ++pass) {
      double sumX = 0;
      double sumY = 0;
      for (int c = 1; c <= kN; ++c) {
        const double r = t.azimuth[c] * t.degToRad;
        const double side = t.side[c];
        sumX = sumX + side * std::cos(r);
        sumY = sumY + side * std::sin(r);
      }
      benchmark::DoNotOptimize(sumX);
      benchmark::DoNotOptimize(sumY);
    }
  }
  state.SetItemsProcessed(state.iterations() * kN);
}

// Five repetitions each; the ratio is taken between the medians, which a
// busy machine disturbs least.
BENCHMARK(BM_Closing)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CosineSineFloor)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Prints the usual table, then the closing's median time over the floor's.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
        times_[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
      else if (run.run_type == Run::RT_Iteration && run.repetitions <= 1)
        times_[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const auto closing = times_.find("BM_Closing");
    const auto floor = times_.find("BM_CosineSineFloor");
    if (closing == times_.end() || floor == times_.end()) return;
    // The processor time is the steadier figure on a shared machine.
    std::printf("closing / floor: %.3f processor time, %.3f wall time (target 1.3 at most)\n",
                closing->second.cpu / floor->second.cpu, closing->second.real / floor->second.real);
  }

 private:
  struct Times {
    double real;
    double cpu;
  };
  std::map<std::string, Times> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

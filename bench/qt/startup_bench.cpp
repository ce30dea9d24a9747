// Start-up of koravel under the offscreen platform until the first paint of
// its window, next to the floor (a minimal Qt window with one Chinese label),
// each started as a fresh process. Wall time from the start of the process to
// its exit, and its peak resident memory. The two are started in turns so
// that both see the same machine; the counters are medians over the rounds.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
  double seconds = 0;     // wall time
  double cpuSeconds = 0;  // user + system: less shaken by other work on the machine
  double peakMegabytes = 0;
};

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// Starts the program with the offscreen platform, its output discarded, and
// waits for it. Aborts the benchmark when it does not exit cleanly.
Sample Launch(const char* program, benchmark::State& state) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0) env.emplace_back(*e);
  }
  env.emplace_back("QT_QPA_PLATFORM=offscreen");
  env.emplace_back("KORAVEL_EXIT_AFTER_FIRST_PAINT=1");
  std::vector<char*> envp;
  for (std::string& s : env) envp.push_back(s.data());
  envp.push_back(nullptr);
  std::string path(program);
  char* argv[] = {path.data(), nullptr};

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    state.SkipWithError("cannot start the program");
    return {};
  }
  int status = 0;
  rusage usage{};
  // wait4 gives the usage of this child alone, so each sample has its own peak.
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    state.SkipWithError("the program did not exit cleanly");
    return {};
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  return {elapsed.count(), Seconds(usage.ru_utime) + Seconds(usage.ru_stime),
          static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void BM_StartupToFirstPaint(benchmark::State& state) {
  // One unmeasured start of each: the first one reads the libraries and the
  // fonts from disk.
  Launch(KORAVEL_FLOOR_PROGRAM, state);
  Launch(KORAVEL_WINDOW_PROGRAM, state);

  std::vector<double> floorTime, floorCpu, floorMemory, windowTime, windowCpu, windowMemory;
  for (auto _ : state) {
    const Sample floor = Launch(KORAVEL_FLOOR_PROGRAM, state);
    const Sample window = Launch(KORAVEL_WINDOW_PROGRAM, state);
    if (floor.seconds == 0 || window.seconds == 0) return;
    state.SetIterationTime(window.seconds);
    floorTime.push_back(floor.seconds);
    floorCpu.push_back(floor.cpuSeconds);
    windowCpu.push_back(window.cpuSeconds);
    floorMemory.push_back(floor.peakMegabytes);
    windowTime.push_back(window.seconds);
    windowMemory.push_back(window.peakMegabytes);
  }
  const double ft = Median(floorTime), wt = Median(windowTime);
  const double fm = Median(floorMemory), wm = Median(windowMemory);
  state.counters["floor_ms"] = ft * 1000;
  state.counters["koravel_ms"] = wt * 1000;
  state.counters["time_ratio"] = wt / ft;
  const double fc = Median(floorCpu), wc = Median(windowCpu);
  state.counters["floor_cpu_ms"] = fc * 1000;
  state.counters["koravel_cpu_ms"] = wc * 1000;
  state.counters["cpu_ratio"] = wc / fc;
  state.counters["floor_MB"] = fm;
  state.counters["koravel_MB"] = wm;
  state.counters["memory_ratio"] = wm / fm;
}
BENCHMARK(BM_StartupToFirstPaint)->UseManualTime()->Iterations(9)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// A whole scripted adjustment of a long traverse through the terminal program,
// `koravel-console --trace --report` with its replies from a file, timed as a
// process from start to exit, next to a floor process that only reads the same
// input and writes the same output bytes. Also its peak memory, and how the
// cost grows from N = 8192 to N = 32766.
//
// The program is looked for beside this benchmark's build directory
// (../apps/koravel-console), or where KORAVEL_CONSOLE says.
//
// The floor is this same executable started with --floor <file>: it reads its
// standard input to the end and writes the bytes of <file> (the real trace of
// the same run) to its standard output.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string SelfPath() {
  std::vector<char> buf(4096);
  const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  return n > 0 ? std::string(buf.data(), static_cast<std::size_t>(n)) : std::string();
}

std::string ConsolePath() {
  if (const char* env = std::getenv("KORAVEL_CONSOLE")) return env;
  std::string self = SelfPath();
  self.erase(self.rfind('/'));
  self.erase(self.rfind('/'));
  return self + "/apps/koravel-console";
}

std::string ScratchDir() {
  static const std::string dir = [] {
    char pattern[] = "/tmp/koravel-console-bench-XXXXXX";
    return std::string(mkdtemp(pattern) ? pattern : "/tmp");
  }();
  return dir;
}

// Replies for a straight traverse of n sides of 100 m from A at azimuth 225,
// every angle 180, every value confirmed with Enter, and Enter at each point.
std::string Replies(int n) {
  std::ostringstream s;
  const double run = 100.0 * n * std::cos(45.0 * 3.1415926535 / 180.0);
  char xb[64], yb[64];
  std::snprintf(xb, sizeof xb, "%.3f", 100000.0 - run + 0.012);
  std::snprintf(yb, sizeof yb, "%.3f", 200000.0 - run - 0.034);
  s << n << "\n100000\n\n200000\n\n" << xb << "\n\n" << yb << "\n\n45\n\n225.001\n\n";
  for (int c = 0; c <= n; ++c) {
    s << (c == 0 ? std::string("A") : c == n ? std::string("B") : "P" + std::to_string(c)) << "\n180\n\n";
    if (c < n) s << "100\n\n";
  }
  for (int i = 0; i <= n; ++i) s << "\n";
  return s.str();
}

struct Finished {
  double seconds = 0;
  double cpuSeconds = 0;  // user + system time of the process
  long maxRssKb = 0;
  int status = -1;
};

// Starts the program with stdin from `in` and stdout into `out`, and waits.
Finished Run(const std::vector<std::string>& args, const std::string& in, const std::string& out) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<std::string> store = args;
  std::vector<char*> argv;
  for (std::string& a : store) argv.push_back(a.data());
  argv.push_back(nullptr);
  Finished f;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, store[0].c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    f.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    f.maxRssKb = usage.ru_maxrss;
    f.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    f.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  return f;
}

// The input file and the real trace of a run of n sides, made once.
struct Workload {
  std::string input;
  std::string trace;
  long traceBytes = 0;
};

const Workload& WorkloadFor(int n) {
  static std::map<int, Workload> made;
  auto it = made.find(n);
  if (it != made.end()) return it->second;
  Workload w;
  w.input = ScratchDir() + "/replies-" + std::to_string(n);
  w.trace = ScratchDir() + "/trace-" + std::to_string(n);
  std::ofstream(w.input, std::ios::binary) << Replies(n);
  const Finished f = Run({ConsolePath(), "--trace", "--report"}, w.input, w.trace);
  if (f.status != 0) {
    std::fprintf(stderr, "koravel-console (%s) did not finish the run of N = %d: status %d\n",
                 ConsolePath().c_str(), n, f.status);
    std::exit(1);
  }
  std::ifstream t(w.trace, std::ios::binary | std::ios::ate);
  w.traceBytes = static_cast<long>(t.tellg());
  return made.emplace(n, w).first->second;
}

std::map<std::string, double> g_bestSeconds;
std::map<std::string, double> g_bestCpuSeconds;

void Report(benchmark::State& state, const char* what, const std::vector<std::string>& args, int n) {
  const Workload& w = WorkloadFor(n);
  const std::string out = ScratchDir() + "/out";
  double best = 1e9, bestCpu = 1e9;
  long rss = 0;
  for (auto _ : state) {
    const Finished f = Run(args, w.input, out);
    if (f.status != 0) state.SkipWithError("the process failed");
    state.SetIterationTime(f.seconds);
    best = std::min(best, f.seconds);
    bestCpu = std::min(bestCpu, f.cpuSeconds);
    rss = std::max(rss, f.maxRssKb);
  }
  state.counters["N"] = n;
  state.counters["peak_RSS_MB"] = static_cast<double>(rss) / 1024.0;
  state.counters["out_MB"] = static_cast<double>(w.traceBytes) / 1e6;
  state.counters["us_per_point"] = best * 1e6 / n;
  state.counters["cpu_ms"] = bestCpu * 1e3;
  g_bestSeconds[std::string(what) + "/" + std::to_string(n)] = best;
  g_bestCpuSeconds[std::string(what) + "/" + std::to_string(n)] = bestCpu;
}

void BM_KoravelConsole(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Report(state, "console", {ConsolePath(), "--trace", "--report"}, n);
}

void BM_FloorReadInputWriteSameBytes(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Report(state, "floor", {SelfPath(), "--floor", WorkloadFor(n).trace}, n);
}

BENCHMARK(BM_KoravelConsole)->Arg(8192)->Arg(32766)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_FloorReadInputWriteSameBytes)
    ->Arg(8192)
    ->Arg(32766)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// The floor process: read all of stdin, then write the given file's bytes.
int Floor(const char* file) {
  std::vector<char> buf(1 << 16);
  while (read(0, buf.data(), buf.size()) > 0) {
  }
  const int fd = open(file, O_RDONLY);
  if (fd < 0) return 1;
  ssize_t got;
  while ((got = read(fd, buf.data(), buf.size())) > 0) {
    if (write(1, buf.data(), static_cast<std::size_t>(got)) != got) return 1;
  }
  close(fd);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--floor") == 0) return Floor(argv[2]);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  // The replies, traces and outputs are large: leave nothing behind.
  for (const char* name : {"replies-8192", "replies-32766", "trace-8192", "trace-32766", "out"}) {
    std::remove((ScratchDir() + "/" + name).c_str());
  }
  if (ScratchDir() != "/tmp") rmdir(ScratchDir().c_str());  // never /tmp itself

  const auto best = [](const std::map<std::string, double>& from, const std::string& key) {
    const auto it = from.find(key);
    return it == from.end() ? 0.0 : it->second;
  };
  // Best of the runs: the least disturbed by whatever else the machine does.
  const double console = best(g_bestSeconds, "console/32766"), floor = best(g_bestSeconds, "floor/32766");
  const double small = best(g_bestSeconds, "console/8192");
  const double consoleCpu = best(g_bestCpuSeconds, "console/32766");
  const double floorCpu = best(g_bestCpuSeconds, "floor/32766");
  const double smallCpu = best(g_bestCpuSeconds, "console/8192");
  if (console > 0 && floor > 0) {
    std::printf("N = 32766: koravel-console %.3f s wall (%.3f s CPU), floor %.3f s wall (%.3f s CPU): "
                "%.2fx the floor in wall time, %.2fx in CPU time (target 5x)\n",
                console, consoleCpu, floor, floorCpu, console / floor, floorCpu > 0 ? consoleCpu / floorCpu : 0.0);
  }
  if (console > 0 && small > 0) {
    std::printf("N = 8192 -> 32766 (x%.2f points): wall time x%.2f, CPU time x%.2f (linear: about x4)\n",
                32766.0 / 8192.0, console / small, smallCpu > 0 ? consoleCpu / smallCpu : 0.0);
  }
  return 0;
}

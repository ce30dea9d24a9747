// Runs the built koravel-console as a process, its standard input read from a
// file holding the given bytes, and collects what it wrote and how it ended.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

extern char** environ;

namespace koravel::testing {

struct ConsoleResult {
  int status = -1;      // exit status, -1 when killed by a signal or not run
  int signal = 0;       // the signal that ended it
  std::string out;      // standard output
  std::string err;      // standard error
  bool hung = false;    // killed after waiting far too long
};

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// A scratch directory for the files of one process at a time.
class ConsoleRunner {
 public:
  ConsoleRunner() {
    std::string pattern = ::testing::TempDir() + "koravel-console-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (mkdtemp(buf.data()) != nullptr) dir_ = buf.data();
  }
  ~ConsoleRunner() {
    if (dir_.empty()) return;  // no directory was made: nothing of ours to remove
    for (const char* f : {"/in", "/out", "/err"}) std::remove((dir_ + f).c_str());
    rmdir(dir_.c_str());
  }

  ConsoleResult Run(const std::vector<std::string>& args, const std::string& input) {
    ConsoleResult result;
    if (dir_.empty()) return result;
    const std::string in = dir_ + "/in", out = dir_ + "/out", err = dir_ + "/err";
    {
      std::ofstream f(in, std::ios::binary | std::ios::trunc);
      f << input;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> argStore = {KORAVEL_CONSOLE_PATH};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argStore) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, KORAVEL_CONSOLE_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return result;

    // A safety net against a program that never ends: kill it after a minute.
    int wstatus = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (;;) {
      const pid_t done = waitpid(pid, &wstatus, WNOHANG);
      if (done == pid) break;
      if (std::chrono::steady_clock::now() > deadline) {
        kill(pid, SIGKILL);
        waitpid(pid, &wstatus, 0);
        result.hung = true;
        break;
      }
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    if (WIFEXITED(wstatus)) result.status = WEXITSTATUS(wstatus);
    if (WIFSIGNALED(wstatus)) result.signal = WTERMSIG(wstatus);
    result.out = ReadWholeFile(out);
    result.err = ReadWholeFile(err);
    return result;
  }

 private:
  std::string dir_;
};

inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t lf = text.find('\n', start);
    if (lf == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, lf - start));
    start = lf + 1;
  }
  return lines;
}

// The lines of one kind ("field", "print", ...) without their kind.
inline std::vector<std::string> LinesOf(const std::vector<std::string>& trace, const std::string& kind) {
  std::vector<std::string> out;
  for (const std::string& line : trace) {
    if (line.compare(0, kind.size() + 1, kind + "\t") == 0) out.push_back(line.substr(kind.size() + 1));
  }
  return out;
}

}  // namespace koravel::testing

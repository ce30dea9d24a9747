// koravel-console: one adjustment run in the terminal, replies from standard
// input, and with --report the printed report of that run.
//
// Exit status: 0 the run finished (and its report was written), 1 the run
// ended without a result or the output could not be written, 2 bad arguments,
// 3 the input ended while a prompt waited.
#include <unistd.h>

#include <cstdio>
#include <string_view>

#include "entry/run.h"
#include "entry/traverse_record.h"
#include "ui/console_toolkit.h"
#include "ui/report.h"
#include "ui/texts/console.h"

namespace {

constexpr int kCompleted = 0;
constexpr int kNoResult = 1;
constexpr int kBadArguments = 2;
constexpr int kInputEnded = 3;

void WriteLine(std::FILE* to, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), to);
  std::fputc('\n', to);
}

}  // namespace

int main(int argc, char** argv) {
  namespace t = koravel::texts;
  bool trace = false;
  bool report = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--trace") {
      trace = true;
    } else if (arg == "--report") {
      report = true;
    } else if (arg == "--help" || arg == "-h") {
      WriteLine(stdout, t::kConsoleUsage);
      WriteLine(stdout, t::kConsoleHelp);
      return kCompleted;
    } else {
      WriteLine(stderr, t::kConsoleUsage);
      return kBadArguments;
    }
  }

  koravel::ConsoleToolkit toolkit(STDIN_FILENO, STDOUT_FILENO, trace);
  koravel::TraverseRecord record;
  const koravel::RunOutcome outcome = koravel::RunAdjustment(toolkit, record);

  int status = kCompleted;
  if (outcome == koravel::RunOutcome::kCompleted) {
    if (report) koravel::PrintReport(toolkit, record);
  } else {
    status = toolkit.inputEnded() ? kInputEnded : kNoResult;
  }
  if (!toolkit.Flush()) {
    WriteLine(stderr, t::kConsoleWriteFailed);
    return kNoResult;
  }
  return status;
}

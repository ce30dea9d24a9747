// Thousands of reply streams, seeded and reproducible, through the real
// koravel-console --trace --report: traverses of a few points typed with
// mistakes, zeros, garbage, huge and tiny numbers, empty lines, CRLF line ends
// and input cut off anywhere. The program must never crash or hang, never
// print an infinity or a NaN, write only well-formed trace lines, and end with
// a finished run (0), ended input (3), or a run that said it cannot finish (1).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "ui/console_process.h"
#include "ui/texts/console.h"
#include "ui/texts/dialogue.h"
#include "ui/utf8.h"

namespace koravel::testing {
namespace {

// Fewer under AddressSanitizer, where every process starts slowly.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kStreams = 500;
#else
constexpr int kStreams = 2000;
#endif

// Replies that the dialogue must survive wherever they come.
const char* const kOddReplies[] = {
    "0", "00", "0.0", "-0", "+0", "", " ", "  7  ", "abc", "1.2.3", "1e", "--5", "+", ".", "e5", "1e999",
    "-1e999", "1e308", "-1e308", "1.7976931348623157e308", "3.4e38", "3.5e38", "-3.5e38", "1e38", "1e-400",
    "1e-45", "99999999999999999999999999", "32766", "32767", "32768", "-32768", "-1", "0x1A", "１２３", "1,5",
    "\t5", "点", "12345678901234567890.123456789", "0.00001", "359.5959", "-180.3", "1E+30",
};

const char* const kNames[] = {"A", "P1", "B", "北山", "", "  ", "J-7", "x\\y", "a\tb", "很长的点名很长的点名很长的点名"};

class Stream {
 public:
  explicit Stream(std::uint32_t seed) : rng_(seed) {}

  std::string Make() {
    std::vector<std::string> replies;
    const int n = Pick(10) == 0 ? Uniform(7, 30) : Uniform(1, 6);
    replies.push_back(std::to_string(n));
    for (int i = 0; i < 4; ++i) {
      replies.push_back(Number(-1e6, 1e6, 3));
      replies.push_back("");
    }
    for (int i = 0; i < 2; ++i) {
      replies.push_back(Number(0, 360, 4));
      replies.push_back("");
    }
    const bool zeroSides = Pick(15) == 0;
    for (int c = 0; c <= n; ++c) {
      replies.push_back(kNames[Pick(std::size(kNames))]);
      replies.push_back(Number(0, 360, 4));
      replies.push_back("");
      if (c < n) {
        replies.push_back(zeroSides ? "0" : Number(0, 2000, 3));
        replies.push_back("");
      }
    }
    for (int i = 0; i <= n; ++i) replies.push_back(Pick(4) == 0 ? "0" : "");

    // Mistakes: replaced replies, extra replies, a trailing CR.
    const int rate = Uniform(0, 30);
    std::vector<std::string> typed;
    for (std::string& r : replies) {
      if (Pick(100) < static_cast<std::size_t>(rate)) r = kOddReplies[Pick(std::size(kOddReplies))];
      if (Pick(100) < static_cast<std::size_t>(rate / 3)) typed.push_back(kOddReplies[Pick(std::size(kOddReplies))]);
      if (Pick(50) == 0) r += "\r";
      typed.push_back(r);
    }
    for (int i = Uniform(0, 3); i > 0; --i) typed.push_back("");

    const std::string lineEnd = Pick(5) == 0 ? "\r\n" : "\n";
    std::string input;
    for (const std::string& r : typed) input += r + lineEnd;
    if (Pick(3) == 0) input.resize(static_cast<std::size_t>(Uniform(0, static_cast<int>(input.size()))));
    return input;
  }

 private:
  int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  std::size_t Pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(rng_); }
  std::string Number(double lo, double hi, int decimals) {
    const double v = std::uniform_real_distribution<double>(lo, hi)(rng_);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", Uniform(0, decimals), v);
    return buf;
  }
  std::mt19937 rng_;
};

// Whether a run of ASCII letters in the text spells an infinity or a NaN.
bool ShowsInfOrNan(const std::string& text) {
  std::string word;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : ' ';
    if (std::isalpha(static_cast<unsigned char>(c))) {
      word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      continue;
    }
    if (word.find("inf") != std::string::npos || word.find("nan") != std::string::npos) return true;
    word.clear();
  }
  return false;
}

TEST(ConsoleSoak, RandomReplyStreams) {
  ConsoleRunner runner;
  const std::string closingFailed = "notice\t" + std::string(texts::kNoticeClosingFailed);
  int finished = 0, ended = 0, failed = 0;
  for (int s = 0; s < kStreams; ++s) {
    const std::string input = Stream(20261211u + static_cast<std::uint32_t>(s)).Make();
    const ConsoleResult r = runner.Run({"--trace", "--report"}, input);
    SCOPED_TRACE("stream " + std::to_string(s));
    ASSERT_FALSE(r.hung);
    ASSERT_EQ(r.signal, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_FALSE(ShowsInfOrNan(r.out));
    EXPECT_EQ(ValidUtf8(r.out), r.out);

    const std::vector<std::string> trace = SplitLines(r.out);
    bool saidClosingFailed = false;
    std::size_t printLines = 0;
    for (const std::string& line : trace) {
      const std::size_t tabs = static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t'));
      const std::string kind = line.substr(0, line.find('\t'));
      EXPECT_TRUE(kind == "field" ? tabs == 2 : (tabs == 1 && (kind == "prompt" || kind == "notice" || kind == "print")))
          << line;
      if (line == closingFailed) saidClosingFailed = true;
      if (kind == "print") ++printLines;
    }
    switch (r.status) {
      case 0:
        ++finished;
        EXPECT_GE(printLines, 37u);
        break;
      case 3:
        ++ended;
        EXPECT_EQ(trace.back(), "notice\t" + std::string(texts::kNoticeInputEnded));
        EXPECT_EQ(printLines, 0u);
        break;
      case 1:
        ++failed;
        EXPECT_TRUE(saidClosingFailed);
        EXPECT_EQ(printLines, 0u);
        break;
      default:
        ADD_FAILURE() << "exit status " << r.status;
    }
    if (::testing::Test::HasFatalFailure() || ::testing::Test::HasFailure()) {
      ADD_FAILURE() << "input: " << ::testing::PrintToString(input);
      break;
    }
  }
  // The streams reach every ending, finished runs most of all.
  EXPECT_GT(finished, kStreams / 10);
  EXPECT_GT(ended, kStreams / 10);
  RecordProperty("finished", finished);
  RecordProperty("ended", ended);
  RecordProperty("no_result", failed);
}

}  // namespace
}  // namespace koravel::testing

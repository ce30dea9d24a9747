// koravel-console as a user or a script meets it: the real program, replies
// from a file, its trace, its report, its exit statuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "entry/dialogue_script.h"
#include "ui/console_process.h"
#include "ui/texts/console.h"

namespace koravel::testing {
namespace {

std::string Input(const std::vector<std::string>& replies, const std::string& lineEnd = "\n") {
  std::string s;
  for (const std::string& r : replies) s += r + lineEnd;
  return s;
}

std::string At(int column, const std::string& text) { return std::string(column - 1, ' ') + text; }

const std::string kInputEnded = "notice\t" + std::string(texts::kNoticeInputEnded);

TEST(Console, WorkedExampleTraceAndReport) {
  ConsoleRunner runner;
  const ConsoleResult r = runner.Run({"--trace", "--report"}, Input(Replies(WorkedExample())));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::vector<std::string> trace = SplitLines(r.out);

  // Every line is one event of a known kind.
  for (const std::string& line : trace) {
    const std::string kind = line.substr(0, line.find('\t'));
    EXPECT_TRUE(kind == "prompt" || kind == "field" || kind == "notice" || kind == "print") << line;
  }
  EXPECT_EQ(trace.front(), "prompt\t请输入导线的点数 N （N 点数中不包括已知点 A ,但应包括已知点 B )");
  EXPECT_EQ(LinesOf(trace, "prompt").size(), 29u);
  EXPECT_TRUE(LinesOf(trace, "notice").empty());

  // The results, from fb to 1/m.
  const std::vector<std::string> fields = LinesOf(trace, "field");
  const std::vector<std::string> results(fields.end() - 22, fields.end());
  const std::vector<std::string> expectedResults = {
      "Text13\t  -10秒",     "Text18\t-1.36毫米",        "Text19\t8.64毫米",     "Text14\t2.07毫米",
      "Text15\t5.22毫米",    "Text22\t现在显示计算结果", "Text10\t  A",          "Text11\t1000.000",
      "Text12\t2000.000",    "Text22\t现在显示计算结果", "Text10\t  P1",         "Text11\t929.289",
      "Text12\t1929.286",    "Text22\t现在显示计算结果", "Text10\t  B",          "Text11\t858.580",
      "Text12\t1858.570",    "Text16\t200米",            "Text17\t1/35636",
  };
  EXPECT_EQ(std::vector<std::string>(results.end() - 19, results.end()), expectedResults);

  const std::vector<std::string> expectedReport = {
      At(28, "---- Koravel ----"),
      "",
      "",
      At(22, "起始点座标 :"),
      "",
      At(27, "点名    X              Y"),
      At(27, "A :   1000.000     2000.000"),
      At(27, "B :   858.580     1858.570"),
      "",
      At(27, "A 点外方位角 :45.00000"),
      At(27, "B 点外方位角 :225.00100"),
      "",
      At(22, "观测角( 度,分,秒 ) :   平差角( 度,分,秒 ) :"),
      At(24, "0 :   180.00000         180.00033"),
      At(24, "1 :   180.00000         180.00033"),
      At(24, "2 :   180.00000         180.00033"),
      "",
      At(22, "观测边(米) :"),
      At(24, "1 :   100.0000"),
      At(24, "2 :   100.0000"),
      "",
      At(22, "条件方程闭合差 :"),
      "",
      At(24, "方位角闭合差 :  wb= -10.00 秒"),
      "",
      At(22, "导线点座标 :"),
      At(24, "         X             Y"),
      At(24, "A :   1000.000     2000.000"),
      At(24, "P1 :   929.289     1929.286"),
      At(24, "B :   858.580     1858.570"),
      At(22, "角度配赋前座标闭合差 :"),
      "",
      At(24, "纵座标闭合差 :  wx= -1.36 毫米"),
      At(24, "横座标闭合差 :  wy= 8.64 毫米"),
      "",
      At(22, "角度配赋后座标闭合差 :"),
      "",
      At(24, "纵座标闭合差 :  wx= 2.07 毫米"),
      At(24, "横座标闭合差 :  wy= 5.22 毫米"),
      At(24, "角度配赋后导线相对精度 : 1/m=1/ 35636 "),
  };
  EXPECT_EQ(LinesOf(trace, "print"), expectedReport);
  // The report comes last, after the run's last field.
  EXPECT_EQ(trace[trace.size() - expectedReport.size() - 1], "field\tText17\t1/35636");
}

// Traverses whose closing cannot give every value: the report names what
// cannot be computed and prints everything else.
TEST(Console, ReportOfValuesThatCannotBeComputed) {
  TraverseReplies zeroSides = WorkedExample();
  zeroSides.xb = "1000";
  zeroSides.yb = "2000";
  zeroSides.tb = "225";
  zeroSides.sides = {"0", "0"};
  // From (0, 0) due north for exactly 100 m onto B: no misclosure at all.
  const TraverseReplies exact = {"1", "0", "0", "100", "0", "180", "0", {"A", "B"}, {"180", "180"}, {"100"}, {}};
  const struct {
    const char* what;
    TraverseReplies replies;
    std::vector<std::string> coordinateRows;
    std::string lastLine;
  } cases[] = {
      {"every side 0",
       zeroSides,
       {At(24, "A :   1000.000     2000.000"), At(24, "P1 :   无法计算"), At(24, "B :   无法计算")},
       At(24, "角度配赋后导线相对精度 : 1/m=1/ 无法计算")},
      {"an exact closure",
       exact,
       {At(24, "A :   0.000     0.000"), At(24, "B :   100.000     0.000")},
       At(24, "角度配赋后导线相对精度 : 1/m=1/ 无闭合差")},
  };
  ConsoleRunner runner;
  for (const auto& c : cases) {
    const ConsoleResult r = runner.Run({"--trace", "--report"}, Input(Replies(c.replies)));
    ASSERT_EQ(r.status, 0) << c.what;
    const std::vector<std::string> trace = SplitLines(r.out);
    EXPECT_EQ(LinesOf(trace, "notice").size(), 1u) << c.what;
    const std::vector<std::string> report = LinesOf(trace, "print");
    const std::size_t n = c.coordinateRows.size() - 1;
    ASSERT_EQ(report.size(), 34 + 3 * n) << c.what;
    EXPECT_EQ(std::vector<std::string>(report.begin() + static_cast<std::ptrdiff_t>(23 + 2 * n),
                                       report.begin() + static_cast<std::ptrdiff_t>(24 + 3 * n)),
              c.coordinateRows)
        << c.what;
    EXPECT_EQ(report.back(), c.lastLine) << c.what;
  }
}

TEST(Console, LineEndsAndTheLastLineWithoutOne) {
  ConsoleRunner runner;
  const std::vector<std::string> replies = Replies(WorkedExample());
  const ConsoleResult lf = runner.Run({"--trace", "--report"}, Input(replies));
  ASSERT_EQ(lf.status, 0);
  std::vector<std::string> withText = replies;
  withText.back() = "x";  // any text at the last pause shows B like Enter
  std::string unterminated = Input(withText);
  unterminated.pop_back();
  for (const std::string& input : {Input(replies, "\r\n"), unterminated, Input(withText)}) {
    const ConsoleResult r = runner.Run({"--trace", "--report"}, input);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, lf.out);
  }
}

TEST(Console, ExitStatusesAndUsage) {
  ConsoleRunner runner;
  const std::string usage = std::string(texts::kConsoleUsage) + "\n";
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--bogus"}, {"--trace", "extra"}, {"-t"}, {"--report=yes"}, {""}}) {
    const ConsoleResult r = runner.Run(args, Input(Replies(WorkedExample())));
    EXPECT_EQ(r.status, 2) << args.front();
    EXPECT_EQ(r.err, usage);
    EXPECT_EQ(r.out, "");
  }
  const ConsoleResult help = runner.Run({"--help"}, "");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind(usage, 0), 0u);

  const ConsoleResult empty = runner.Run({"--trace"}, "");
  EXPECT_EQ(empty.status, 3);
  EXPECT_EQ(SplitLines(empty.out),
            (std::vector<std::string>{"prompt\t请输入导线的点数 N （N 点数中不包括已知点 A ,但应包括已知点 B )",
                                      kInputEnded}));
}

// The replies cut after every one of them: the run stops at the prompt that
// got no reply, says so, and prints no report.
TEST(Console, InputEndingAtEveryPrompt) {
  ConsoleRunner runner;
  const std::vector<std::string> replies = Replies(WorkedExample());
  for (std::size_t k = 0; k < replies.size(); ++k) {
    const std::vector<std::string> cut(replies.begin(), replies.begin() + static_cast<std::ptrdiff_t>(k));
    const ConsoleResult r = runner.Run({"--trace", "--report"}, Input(cut));
    EXPECT_EQ(r.status, 3) << "after " << k << " replies";
    const std::vector<std::string> trace = SplitLines(r.out);
    ASSERT_GE(trace.size(), 2u);
    EXPECT_EQ(trace.back(), kInputEnded) << "after " << k << " replies";
    EXPECT_EQ(trace[trace.size() - 2].rfind("prompt\t", 0), 0u) << "after " << k << " replies";
    EXPECT_EQ(LinesOf(trace, "prompt").size(), k + 1);
    EXPECT_TRUE(LinesOf(trace, "print").empty());
  }
}

TEST(Console, TraceEscapesBackslashTabAndCarriageReturn) {
  TraverseReplies t = WorkedExample();
  t.names[1] = "北山三角点-P\\1\tx\ry";  // a CR inside the line stays; the one before LF goes
  ConsoleRunner runner;
  const ConsoleResult r = runner.Run({"--trace", "--report"}, Input(Replies(t), "\r\n"));
  ASSERT_EQ(r.status, 0);
  const std::vector<std::string> trace = SplitLines(r.out);
  const std::string escaped = "北山三角点-P\\\\1\\tx\\ry";
  std::size_t nameFields = 0;
  for (const std::string& f : LinesOf(trace, "field")) {
    if (f == "Text10\t  " + escaped) ++nameFields;
  }
  EXPECT_EQ(nameFields, 2u);  // as entered, and when its coordinates show
  // In the report the TAB and CR take one column each.
  EXPECT_EQ(LinesOf(trace, "print")[28], At(24, escaped + " :   929.289     1929.286"));
  for (const std::string& line : trace) {
    EXPECT_EQ(line.find('\r'), std::string::npos);
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), line.rfind("field\t", 0) == 0 ? 2 : 1) << line;
  }
}

TEST(Console, MalformedUtf8BecomesTheReplacementCharacter) {
  TraverseReplies t = WorkedExample();
  t.names[0] = "A\xFF\xE7\x82";
  ConsoleRunner runner;
  const ConsoleResult r = runner.Run({"--trace"}, Input(Replies(t)));
  ASSERT_EQ(r.status, 0);
  const std::vector<std::string> fields = LinesOf(SplitLines(r.out), "field");
  EXPECT_NE(std::find(fields.begin(), fields.end(), "Text10\t  A\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"),
            fields.end());
}

TEST(Console, FriendlyFormForAPerson) {
  ConsoleRunner runner;
  TraverseReplies t = WorkedExample();
  t.names[2] = "B\x1b[2J\\1";  // an escape sequence typed into a name does not reach the terminal
  const ConsoleResult r = runner.Run({"--report"}, Input(Replies(t)));
  ASSERT_EQ(r.status, 0);
  const std::vector<std::string> lines = SplitLines(r.out);
  const auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has("请输入起始点 A 的纵座标 Xa "));
  EXPECT_TRUE(has("> 1000"));  // the reply read from a file is shown after the prompt
  EXPECT_TRUE(has("起始点纵座标 Xa：  1000.000"));
  EXPECT_TRUE(has("方位角闭合差 fb：   -10秒"));
  EXPECT_TRUE(has("导线相对闭合差 1/m： 1/35636"));
  EXPECT_TRUE(has(At(24, "P1 :   929.289     1929.286")));
  EXPECT_TRUE(has(At(24, "角度配赋后导线相对精度 : 1/m=1/ 35636 ")));
  EXPECT_TRUE(has("点名：   B\xEF\xBF\xBD[2J\\1"));
  EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find('\t'), std::string::npos) << line;
  }

  const ConsoleResult ended = runner.Run({}, "2\n1000\n");
  EXPECT_EQ(ended.status, 3);
  EXPECT_NE(ended.out.find(std::string(texts::kConsoleNoticeLead) + std::string(texts::kNoticeInputEnded)),
            std::string::npos);
}

}  // namespace
}  // namespace koravel::testing

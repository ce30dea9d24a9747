// Replies that cannot be used, stopped runs, a second run, and traverses whose
// closing computations have no result for some values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entry/dialogue_script.h"
#include "entry/run.h"
#include "ui/texts/dialogue.h"

namespace koravel::testing {
namespace {

namespace t = texts;
using Strings = std::vector<std::string>;

std::string S(std::string_view s) { return std::string(s); }

// --- the number of points -------------------------------------------------

struct BadCount {
  std::string reply;
  std::string_view notice;
};

void PrintTo(const BadCount& c, std::ostream* os) { *os << "reply \"" << c.reply << '"'; }

class BadCountReply : public ::testing::TestWithParam<BadCount> {};

TEST_P(BadCountReply, IsExplainedAndAskedAgain) {
  ScriptedToolkit toolkit({GetParam().reply, "2.5"});
  TraverseRecord record;
  EXPECT_EQ(RunAdjustment(toolkit, record), RunOutcome::kStopped);
  EXPECT_EQ(toolkit.prompts(), (Strings{S(t::kPromptPointCount), S(t::kPromptPointCount), S(t::kPromptXa)}));
  EXPECT_EQ(toolkit.notices(), Strings{S(GetParam().notice)});
  EXPECT_EQ(record.N, 2);
  EXPECT_EQ(toolkit.field(Field::Text1), "本导线含已知点共有3个导线点");
}

INSTANTIATE_TEST_SUITE_P(Replies, BadCountReply,
                         ::testing::Values(BadCount{"", t::kNoticeCountUnreadable},
                                           BadCount{"   ", t::kNoticeCountUnreadable},
                                           BadCount{"abc", t::kNoticeCountUnreadable},
                                           BadCount{"2,5", t::kNoticeCountUnreadable},
                                           BadCount{"0", t::kNoticeCountOutOfRange},
                                           BadCount{"0.4", t::kNoticeCountOutOfRange},
                                           BadCount{"-3", t::kNoticeCountOutOfRange},
                                           BadCount{"32767", t::kNoticeCountOutOfRange},
                                           BadCount{"40000", t::kNoticeCountOutOfRange},
                                           BadCount{"1e9", t::kNoticeCountOutOfRange}),
                         [](const auto& row) { return std::to_string(row.index); });

TEST(PointCount, RoundedAndSizedUpToTheLargest) {
  struct Case {
    std::string reply;
    std::int16_t n;
  };
  for (const Case& c : {Case{" 7 ", 7}, Case{"3.5", 4}, Case{"1", 1}, Case{"32766", 32766}}) {
    ScriptedToolkit toolkit({c.reply});
    TraverseRecord record;
    EXPECT_EQ(RunAdjustment(toolkit, record), RunOutcome::kStopped);
    EXPECT_EQ(record.N, c.n) << c.reply;
    EXPECT_EQ(toolkit.field(Field::Text1), "本导线含已知点共有" + std::to_string(c.n + 1) + "个导线点");
    EXPECT_EQ(record.Xp.size(), static_cast<std::size_t>(c.n + 1));
    EXPECT_EQ(record.PointName.size(), static_cast<std::size_t>(c.n + 1));
  }
}

// --- values that cannot be used --------------------------------------------

TEST(BadValueReply, SamePromptOpensAgainNothingLost) {
  // Xa: letters, then a number beyond 64 bits, then 12; the re-entry takes an
  // empty reply first.
  ScriptedToolkit toolkit({"1", "x", "1e999", "12", "0", "", "13", "", "20", ""});
  TraverseRecord record;
  RunAdjustment(toolkit, record);
  EXPECT_EQ(toolkit.prompts(),
            (Strings{S(t::kPromptPointCount), S(t::kPromptXa), S(t::kPromptXa), S(t::kPromptXa),
                     S(t::kConfirmXa), S(t::kReEnterXa), S(t::kReEnterXa), S(t::kConfirmAgainXa),
                     S(t::kPromptYa), S(t::kConfirmYa), S(t::kPromptXb)}));
  EXPECT_EQ(toolkit.notices(), Strings(3, S(t::kNoticeValueUnreadable)));
  EXPECT_EQ(record.Xa, 13);
  EXPECT_EQ(record.Ya, 20);
  EXPECT_EQ(toolkit.field(Field::Text2), " 13.000");
}

TEST(BadValueReply, SideBeyond32BitsAndEmptyAngle) {
  TraverseReplies tr = WorkedExample();
  Strings replies = KnownPointReplies(tr);
  replies.insert(replies.end(), {"A", "", "180", "", "1e39", "100", ""});
  ScriptedToolkit toolkit(replies);
  TraverseRecord record;
  RunAdjustment(toolkit, record);
  EXPECT_EQ(toolkit.notices(), Strings(2, S(t::kNoticeValueUnreadable)));
  EXPECT_EQ(record.SideLength[1], 100.0f);
  EXPECT_EQ(toolkit.field(Field::Text9), "S1=100.000");
}

// The external azimuth is held as typed and read only at its acceptance:
// the text has been echoed and confirmed when it fails, and the prompt that
// took it opens again.
TEST(AzimuthReading, FailsAfterTheEchoAndIsAskedAgain) {
  ScriptedToolkit toolkit({"1", "0", "", "0", "", "0", "", "0", "",
                           "4x5", "",             // Ta from the value prompt
                           "45", "",              // accepted
                           "1", "0", "zz", "",    // Tb re-entered with text that is no number
                           "225.001", ""});
  TraverseRecord record;
  RunAdjustment(toolkit, record);
  Strings trace = Trace(toolkit);
  const Strings tail(trace.end() - 23, trace.end());
  EXPECT_EQ(tail, (Strings{
                      "prompt\t" + S(t::kPromptTa), "field\tText6\t 4x5",
                      "prompt\t" + S(t::kConfirmTa), "field\tText6\t 4x5",
                      "notice\t" + S(t::kNoticeAzimuthUnreadable),
                      "prompt\t" + S(t::kPromptTa), "field\tText6\t 45.00000",
                      "prompt\t" + S(t::kConfirmTa), "field\tText6\t 45.00000",
                      "prompt\t" + S(t::kPromptTb), "field\tText7\t 1.00000",
                      "prompt\t" + S(t::kConfirmTb),
                      "prompt\t" + S(t::kReEnterTb), "field\tText7\t zz",
                      "prompt\t" + S(t::kConfirmAgainTb), "field\tText7\t zz",
                      "notice\t" + S(t::kNoticeAzimuthUnreadable),
                      "prompt\t" + S(t::kReEnterTb), "field\tText7\t 225.00100",
                      "prompt\t" + S(t::kConfirmAgainTb), "field\tText7\t 225.00100",
                      "field\tText22\t现在输入 A 点的点号", "prompt\t" + S(t::kPromptNameA)}));
  EXPECT_EQ(record.Ta, 45);
  EXPECT_EQ(record.Tb, 225.001);
}

TEST(AzimuthReading, TooLargeToConvertIsAskedAgain) {
  ScriptedToolkit toolkit({"1", "0", "", "0", "", "0", "", "0", "", "1e305", "", "45", ""});
  TraverseRecord record;
  RunAdjustment(toolkit, record);
  EXPECT_EQ(toolkit.notices(), Strings{S(t::kNoticeAzimuthTooLarge)});
  EXPECT_EQ(record.Ta, 45);
  EXPECT_FALSE(ShowsInfOrNan(toolkit));
}

// --- stopping ---------------------------------------------------------------

// Wherever the replies end, the run stops at that prompt, the record stays
// incomplete and nothing shows an infinity or a NaN.
TEST(Stopping, EndOfRepliesAtEveryPrompt) {
  const Strings all = Replies(WorkedExample());
  for (std::size_t cut = 0; cut < all.size(); ++cut) {
    ScriptedToolkit toolkit(Strings(all.begin(), all.begin() + static_cast<long>(cut)));
    TraverseRecord record;
    EXPECT_EQ(RunAdjustment(toolkit, record), RunOutcome::kStopped) << cut;
    EXPECT_FALSE(record.complete) << cut;
    ASSERT_FALSE(toolkit.events().empty());
    EXPECT_EQ(toolkit.events().back().kind, Event::Kind::kPrompt) << cut;
    EXPECT_EQ(toolkit.prompts().size(), cut + 1) << cut;
  }
}

TEST(Stopping, AtANoticeKeepsTheFieldsAndLeavesTheRecordIncomplete) {
  ScriptedToolkit toolkit(Replies(WorkedExample()));
  TraverseRecord record;
  ASSERT_EQ(RunAdjustment(toolkit, record), RunOutcome::kCompleted);

  // The second run: the user chooses to stop at the notice about side 1.
  TraverseReplies second = WorkedExample();
  second.xa = "500";
  Strings replies = KnownPointReplies(second);
  replies.insert(replies.end(), {"A", "90", "", "x"});
  toolkit.AddReplies(replies);
  toolkit.StopAtNotice(1);
  EXPECT_EQ(RunAdjustment(toolkit, record), RunOutcome::kStopped);
  EXPECT_FALSE(record.complete);
  EXPECT_EQ(toolkit.notices(), Strings{S(t::kNoticeValueUnreadable)});
  EXPECT_EQ(toolkit.events().back().kind, Event::Kind::kNotice);
  EXPECT_EQ(record.Xa, 500);
  EXPECT_EQ(toolkit.field(Field::Text2), " 500.000");
  EXPECT_EQ(toolkit.field(Field::Text8), "B0=90.0000");
  // Fields the second run did not reach keep the first run's texts.
  EXPECT_EQ(toolkit.field(Field::Text9), "S2=100.000");
  EXPECT_EQ(toolkit.field(Field::Text13), "  -10秒");
  EXPECT_EQ(toolkit.field(Field::Text17), "1/35636");
  EXPECT_EQ(toolkit.field(Field::Text11), "858.580");
}

// --- N = 1 and a second, smaller run ----------------------------------------

// One side from A (0, 0) due north to B (99.99, 0): a misclosure of 1 cm.
TraverseReplies OneSide() {
  return {"1", "0", "0", "99.99", "0", "180", "0", {"A", "B"}, {"180", "180"}, {"100"}, {}};
}

TEST(OneSide, AsksAForOneSideThenB) {
  ScriptedToolkit toolkit(Replies(OneSide()));
  TraverseRecord record;
  ASSERT_EQ(RunAdjustment(toolkit, record), RunOutcome::kCompleted);
  const Strings prompts = toolkit.prompts();
  const Strings stations(prompts.begin() + 13, prompts.end());
  EXPECT_EQ(stations, (Strings{S(t::kPromptNameA), "请输入位于 A 点的第 1 个转角数值( 转角为左角 ) :",
                               S(t::kConfirmAngleA), "请输入第 1 条观测边长的数值 (以米为单位) :",
                               t::ConfirmSide(1), S(t::kPromptNameB),
                               "请输入导线位于闭合点 B 点的第 2 个转角数值 ( 转角为左角 )",
                               S(t::kConfirmAngleB), S(t::kPromptShowPoint), S(t::kPromptShowPoint)}));
  EXPECT_EQ(toolkit.field(Field::Text1), "本导线含已知点共有2个导线点");
  EXPECT_EQ(toolkit.field(Field::Text8), "b1=180.00000");
  EXPECT_EQ(toolkit.field(Field::Text13), "  0秒");
  EXPECT_EQ(toolkit.field(Field::Text18), "10.00毫米");
  EXPECT_EQ(toolkit.field(Field::Text19), "0.00毫米");
  EXPECT_EQ(toolkit.field(Field::Text11), "99.990");
  EXPECT_EQ(toolkit.field(Field::Text16), "100米");
  EXPECT_EQ(toolkit.field(Field::Text17), "1/10000");
  EXPECT_TRUE(record.complete);
  EXPECT_EQ(record.m, 10000.0f);
}

TEST(SecondRun, SmallerNKeepsOnlyTheNewElements) {
  ScriptedToolkit toolkit(Replies(WorkedExample()));
  TraverseRecord record;
  ASSERT_EQ(RunAdjustment(toolkit, record), RunOutcome::kCompleted);

  // The second run stops at Xa: its arrays are already sized and empty, and
  // every field it has not reached shows the first run's text.
  toolkit.AddReplies({"1"});
  EXPECT_EQ(RunAdjustment(toolkit, record), RunOutcome::kStopped);
  EXPECT_FALSE(record.complete);
  EXPECT_EQ(record.N, 1);
  EXPECT_EQ(record.PointName, (Strings{"", ""}));
  EXPECT_EQ(record.Xp, (std::vector<double>{0, 0}));
  EXPECT_EQ(record.SideLength, (std::vector<float>{0, 0}));
  EXPECT_EQ(toolkit.field(Field::Text1), "本导线含已知点共有2个导线点");
  EXPECT_EQ(toolkit.field(Field::Text2), " 1000.000");
  EXPECT_EQ(toolkit.field(Field::Text14), "2.07毫米");
  EXPECT_EQ(toolkit.field(Field::Text10), "  B");

  // A whole second run with N = 1.
  toolkit.AddReplies(Replies(OneSide()));
  ASSERT_EQ(RunAdjustment(toolkit, record), RunOutcome::kCompleted);
  EXPECT_EQ(record.PointName, (Strings{"A", "B"}));
  EXPECT_EQ(record.TurnAngleDms.size(), 2u);
  EXPECT_EQ(record.Yp.size(), 2u);
  EXPECT_EQ(toolkit.field(Field::Text17), "1/10000");
}

// --- closing computations without a result ----------------------------------

TEST(Closing, ZeroTraverseLength) {
  TraverseReplies tr = WorkedExample();
  tr.sides = {"0", "-0"};
  ScriptedToolkit toolkit(Replies(tr));
  TraverseRecord record;
  ASSERT_EQ(RunAdjustment(toolkit, record), RunOutcome::kCompleted);
  EXPECT_TRUE(record.complete);
  EXPECT_FALSE(record.coordinatesAdjusted);
  EXPECT_FALSE(record.accuracyComputed);
  EXPECT_EQ(record.m, 0.0f);
  EXPECT_EQ(toolkit.notices(), Strings{S(t::kNoticeZeroLength)});
  EXPECT_EQ(toolkit.prompts().size(), 13u + 2 * 5 + 3 + 3);

  Strings shown;
  for (const std::string& line : Trace(toolkit)) {
    if (line.rfind("field\tText11", 0) == 0 || line.rfind("field\tText12", 0) == 0 ||
        line.rfind("field\tText16", 0) == 0 || line.rfind("field\tText17", 0) == 0 ||
        line.rfind("notice", 0) == 0) {
      shown.push_back(line);
    }
  }
  const std::string no = S(t::kTextNotComputable);
  EXPECT_EQ(shown, (Strings{"notice\t" + S(t::kNoticeZeroLength),
                            "field\tText11\t1000.000", "field\tText12\t2000.000",
                            "field\tText11\t" + no, "field\tText12\t" + no,
                            "field\tText11\t" + no, "field\tText12\t" + no,
                            "field\tText16\t0米", "field\tText17\t" + no}));
  EXPECT_EQ(toolkit.field(Field::Text18), "141420.00毫米");
  EXPECT_FALSE(ShowsInfOrNan(toolkit));
}

// A traverse that closes without any misclosure: the coordinates are adjusted
// and shown, only 1/m cannot be computed.
TEST(Closing, ExactClosure) {
  TraverseReplies tr = OneSide();
  tr.xb = "100";
  ScriptedToolkit toolkit(Replies(tr));
  TraverseRecord record;
  ASSERT_EQ(RunAdjustment(toolkit, record), RunOutcome::kCompleted);
  EXPECT_TRUE(record.complete);
  EXPECT_TRUE(record.coordinatesAdjusted);
  EXPECT_FALSE(record.accuracyComputed);
  EXPECT_EQ(toolkit.field(Field::Text14), "0.00毫米");
  EXPECT_EQ(toolkit.field(Field::Text11), "100.000");
  EXPECT_EQ(toolkit.field(Field::Text16), "100米");
  EXPECT_EQ(toolkit.field(Field::Text17), S(t::kTextNoMisclosure));
  EXPECT_EQ(toolkit.notices(), Strings{S(t::kNoticeExactClosure)});
  EXPECT_EQ(Trace(toolkit).back(), "notice\t" + S(t::kNoticeExactClosure));
}

// A misclosure of 1e-40 m over a side of 1e30 m: m = 1e70 has no 32-bit
// value. A starts exactly one side (the 32-bit 1e30) south of the origin.
TEST(Closing, AccuracyBeyond32Bits) {
  TraverseReplies tr = OneSide();
  tr.xa = "-1000000015047466219876688855040";
  tr.xb = "1e-40";
  tr.sides = {"1e30"};
  ScriptedToolkit toolkit(Replies(tr));
  TraverseRecord record;
  ASSERT_EQ(RunAdjustment(toolkit, record), RunOutcome::kCompleted);
  EXPECT_TRUE(record.coordinatesAdjusted);
  EXPECT_FALSE(record.accuracyComputed);
  EXPECT_EQ(record.m, 0.0f);
  EXPECT_EQ(toolkit.field(Field::Text14), "0.00毫米");
  EXPECT_EQ(toolkit.field(Field::Text11), "0.000");
  EXPECT_EQ(toolkit.field(Field::Text16), "1E+30米");
  EXPECT_EQ(toolkit.field(Field::Text17), S(t::kTextOutOfRange));
  EXPECT_EQ(toolkit.notices(), Strings{S(t::kNoticeAccuracyOutOfRange)});
}

TEST(Closing, HugeAngleAndSideAreAskedAgain) {
  TraverseReplies tr = WorkedExample();
  Strings replies = KnownPointReplies(tr);
  replies.insert(replies.end(), {"A", "1e305", "", "180", "",  // an angle with no degrees
                                 "3e38", "",                   // a side of 3e38 m
                                 "P1", "180", "", "3e38", "",  // the traverse length overflows
                                 "100", "", "B", "180", ""});
  replies.insert(replies.end(), {"", "", ""});
  ScriptedToolkit toolkit(replies);
  TraverseRecord record;
  ASSERT_EQ(RunAdjustment(toolkit, record), RunOutcome::kCompleted);
  EXPECT_EQ(toolkit.notices(), (Strings{S(t::kNoticeAngleTooLarge), S(t::kNoticeSideTooLarge)}));
  const Strings prompts = toolkit.prompts();
  EXPECT_EQ(prompts[16], prompts[14]);  // A's angle asked again with its value prompt
  EXPECT_EQ(record.TurnAngleDms[0], 180);
  EXPECT_EQ(record.SideLength[2], 100.0f);
  // Misclosures of some 3e38 m have no 32-bit value in millimetres.
  EXPECT_EQ(toolkit.field(Field::Text18), S(t::kTextOutOfRange));
  EXPECT_FALSE(ShowsInfOrNan(toolkit));
}

// B given 1e300 m away: the misclosure has no 32-bit value and the run ends
// after fb, telling the user why.
TEST(Closing, MisclosureWithoutResultEndsTheRun) {
  TraverseReplies tr = WorkedExample();
  tr.xb = "1e300";
  ScriptedToolkit toolkit(Replies(tr));
  TraverseRecord record;
  EXPECT_EQ(RunAdjustment(toolkit, record), RunOutcome::kStopped);
  EXPECT_FALSE(record.complete);
  EXPECT_EQ(Trace(toolkit).back(), "notice\t" + S(t::kNoticeClosingFailed));
  EXPECT_EQ(toolkit.field(Field::Text13), "  -10秒");
  EXPECT_EQ(toolkit.field(Field::Text18), "");
  EXPECT_EQ(toolkit.unusedReplies(), 3u);  // no point was shown
}

TEST(Closing, AngleAtBWithoutAzimuthMisclosureIsAskedAgain) {
  TraverseReplies tr = OneSide();
  tr.tb = "1e300";
  Strings replies = Replies(tr);
  replies.resize(replies.size() - 2);  // the replies end at B's angle asked again
  ScriptedToolkit toolkit(replies);
  TraverseRecord record;
  EXPECT_EQ(RunAdjustment(toolkit, record), RunOutcome::kStopped);
  EXPECT_EQ(toolkit.notices(), Strings{S(t::kNoticeAngleBTooLarge)});
  EXPECT_EQ(toolkit.prompts().back(), t::PromptAngleB(2));
  EXPECT_FALSE(record.complete);
}

}  // namespace
}  // namespace koravel::testing

// Confirmation replies, re-entry and the echo fields during a re-entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entry/confirmed_entry.h"
#include "entry/dialogue_script.h"
#include "entry/run.h"
#include "ui/texts/dialogue.h"

namespace koravel::testing {
namespace {

namespace t = texts;

struct ConfirmationCase {
  std::string reply;
  bool reEntry;
};

void PrintTo(const ConfirmationCase& c, std::ostream* os) { *os << "reply \"" << c.reply << '"'; }

class ConfirmationReply : public ::testing::TestWithParam<ConfirmationCase> {};

// Xa = 5, then the reply under test; a re-entry takes 7. The replies end at
// the Ya prompt.
TEST_P(ConfirmationReply, ZeroLeadsToReEntryAnythingElseAccepts) {
  const ConfirmationCase& c = GetParam();
  EXPECT_EQ(IsZeroReply(c.reply), c.reEntry);

  std::vector<std::string> replies = {"1", "5", c.reply};
  if (c.reEntry) replies.insert(replies.end(), {"7", ""});
  ScriptedToolkit toolkit(replies);
  TraverseRecord record;
  EXPECT_EQ(RunAdjustment(toolkit, record), RunOutcome::kStopped);

  std::vector<std::string> expected = {std::string(t::kPromptPointCount), std::string(t::kPromptXa),
                                       std::string(t::kConfirmXa)};
  if (c.reEntry) expected.insert(expected.end(), {std::string(t::kReEnterXa), std::string(t::kConfirmAgainXa)});
  expected.push_back(std::string(t::kPromptYa));
  EXPECT_EQ(toolkit.prompts(), expected);
  EXPECT_EQ(record.Xa, c.reEntry ? 7 : 5);
  EXPECT_EQ(toolkit.field(Field::Text2), c.reEntry ? " 7.000" : " 5.000");
  EXPECT_TRUE(toolkit.notices().empty());
}

INSTANTIATE_TEST_SUITE_P(Replies, ConfirmationReply,
                         ::testing::Values(ConfirmationCase{"0", true}, ConfirmationCase{"00", true},
                                           ConfirmationCase{"0.0", true}, ConfirmationCase{"-0", true},
                                           ConfirmationCase{"+0", true}, ConfirmationCase{" 0 ", true},
                                           ConfirmationCase{"0e5", true}, ConfirmationCase{"", false},
                                           ConfirmationCase{"1", false}, ConfirmationCase{"x", false},
                                           ConfirmationCase{"0x", false}, ConfirmationCase{"O", false},
                                           ConfirmationCase{"0.001", false}),
                         [](const auto& row) { return std::to_string(row.index); });

TEST(ReEntry, TwoReEntriesKeepTheValueTypedLast) {
  ScriptedToolkit toolkit({"1", "1.5", "0", "2.25", "0", "3.4583", ""});
  TraverseRecord record;
  RunAdjustment(toolkit, record);
  EXPECT_EQ(toolkit.prompts(),
            (std::vector<std::string>{std::string(t::kPromptPointCount), std::string(t::kPromptXa),
                                      std::string(t::kConfirmXa), std::string(t::kReEnterXa),
                                      std::string(t::kConfirmAgainXa), std::string(t::kReEnterXa),
                                      std::string(t::kConfirmAgainXa), std::string(t::kPromptYa)}));
  EXPECT_EQ(record.Xa, 3.4583);
  EXPECT_EQ(toolkit.field(Field::Text2), " 3.458");
}

// The trace lines between the first prompt whose message starts with `from`
// and the end.
std::vector<std::string> TraceFrom(const ScriptedToolkit& toolkit, const std::string& from) {
  std::vector<std::string> lines = Trace(toolkit);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind("prompt\t" + from, 0) == 0) return {lines.begin() + static_cast<long>(i), lines.end()};
  }
  return {};
}

// At A the echo field is emptied before a re-entry prompt opens; at the later
// points it keeps the rejected value until the new one is echoed.
TEST(ReEntry, EchoFieldEmptiedAtAOnly) {
  TraverseReplies tr = WorkedExample();
  std::vector<std::string> replies = KnownPointReplies(tr);
  replies.insert(replies.end(), {"A", "90", "0", "180", "",      // A's angle re-entered
                                 "99", "0", "100", "",           // side 1 re-entered
                                 "P1", "91", "0", "180", "",     // angle at P1
                                 "98", "0", "100", "",           // side 2
                                 "B", "92", "0", "181", "0", "180", ""});  // B's angle twice
  ScriptedToolkit toolkit(replies);
  TraverseRecord record;
  RunAdjustment(toolkit, record);

  const std::string confirmed = "?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";
  EXPECT_EQ(TraceFrom(toolkit, "请输入位于 A 点"),
            (std::vector<std::string>{
                "prompt\t请输入位于 A 点的第 1 个转角数值( 转角为左角 ) :", "field\tText8\tB0=90.00000",
                "prompt\tA 点的转角 输入是否正确" + confirmed, "field\tText8\t",
                "prompt\t输入位于 A 点的第 1 个转角正确的数值( 转角为左角 ) :", "field\tText8\tB0=180.00000",
                "prompt\t这次 A 点的转角输入是否正确" + confirmed, "field\tText8\tB0=180.0000",
                "field\tText21\t现在输入1边长",
                "prompt\t请输入第 1 条观测边长的数值 (以米为单位) :", "field\tText9\tS1=99.000",
                "prompt\t确认第 1 条观测边长输入的数值是否正确" + confirmed, "field\tText9\t",
                "prompt\t输入第 1 条观测边长正确的数值 (以米为单位) :", "field\tText9\tS1=100.000",
                "prompt\t确认这次第 1 条观测边长输入的数值是否正确" + confirmed, "field\tText9\tS1=100.000",
                "field\tText22\t现在输入转角点", "prompt\t请按路线顺序依次输入导线第1个转角点的点号",
                "field\tText10\t  P1", "field\tText20\t现在输入转角 2的数值",
                "prompt\t请输入导线第 2 个转角数值 ( 转角为左角 ) : ", "field\tText8\tB1=91.00000",
                "prompt\t确认第 2 个转角输入是否正确" + confirmed,
                "prompt\t输入导线第 2 个转角正确的数值 :", "field\tText8\tB1=180.00000",
                "prompt\t确认这次第 2 个转角的数值输入是否正确" + confirmed, "field\tText8\tB1=180.00000",
                "field\tText21\t现在输入2边长",
                "prompt\t请输入第 2 条观测边长的数值 (以米为单位) :", "field\tText9\tS2=98.000",
                "prompt\t确认第 2 条观测边长的数值输入是否正确" + confirmed,
                "prompt\t输入第 2 条观测边长正确的数值 (以米为单位) :", "field\tText9\tS2=100.000",
                "prompt\t确认这次第 2 条观测边长的数值输入是否正确" + confirmed, "field\tText9\tS2=100.000",
                "field\tText22\t现在输入B点的点号", "prompt\t请输入自闭合点 B 点的点号", "field\tText10\t  B",
                "field\tText20\t现在输入B点转角",
                "prompt\t请输入导线位于闭合点 B 点的第 3 个转角数值 ( 转角为左角 )", "field\tText8\tb2=92.00000",
                "prompt\t确认闭合点 B 点的转角输入是否正确" + confirmed,
                "prompt\t请输入导线位于闭合点 B 点的第 3 个转角正确的数值 ( 转角为左角 )", "field\tText8\tb2=181.00000",
                "prompt\t确认闭合点 B 点的转角输入是否正确" + confirmed,
                "prompt\t请输入导线位于闭合点 B 点的第 3 个转角正确的数值 ( 转角为左角 )", "field\tText8\tb2=180.00000",
                "prompt\t确认闭合点 B 点的转角输入是否正确" + confirmed, "field\tText8\tb2=180.00000",
                "field\tText22\t", "field\tText10\t",
                "field\tText13\t  -10秒", "field\tText18\t-1.36毫米", "field\tText19\t8.64毫米",
                "field\tText14\t2.07毫米", "field\tText15\t5.22毫米",
                "prompt\t需要显示座标请按 OK键,或输入不等于另的任意键"}));
  // The replies ended at the first pause: the record is not finished.
  EXPECT_FALSE(record.complete);
  EXPECT_EQ(record.TurnAngleDms, (std::vector<double>{180, 180, 180}));
  EXPECT_EQ(record.SideLength, (std::vector<float>{0, 100, 100}));
}

}  // namespace
}  // namespace koravel::testing

// The worked example typed as a whole dialogue: every prompt and every field
// write in order, the window texts at the end and the record afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entry/run.h"
#include "entry/dialogue_script.h"

namespace koravel::testing {
namespace {

const std::string kOk = "?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";

std::string P(const std::string& message) { return "prompt\t" + message; }
std::string F(int field, const std::string& text) { return "field\tText" + std::to_string(field) + "\t" + text; }

TEST(WorkedExample, EveryPromptAndFieldWriteInOrder) {
  TraverseReplies t = WorkedExample();
  t.pauses = {"0", "x", ""};  // a zero, any text and Enter all show the next point
  ScriptedToolkit toolkit(Replies(t));
  TraverseRecord record;

  ASSERT_EQ(RunAdjustment(toolkit, record), RunOutcome::kCompleted);

  const std::string pause = "需要显示座标请按 OK键,或输入不等于另的任意键";
  const std::vector<std::string> expected = {
      P("请输入导线的点数 N （N 点数中不包括已知点 A ,但应包括已知点 B )"),
      F(1, "本导线含已知点共有3个导线点"),
      P("请输入起始点 A 的纵座标 Xa "), F(2, " 1000.000"),
      P("A 点纵座标 Xa 输入是否正确" + kOk), F(2, " 1000.000"),
      P("请输入起始点 A 的横座标 Ya "), F(3, " 2000.000"),
      P("A 点横座标 Ya 输入是否正确" + kOk), F(3, " 2000.000"),
      P("请输入闭合点 B 的纵座标 Xb "), F(4, " 858.580"),
      P("B 点纵座标 Xb 输入是否正确" + kOk), F(4, " 858.580"),
      P("请输入闭合点 B 的横座标 Yb "), F(5, " 1858.570"),
      P("B 点横座标 Yb 输入是否正确" + kOk), F(5, " 1858.570"),
      P("请输入起始点 A 的外方位角 Ta (Ta 的方向为自起始点 A 向外)"), F(6, " 45.00000"),
      P("起始点 A 的外方位角 Ta 输入是否正确" + kOk), F(6, " 45.00000"),
      P("请输入闭合点 B 的外方位角 Tb (Tb 的方向为自闭合点 B 向外)"), F(7, " 225.00100"),
      P("闭合点 B 的外方位角 Tb 输入是否正确" + kOk), F(7, " 225.00100"),
      // A
      F(22, "现在输入 A 点的点号"), P("请输入自起始点 A 点的点号"), F(10, "  A"),
      F(20, "现在输入A点转角"),
      P("请输入位于 A 点的第 1 个转角数值( 转角为左角 ) :"), F(8, "B0=180.00000"),
      P("A 点的转角 输入是否正确" + kOk), F(8, "B0=180.0000"),
      F(21, "现在输入1边长"),
      P("请输入第 1 条观测边长的数值 (以米为单位) :"), F(9, "S1=100.000"),
      P("确认第 1 条观测边长输入的数值是否正确" + kOk), F(9, "S1=100.000"),
      // P1
      F(22, "现在输入转角点"), P("请按路线顺序依次输入导线第1个转角点的点号"), F(10, "  P1"),
      F(20, "现在输入转角 2的数值"),
      P("请输入导线第 2 个转角数值 ( 转角为左角 ) : "), F(8, "B1=180.00000"),
      P("确认第 2 个转角输入是否正确" + kOk), F(8, "B1=180.00000"),
      F(21, "现在输入2边长"),
      P("请输入第 2 条观测边长的数值 (以米为单位) :"), F(9, "S2=100.000"),
      P("确认第 2 条观测边长的数值输入是否正确" + kOk), F(9, "S2=100.000"),
      // B
      F(22, "现在输入B点的点号"), P("请输入自闭合点 B 点的点号"), F(10, "  B"),
      F(20, "现在输入B点转角"),
      P("请输入导线位于闭合点 B 点的第 3 个转角数值 ( 转角为左角 )"), F(8, "b2=180.00000"),
      P("确认闭合点 B 点的转角输入是否正确" + kOk), F(8, "b2=180.00000"),
      F(22, ""), F(10, ""),
      // the closing sequence
      F(13, "  -10秒"), F(18, "-1.36毫米"), F(19, "8.64毫米"), F(14, "2.07毫米"), F(15, "5.22毫米"),
      P(pause), F(22, "现在显示计算结果"), F(10, "  A"), F(11, "1000.000"), F(12, "2000.000"),
      P(pause), F(22, "现在显示计算结果"), F(10, "  P1"), F(11, "929.289"), F(12, "1929.286"),
      P(pause), F(22, "现在显示计算结果"), F(10, "  B"), F(11, "858.580"), F(12, "1858.570"),
      F(16, "200米"), F(17, "1/35636"),
  };
  EXPECT_EQ(Trace(toolkit), expected);
  EXPECT_EQ(toolkit.unusedReplies(), 0u);
}

TEST(WorkedExample, RecordAfterTheRun) {
  ScriptedToolkit toolkit(Replies(WorkedExample()));
  TraverseRecord record;
  ASSERT_EQ(RunAdjustment(toolkit, record), RunOutcome::kCompleted);

  EXPECT_TRUE(record.complete);
  EXPECT_TRUE(record.coordinatesAdjusted);
  EXPECT_TRUE(record.accuracyComputed);
  EXPECT_EQ(record.N, 2);
  EXPECT_EQ(record.Xa, 1000);
  EXPECT_EQ(record.Ya, 2000);
  EXPECT_EQ(record.Xb, 858.58);
  EXPECT_EQ(record.Yb, 1858.57);
  EXPECT_EQ(record.Ta, 45);
  EXPECT_EQ(record.Tb, 225.001);
  EXPECT_EQ(record.PointName, (std::vector<std::string>{"A", "P1", "B"}));
  EXPECT_EQ(record.SideLength, (std::vector<float>{0, 100, 100}));
  EXPECT_EQ(record.TurnAngleDms, (std::vector<double>{180, 180, 180}));
  // Every angle in degrees with the same share of fb = -10 seconds.
  for (double angle : record.TurnAngle) EXPECT_EQ(angle, 180.00092592590954);
  EXPECT_EQ(record.fb, -10.0f);
  EXPECT_EQ(record.FxBefore, -0.0013562531676143408f);
  EXPECT_EQ(record.FyBefore, 0.00864377897232771f);
  EXPECT_EQ(record.FxAfter, 0.0020719433669000864f);
  EXPECT_EQ(record.FyAfter, 0.005215674173086882f);
  EXPECT_EQ(record.m, 35636.0f);
  ASSERT_EQ(record.Xp.size(), 3u);
  EXPECT_EQ(record.Xp[0], 1000);
  EXPECT_EQ(record.Yp[0], 2000);
  EXPECT_NEAR(record.Xp[1], 929.2894286, 1e-7);
  EXPECT_NEAR(record.Yp[1], 1929.285571, 1e-6);
  EXPECT_NEAR(record.Xp[2], 858.58, 1e-7);
  EXPECT_NEAR(record.Yp[2], 1858.57, 1e-7);
}

}  // namespace
}  // namespace koravel::testing

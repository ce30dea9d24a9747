// The window program as a whole process: it starts and paints its window, and
// where there is no screen it says so in one line and exits with status 1
// instead of letting Qt abort.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace koravel::testing {
namespace {

QProcessEnvironment EnvironmentWithout(std::initializer_list<const char*> names) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : names) env.remove(QString::fromLatin1(name));
  return env;
}

TEST(WindowProgram, WithoutAScreenSaysSoAndExitsWithStatusOne) {
  QProcess program;
  program.setProcessEnvironment(EnvironmentWithout({"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}));
  program.start(QStringLiteral(KORAVEL_WINDOW_PROGRAM), {});
  ASSERT_TRUE(program.waitForFinished(20000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no crash, no abort";
  EXPECT_EQ(program.exitCode(), 1);
  const QString err = QString::fromUtf8(program.readAllStandardError());
  EXPECT_TRUE(err.startsWith(QStringLiteral("没有图形显示"))) << err.toStdString();
  EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
  EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
}

TEST(WindowProgram, StartsAndPaintsItsWindowOffscreen) {
  QProcess program;
  QProcessEnvironment env = EnvironmentWithout({"DISPLAY", "WAYLAND_DISPLAY"});
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("KORAVEL_EXIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
  program.setProcessEnvironment(env);
  program.start(QStringLiteral(KORAVEL_WINDOW_PROGRAM), {});
  ASSERT_TRUE(program.waitForFinished(20000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);
}

}  // namespace
}  // namespace koravel::testing

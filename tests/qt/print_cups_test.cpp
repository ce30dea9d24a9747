// The report through a real print server: the worked example run in the
// window, 打 印 clicked, and the job that reaches the default queue (a cups-pdf
// queue that cups_server.sh sets up for this test) read back from the
// server's spool.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include "print_support.h"
#include "ui/qt/main_window.h"
#include "ui/text_render.h"
#include "window_driver.h"

namespace koravel::testing {
namespace {

const QString kQueue = QStringLiteral("KoravelPDF");

QString Output(const QString& program, const QStringList& arguments) {
  QProcess p;
  p.start(program, arguments);
  if (!p.waitForFinished(30000)) return QString();
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The job numbers of the queue that lpstat lists for `which` (all,
// completed).
std::vector<int> Jobs(const QString& which) {
  std::vector<int> jobs;
  static const QRegularExpression job(QStringLiteral("^KoravelPDF-([0-9]+)\\s"),
                                      QRegularExpression::MultilineOption);
  const QString listing = Output(QStringLiteral("lpstat"), {QStringLiteral("-W"), which, QStringLiteral("-o"), kQueue});
  for (auto it = job.globalMatch(listing); it.hasNext();) jobs.push_back(it.next().captured(1).toInt());
  return jobs;
}

TEST(CupsPrint, Command3PrintsTheWorkedExampleOnTheDefaultPrinter) {
  const QDir state(QStringLiteral(KORAVEL_CUPS_STATE));
  if (!state.exists()) GTEST_SKIP() << "the print server is set up by the ctest fixture cups_server";
  QFile unavailable(state.filePath(QStringLiteral("unavailable")));
  if (unavailable.open(QIODevice::ReadOnly)) GTEST_SKIP() << unavailable.readAll().trimmed().toStdString();
  UseReportFaces();
  ASSERT_EQ(QPrinterInfo::defaultPrinter().printerName(), kQueue);

  int lastJob = 0;
  for (int job : Jobs(QStringLiteral("all"))) lastJob = std::max(lastJob, job);

  MainWindow window;
  window.show();
  std::vector<Reply> replies;
  for (const std::string& text : Replies(WorkedExample())) replies.push_back({text, Answer::kEnterKey});
  ModalDriver driver(window, replies);
  auto* run = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  auto* print = window.findChild<QPushButton*>(QStringLiteral("Command3"));
  ASSERT_NE(run, nullptr);
  ASSERT_NE(print, nullptr);
  QTest::mouseClick(run, Qt::LeftButton);
  ASSERT_TRUE(window.record().complete);
  ASSERT_EQ(driver.unusedReplies(), 0u);
  const std::size_t modalsOfTheRun = driver.shown().size();

  QTest::mouseClick(print, Qt::LeftButton);
  EXPECT_EQ(driver.shown().size(), modalsOfTheRun) << "printing told the user: " << driver.shown().back().message;

  // The job of the click, once the queue has finished it.
  int job = 0;
  for (QDeadlineTimer deadline(60000); job == 0 && !deadline.hasExpired(); QThread::msleep(100)) {
    for (int j : Jobs(QStringLiteral("completed"))) {
      if (j > lastJob) job = j;
    }
  }
  ASSERT_NE(job, 0) << "no finished job on " << kQueue.toStdString() << "; the queue holds:\n"
                    << Output(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"),
                                                      QStringLiteral("-o"), kQueue})
                           .toStdString();

  // The document as the program handed it to the server.
  const QString spool = QStringLiteral("/var/spool/cups/d%1-001").arg(job, 5, 10, QLatin1Char('0'));
  ASSERT_TRUE(QFile::exists(spool)) << spool.toStdString();
  const QString text = PdfText(spool);
  EXPECT_TRUE(text.contains(QStringLiteral("---- Koravel ----"))) << text.toStdString();
  QString expected;
  for (const PrintLineItems& line : BuildReport(window.record())) {
    for (const std::string& rendered : RenderText(line)) expected += Q(rendered) + QLatin1Char('\n');
  }
  EXPECT_EQ(Condensed(text), Condensed(expected));
}

}  // namespace
}  // namespace koravel::testing

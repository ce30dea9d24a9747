// report_pdf_tool OUT.pdf [N]
//
// Prints a report into a PDF file through the window program's printer code:
// the worked example (entered through the dialogue), or with N a finished
// traverse of N sides. Says how many pages it took and how long, from the
// first printed line to the closed file. scripts/report_png.sh makes the
// picture of the first page from it; with N = 32766 it gives the figures of
// the longest report.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <cstdio>
#include <cstdlib>

#include "print_support.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s OUT.pdf [N]\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  koravel::InstallFontSubstitutes();
  using namespace koravel::testing;

  const QString out = QString::fromLocal8Bit(argv[1]);
  koravel::TraverseRecord record;
  if (argc == 3) {
    const long n = std::strtol(argv[2], nullptr, 10);
    if (n < 1 || n > 32766) {
      std::fprintf(stderr, "N must be 1 ... 32766\n");
      return 2;
    }
    record = LongTraverseRecord(static_cast<std::int16_t>(n));
  } else {
    record = WorkedExampleRecord();
  }
  if (!record.complete) {
    std::fprintf(stderr, "the worked example did not complete\n");
    return 1;
  }

  QElapsedTimer clock;
  clock.start();
  const QStringList complaints = PrintReportToPdf(record, out);
  const double seconds = clock.nsecsElapsed() / 1e9;
  for (const QString& c : complaints) std::fprintf(stderr, "%s\n", c.toUtf8().constData());
  if (!complaints.isEmpty()) return 1;

  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {out});
  info.waitForFinished(60000);
  QString pages = QStringLiteral("?");
  for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1String("Pages:"))) pages = line.mid(6).trimmed();
  }
  std::printf("N=%d lines=%d pages=%s seconds=%.2f bytes=%lld\n", static_cast<int>(record.N), 34 + 3 * record.N,
              pages.toUtf8().constData(), seconds, static_cast<long long>(QFile(out).size()));
  return 0;
}

// What the printer tests share: records to print, a toolkit that sends the
// report's print operations to a ReportPrinter, PDF printers, and the text and
// word boxes of a printed PDF as poppler's pdftotext reads them.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "entry/run.h"
#include "entry/traverse_record.h"
#include "support/scripted_toolkit.h"
#include "ui/qt/qstring_utf8.h"
#include "ui/qt/report_printer.h"
#include "ui/qt/startup.h"
#include "ui/report.h"
#include "ui/toolkit.h"
#include "entry/dialogue_script.h"

namespace koravel::testing {

// 宋体 resolved to an installed face, as the window program does at start-up.
inline void UseReportFaces() { InstallFontSubstitutes(); }

// The worked example, entered through the real dialogue.
inline TraverseRecord WorkedExampleRecord() {
  ScriptedToolkit toolkit(Replies(WorkedExample()));
  TraverseRecord record;
  const RunOutcome outcome = RunAdjustment(toolkit, record);
  if (outcome != RunOutcome::kCompleted) record.complete = false;
  return record;
}

// A finished traverse of n sides heading north-east, each point named
// after its number; only the layout of its report matters.
inline TraverseRecord LongTraverseRecord(std::int16_t n) {
  TraverseRecord r;
  r.N = n;
  r.Xa = 1000;
  r.Ya = 2000;
  r.Ta = 45;
  r.Tb = 225.001;
  const auto size = static_cast<std::size_t>(n) + 1;
  r.PointName.resize(size);
  r.SideLength.assign(size, 100.0f);
  r.SideLength[0] = 0;
  r.TurnAngle.assign(size, 180.0);
  r.TurnAngleDms.assign(size, 180.0);
  r.Xp.resize(size);
  r.Yp.resize(size);
  for (std::size_t i = 0; i < size; ++i) {
    r.PointName[i] = i == 0 ? "A" : i == size - 1 ? "B" : "P" + std::to_string(i);
    r.Xp[i] = 1000 + 70.7106781 * static_cast<double>(i);
    r.Yp[i] = 2000 + 70.7106781 * static_cast<double>(i);
  }
  r.Xb = r.Xp.back();
  r.Yb = r.Yp.back();
  r.fb = -10;
  r.FxBefore = 0.0125f;
  r.FyBefore = -0.0031f;
  r.FxAfter = 0.002f;
  r.FyAfter = 0.005f;
  r.m = 35636;
  r.complete = r.coordinatesAdjusted = r.accuracyComputed = true;
  return r;
}

// Sends the report's print operations to a ReportPrinter. The report asks
// nothing and sets no field; a notice is recorded.
class PrinterToolkit : public Toolkit {
 public:
  explicit PrinterToolkit(ReportPrinter& printer) : printer_(printer) {}
  std::optional<std::string> PromptText(std::string_view) override { return std::nullopt; }
  void SetFieldText(Field, std::string_view) override {}
  bool Notice(NoticeKind, std::string_view text) override {
    notices.emplace_back(text);
    return true;
  }
  void SetPrintPosition(float x, float y) override { printer_.SetPrintPosition(x, y); }
  void SetPrintFont(std::string_view face) override { printer_.SetPrintFont(face); }
  void SetPrintFontSize(float points) override { printer_.SetPrintFontSize(points); }
  void PrintLine(const PrintLineItems& items) override { printer_.PrintLine(items); }
  void EndPrintDocument() override { printer_.EndPrintDocument(); }
  void EndProgram() override {}

  std::vector<std::string> notices;

 private:
  ReportPrinter& printer_;
};

// A printer that writes a PDF file, at the resolution of a real printer.
inline std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  return printer;
}

// Prints the report of `record` into a PDF file; returns what the user was
// told.
inline QStringList PrintReportToPdf(const TraverseRecord& record, const QString& path) {
  QStringList complaints;
  ReportPrinter printer([&](const QString& text) { complaints << text; }, [&] { return PdfPrinter(path); });
  PrinterToolkit toolkit(printer);
  PrintReport(toolkit, record);
  return complaints;
}

// Runs pdftotext on a file; the text of all pages ("\f" between pages).
inline QString PdfText(const QString& path, const QStringList& options = {QStringLiteral("-layout")}) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), QStringList(options) << path << QStringLiteral("-"));
  if (!p.waitForFinished(120000) || p.exitCode() != 0) return QString();
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The non-empty lines of a text with every blank removed: what stays the
// same whichever way a reader of the PDF spaces the words.
inline QStringList Condensed(const QString& text) {
  QStringList out;
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  for (QString line : text.split(QRegularExpression(QStringLiteral("[\n\f]")))) {
    line.remove(blanks);
    if (!line.isEmpty()) out << line;
  }
  return out;
}

// One word of a printed page, in points from the page's top left corner.
struct Word {
  QString text;
  double xMin, yMin, xMax, yMax;
};
// One printed line: its words, left to right.
using PrintedLine = std::vector<Word>;
// One page: its lines, top to bottom.
using Page = std::vector<PrintedLine>;

struct PrintedDocument {
  double pageWidth = 0, pageHeight = 0;
  std::vector<Page> pages;
};

// The words of a PDF with their boxes (pdftotext -bbox), grouped into lines:
// words of one line share their top.
inline PrintedDocument ReadWords(const QString& path) {
  PrintedDocument doc;
  const QString html = PdfText(path, {QStringLiteral("-bbox")});
  static const QRegularExpression pageTag(
      QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">"));
  static const QRegularExpression wordTag(QStringLiteral(
      "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
  const QStringList pageTexts = html.split(QStringLiteral("</page>"));
  for (const QString& pageText : pageTexts) {
    const auto pm = pageTag.match(pageText);
    if (!pm.hasMatch()) continue;
    doc.pageWidth = pm.captured(1).toDouble();
    doc.pageHeight = pm.captured(2).toDouble();
    std::vector<Word> words;
    for (auto it = wordTag.globalMatch(pageText); it.hasNext();) {
      const auto m = it.next();
      QString text = m.captured(5);
      text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
          .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
          .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
          .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
      words.push_back({text, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                       m.captured(4).toDouble()});
    }
    // pdftotext gives the words in its own reading order (column blocks):
    // sort them into lines, top to bottom, then left to right.
    std::stable_sort(words.begin(), words.end(), [](const Word& a, const Word& b) { return a.yMin < b.yMin; });
    Page page;
    for (const Word& w : words) {
      if (!page.empty() && w.yMin - page.back().front().yMin < 0.5) {
        page.back().push_back(w);
      } else {
        page.push_back({w});
      }
    }
    for (PrintedLine& line : page) {
      std::sort(line.begin(), line.end(), [](const Word& a, const Word& b) { return a.xMin < b.xMin; });
    }
    doc.pages.push_back(std::move(page));
  }
  return doc;
}

// The geometry the printer works in, in points: the printable area of a
// printer and the width of one column of a font on it.
struct PaperGeometry {
  double left, top, bottom;  // edges of the printable area on the page
  double column10, column12; // column width of 宋体 10 and 12 points
  double line10;             // line height of 宋体 10 points
};

inline PaperGeometry Geometry(QPrinter& printer) {
  const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
  const double toPoints = 72.0 / printer.resolution();
  QFont font(QStringLiteral("宋体"));
  font.setPointSizeF(10);
  const QFontMetricsF m10(font, &printer);
  font.setPointSizeF(12);
  const QFontMetricsF m12(font, &printer);
  return {area.left(), area.top(), area.bottom(), m10.averageCharWidth() * toPoints,
          m12.averageCharWidth() * toPoints, m10.lineSpacing() * toPoints};
}

}  // namespace koravel::testing

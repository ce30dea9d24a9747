// The report on paper: printed to PDF files through QPrinter and read back
// with poppler's pdftotext, words and their positions.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>

#include "print_support.h"
#include "ui/report.h"
#include "ui/text_render.h"
#include "ui/texts/printer.h"

namespace koravel::testing {
namespace {

// Positions read back from a PDF are rounded to hundredths of a point.
constexpr double kTolerance = 0.05;

// The report's lines as the terminal shows them, blanks removed.
QStringList CondensedReport(const TraverseRecord& record) {
  QString text;
  for (const PrintLineItems& line : BuildReport(record)) {
    for (const std::string& rendered : RenderText(line)) text += Q(rendered) + QLatin1Char('\n');
  }
  return Condensed(text);
}

class PrintToPdf : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { UseReportFaces(); }
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  // The geometry of the printers the tests print on.
  PaperGeometry Paper() const {
    auto printer = PdfPrinter(dir_.filePath(QStringLiteral("unused.pdf")));
    return Geometry(*printer);
  }

  QTemporaryDir dir_;
};

// Whether the text of a page line starts with `head`.
const PrintedLine* FindLine(const Page& page, const QString& head, int skip = 0) {
  for (const PrintedLine& line : page) {
    if (line.front().text == head && skip-- == 0) return &line;
  }
  return nullptr;
}

TEST_F(PrintToPdf, WorkedExampleHasEveryLineInOrderAndPrintsTheSameTwice) {
  const TraverseRecord record = WorkedExampleRecord();
  ASSERT_TRUE(record.complete);

  ASSERT_TRUE(PrintReportToPdf(record, Path("first.pdf")).isEmpty());
  ASSERT_TRUE(PrintReportToPdf(record, Path("second.pdf")).isEmpty());

  const QString text = PdfText(Path("first.pdf"));
  EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
  EXPECT_TRUE(text.contains(QStringLiteral("---- Koravel ----")));
  EXPECT_EQ(Condensed(text), CondensedReport(record));
  EXPECT_EQ(PdfText(Path("second.pdf")), text);
}

TEST_F(PrintToPdf, WorkedExampleStandsInItsColumns) {
  const TraverseRecord record = WorkedExampleRecord();
  ASSERT_TRUE(record.complete);
  ASSERT_TRUE(PrintReportToPdf(record, Path("report.pdf")).isEmpty());
  const PaperGeometry paper = Paper();
  const PrintedDocument doc = ReadWords(Path("report.pdf"));
  ASSERT_EQ(doc.pages.size(), 1u);
  const Page& page = doc.pages[0];
  auto column10 = [&](int n) { return paper.left + (n - 1) * paper.column10; };

  // The heading at 12 points, the rest at 10: columns of the current font.
  ASSERT_FALSE(page.empty());
  EXPECT_EQ(page[0].front().text, QStringLiteral("----"));
  EXPECT_NEAR(page[0].front().xMin, paper.left + 27 * paper.column12, kTolerance);
  for (const char* heading : {"起始点座标", "观测边(米)", "导线点座标", "角度配赋前座标闭合差"}) {
    const PrintedLine* line = FindLine(page, QString::fromUtf8(heading));
    ASSERT_NE(line, nullptr) << heading;
    EXPECT_NEAR(line->front().xMin, column10(22), kTolerance) << heading;
  }

  // The column heads of the start data, and its rows: 3 columns between the
  // name and X, 5 between X and Y.
  const PrintedLine* heads = FindLine(page, QStringLiteral("点名"));
  ASSERT_NE(heads, nullptr);
  ASSERT_EQ(heads->size(), 3u);
  EXPECT_NEAR((*heads)[0].xMin, column10(27), kTolerance);
  EXPECT_NEAR((*heads)[1].xMin, column10(35), kTolerance);
  EXPECT_NEAR((*heads)[2].xMin, column10(50), kTolerance);
  for (const char* name : {"A", "B"}) {
    const PrintedLine* row = FindLine(page, QString::fromUtf8(name));
    ASSERT_NE(row, nullptr) << name;
    ASSERT_EQ(row->size(), 4u) << name;  // name, colon, X, Y
    EXPECT_NEAR((*row)[0].xMin, column10(27), kTolerance);
    EXPECT_NEAR((*row)[2].xMin - (*row)[1].xMax, 3 * paper.column10, kTolerance);
    EXPECT_NEAR((*row)[3].xMin - (*row)[2].xMax, 5 * paper.column10, kTolerance);
  }

  // Angle rows: number, observed and adjusted angle each in its column, so
  // the columns line up across the rows; rows one line apart.
  const PrintedLine* previous = nullptr;
  for (const char* number : {"0", "1", "2"}) {
    const PrintedLine* row = FindLine(page, QString::fromUtf8(number));
    ASSERT_NE(row, nullptr) << number;
    ASSERT_EQ(row->size(), 4u) << number;  // number, colon, observed, adjusted
    EXPECT_NEAR((*row)[0].xMin, column10(24), kTolerance);
    EXPECT_NEAR((*row)[2].xMin, column10(30), kTolerance);
    EXPECT_NEAR((*row)[3].xMin, column10(48), kTolerance);
    if (previous) {
      EXPECT_NEAR(row->front().yMin - previous->front().yMin, paper.line10, kTolerance);
    }
    previous = row;
  }

  // Coordinate rows under their heads: X over the X values, Y over the Y
  // values.
  const auto heads2 = std::find_if(page.begin(), page.end(),
                                   [](const PrintedLine& l) { return l.front().text == QStringLiteral("X"); });
  ASSERT_NE(heads2, page.end());
  const PrintedLine& coordinateHeads = *heads2;
  ASSERT_EQ(coordinateHeads.size(), 2u);
  int rows = 0;
  for (const char* name : {"A", "P1", "B"}) {
    ++rows;
    ASSERT_LT(heads2 - page.begin() + rows, static_cast<std::ptrdiff_t>(page.size()));
    const PrintedLine& row = *(heads2 + rows);
    ASSERT_EQ(row.size(), 4u) << name;
    EXPECT_EQ(row[0].text, QString::fromUtf8(name));
    EXPECT_NEAR(row[0].xMin, column10(24), kTolerance);
    EXPECT_NEAR(row[2].xMin - row[1].xMax, 3 * paper.column10, kTolerance);
    EXPECT_NEAR(row[3].xMin - row[2].xMax, 5 * paper.column10, kTolerance);
    EXPECT_GT(coordinateHeads[0].xMin, row[2].xMin) << name;
    EXPECT_LT(coordinateHeads[0].xMax, row[2].xMax) << name;
    EXPECT_GT(coordinateHeads[1].xMin, row[3].xMin) << name;
    EXPECT_LT(coordinateHeads[1].xMax, row[3].xMax) << name;
  }
  EXPECT_EQ(rows, 3);
}

// With a face whose Latin characters are one column wide and whose Han
// characters are two (宋体 and the Song faces that stand in for it), the
// paper shows every word at the column where the terminal shows it.
TEST_F(PrintToPdf, WorkedExampleMatchesTheTextFormColumnForColumn) {
  const TraverseRecord record = WorkedExampleRecord();
  ASSERT_TRUE(record.complete);
  {
    auto printer = PdfPrinter(Path("unused.pdf"));
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(10);
    const QFontMetricsF m(font, printer.get());
    if (m.horizontalAdvance(QStringLiteral("0:.A")) != 4 * m.averageCharWidth() ||
        m.horizontalAdvance(QStringLiteral("点")) != 2 * m.averageCharWidth()) {
      GTEST_SKIP() << "宋体 resolves to " << QFontInfo(font).family().toStdString()
                   << ", whose characters are not whole columns";
    }
  }
  ASSERT_TRUE(PrintReportToPdf(record, Path("report.pdf")).isEmpty());
  const PaperGeometry paper = Paper();
  const PrintedDocument doc = ReadWords(Path("report.pdf"));
  ASSERT_EQ(doc.pages.size(), 1u);

  // The words of the text form with the column each starts at.
  std::vector<std::vector<std::pair<int, QString>>> textLines;
  for (const PrintLineItems& line : BuildReport(record)) {
    for (const std::string& rendered : RenderText(line)) {
      std::vector<std::pair<int, QString>> words;
      int column = 1;
      QString word;
      int start = 0;
      for (const QChar ch : Q(rendered)) {
        if (ch == QLatin1Char(' ')) {
          if (!word.isEmpty()) words.emplace_back(start, word);
          word.clear();
        } else {
          if (word.isEmpty()) start = column;
          word += ch;
        }
        column += CellWidth(ch.unicode());
      }
      if (!word.isEmpty()) words.emplace_back(start, word);
      if (!words.empty()) textLines.push_back(std::move(words));
    }
  }

  const Page& page = doc.pages[0];
  ASSERT_EQ(page.size(), textLines.size());
  for (std::size_t i = 0; i < page.size(); ++i) {
    const double column = i == 0 ? paper.column12 : paper.column10;
    ASSERT_EQ(page[i].size(), textLines[i].size()) << "line " << i << ": " << textLines[i][0].second.toStdString();
    for (std::size_t w = 0; w < page[i].size(); ++w) {
      EXPECT_EQ(page[i][w].text, textLines[i][w].second) << "line " << i;
      EXPECT_NEAR((page[i][w].xMin - paper.left) / column + 1, textLines[i][w].first, 0.01)
          << "line " << i << " word " << textLines[i][w].second.toStdString();
    }
  }
}

// The rules of a printed line, on hand-made lines: the start position, a
// Column reached exactly or passed, Spaces, Number with its sign position,
// text that keeps its own width; and a document ended by the printer's end.
TEST_F(PrintToPdf, LineRules) {
  const QString path = Path("lines.pdf");
  QStringList complaints;
  {
    ReportPrinter printer([&](const QString& c) { complaints << c; }, [&] { return PdfPrinter(path); });
    printer.SetPrintPosition(2000, 1000);
    printer.SetPrintFont("宋体");
    printer.SetPrintFontSize(10);
    using I = PrintItem;
    printer.PrintLine({I::Text("start")});
    printer.PrintLine({I::Text("abcdefghijkl"), I::Column(5), I::Text("next")});
    printer.PrintLine({I::Column(10), I::Text("a"), I::Column(11), I::Text("b")});
    printer.PrintLine({I::Column(2), I::Spaces(4), I::Text("s")});
    printer.PrintLine({I::Text("m="), I::Number(5234), I::Text("|")});
    printer.PrintLine({I::Text("m="), I::Number(-12.5f), I::Text("|")});
    printer.PrintLine({I::Text("m="), I::Number(12345678), I::Text("|")});
    printer.PrintLine({});
    printer.PrintLine({I::Text("last")});
    // No EndPrintDocument: the printer ends the document when it goes.
  }
  EXPECT_TRUE(complaints.isEmpty());
  const PaperGeometry paper = Paper();
  const PrintedDocument doc = ReadWords(path);
  ASSERT_EQ(doc.pages.size(), 1u);
  const Page& page = doc.pages[0];
  auto column = [&](int n) { return paper.left + (n - 1) * paper.column10; };
  auto blank = [&](const Word& a, const Word& b) { return (b.xMin - a.xMax) / paper.column10; };
  ASSERT_EQ(page.size(), 9u);

  // The first line at the print position: 2000 twips (100 points) from the
  // left, 1000 (50 points) from the top of the printable area.
  EXPECT_NEAR(page[0][0].xMin, paper.left + 100, kTolerance);
  EXPECT_GE(page[0][0].yMin, paper.top + 50 - 0.5);
  EXPECT_LT(page[0][0].yMin, paper.top + 50 + paper.line10 / 2);
  // Every later line starts at column 1, one line lower; past column 5 the
  // line breaks and goes on at column 5 of the next.
  EXPECT_NEAR(page[1][0].xMin, column(1), kTolerance);
  EXPECT_EQ(page[2][0].text, QStringLiteral("next"));
  EXPECT_NEAR(page[2][0].xMin, column(5), kTolerance);
  for (std::size_t i = 1; i < page.size() - 1; ++i) {
    EXPECT_NEAR(page[i][0].yMin - page[i - 1][0].yMin, paper.line10, kTolerance) << "line " << i;
  }
  // A column reached exactly continues on the same line.
  ASSERT_EQ(page[3].size(), 1u);
  EXPECT_EQ(page[3][0].text, QStringLiteral("ab"));
  EXPECT_NEAR(page[3][0].xMin, column(10), kTolerance);
  EXPECT_NEAR(page[4][0].xMin, column(6), kTolerance);
  // Number: a blank before a number that is not negative, one after it.
  ASSERT_EQ(page[5].size(), 3u);
  EXPECT_EQ(page[5][1].text, QStringLiteral("5234"));
  EXPECT_NEAR(blank(page[5][0], page[5][1]), 1, 0.01);
  EXPECT_NEAR(blank(page[5][1], page[5][2]), 1, 0.01);
  ASSERT_EQ(page[6].size(), 2u);
  EXPECT_EQ(page[6][0].text, QStringLiteral("m=-12.5"));
  ASSERT_EQ(page[7].size(), 3u);
  EXPECT_EQ(page[7][1].text, QStringLiteral("1.234568E+07"));
  // The empty line takes its room.
  EXPECT_NEAR(page[8][0].yMin - page[7][0].yMin, 2 * paper.line10, kTolerance);
}

// A long traverse runs over several pages: every line once, in order; no
// line below the printable area; each later page starting at its top; and no
// page left short while lines remain.
TEST_F(PrintToPdf, LongTraverseContinuesOnNewPages) {
  const TraverseRecord record = LongTraverseRecord(200);
  ASSERT_TRUE(PrintReportToPdf(record, Path("long.pdf")).isEmpty());

  const QString text = PdfText(Path("long.pdf"));
  EXPECT_EQ(Condensed(text), CondensedReport(record));

  const PaperGeometry paper = Paper();
  const PrintedDocument doc = ReadWords(Path("long.pdf"));
  ASSERT_GE(doc.pages.size(), 5u);
  EXPECT_EQ(text.count(QLatin1Char('\f')), static_cast<qsizetype>(doc.pages.size()));
  for (std::size_t p = 0; p < doc.pages.size(); ++p) {
    const Page& page = doc.pages[p];
    ASSERT_FALSE(page.empty()) << "page " << p + 1;
    for (const PrintedLine& line : page) {
      for (const Word& w : line) EXPECT_LE(w.yMax, paper.bottom + 0.5) << "page " << p + 1;
    }
    if (p > 0) {
      EXPECT_LT(page.front().front().yMin, paper.top + paper.line10 / 2) << "page " << p + 1;
    }
    if (p + 1 < doc.pages.size()) {
      // The report never has more than two empty lines in a row, so a page
      // that breaks early leaves at most three lines' room unused.
      EXPECT_GT(page.back().front().yMin, paper.bottom - 4 * paper.line10) << "page " << p + 1;
    }
  }
}

// When the report cannot be printed the user is told once, the rest of the
// document is dropped without a crash, and the next print starts afresh.
struct FailureCase {
  const char* name;
  std::function<std::unique_ptr<QPrinter>()> badPrinter;
  std::int16_t points;
  std::string_view told;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class PrintFailure : public PrintToPdf, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(PrintFailure, TellsTheUserOnceAndPrintsNextTime) {
  const FailureCase& c = GetParam();
  const TraverseRecord record = c.points == 2 ? WorkedExampleRecord() : LongTraverseRecord(c.points);
  ASSERT_TRUE(record.complete);
  const QString good = Path("good.pdf");
  int documents = 0;
  QStringList complaints;
  ReportPrinter printer([&](const QString& text) { complaints << text; },
                        [&] { return documents++ == 0 ? c.badPrinter() : PdfPrinter(good); });
  PrinterToolkit toolkit(printer);

  PrintReport(toolkit, record);
  EXPECT_EQ(complaints, QStringList{Q(c.told)});
  EXPECT_FALSE(QFile::exists(good));

  PrintReport(toolkit, record);
  EXPECT_EQ(complaints.size(), 1);
  EXPECT_EQ(Condensed(PdfText(good)), CondensedReport(record));
}

INSTANTIATE_TEST_SUITE_P(
    Printers, PrintFailure,
    ::testing::Values(
        FailureCase{"NoPrinter", [] { return std::unique_ptr<QPrinter>(); }, 2, texts::kNoPrinter},
        FailureCase{"PrinterWillNotStart",
                    [] { return PdfPrinter(QStringLiteral("/nonexistent-koravel-folder/report.pdf")); }, 2,
                    texts::kPrinterWontStart},
        // A device that takes nothing: the failure shows when a page is
        // finished.
        FailureCase{"PrinterFailsWhilePrinting", [] { return PdfPrinter(QStringLiteral("/dev/full")); }, 400,
                    texts::kPrinterFailed}),
    [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
}  // namespace koravel::testing

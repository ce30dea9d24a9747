#include "ui/qt/report_printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <optional>

#include "ui/qt/qstring_utf8.h"
#include "ui/text_render.h"
#include "ui/texts/printer.h"

namespace koravel {

namespace {

// The system's default printer at high resolution, or nothing when no printer
// is set up: QPrinter would otherwise fall back to a PDF file with no name.
std::unique_ptr<QPrinter> DefaultPrinter() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

// A position that lands on a column boundary through sums of fractional
// widths may miss it by a rounding error; it still counts as on the column.
constexpr qreal kSlack = 1e-6;

}  // namespace

// One print document: its printer and painter, and where the next character
// goes, in device pixels from the printable area's top left corner.
//
// The print position is one point on the paper. SetPrintPosition puts it
// anywhere (the report's first line starts 2000 twips from the left); a
// Column(n) item moves it to column n, counted from the left edge of the
// printable area whatever the position was set to, or breaks the line when
// the position is already past that column; every line break returns it to
// column 1, the left edge, one line height of the font of that line lower.
struct ReportPrinter::Document {
  std::unique_ptr<QPrinter> printer;  // declared first: outlives the painter
  QPainter painter;
  // Set when the document could not be opened or the printer failed: the
  // user has been told, and the rest of the document is dropped.
  bool dropped = false;

  qreal x = 0;
  qreal y = 0;
  qreal pageHeight = 0;
  qreal pixelsPerTwip = 0;

  // The font of the lines, resolved for the printer; rebuilt when the face or
  // the size changes.
  QString face;
  float points = -1;
  QFont font;
  std::optional<QFontMetricsF> metrics;
};

ReportPrinter::ReportPrinter(Complaint tellUser, PrinterFactory makePrinter)
    : tellUser_(std::move(tellUser)), makePrinter_(std::move(makePrinter)) {}

ReportPrinter::~ReportPrinter() {
  // A document left open is released to the printer as it stands (the
  // Document ends its painter before its printer goes). Nobody is told: the
  // program is ending, and whoever would be told may be gone already.
  document_.reset();
}

void ReportPrinter::SetPrintPosition(float xTwips, float yTwips) {
  xTwips_ = xTwips;
  yTwips_ = yTwips;
  if (document_ && !document_->dropped) {
    document_->x = xTwips * document_->pixelsPerTwip;
    document_->y = yTwips * document_->pixelsPerTwip;
  }
}

void ReportPrinter::SetPrintFont(std::string_view face) { face_ = Q(face); }

void ReportPrinter::SetPrintFontSize(float points) { points_ = points; }

void ReportPrinter::PrintLine(const PrintLineItems& items) {
  if (!document_) {
    document_ = std::make_unique<Document>();
    Document& doc = *document_;
    doc.printer = makePrinter_ ? makePrinter_() : DefaultPrinter();
    if (!doc.printer) {
      doc.dropped = true;
      if (tellUser_) tellUser_(Q(texts::kNoPrinter));
      return;
    }
    doc.printer->setDocName(Q(texts::kPrintJobTitle));
    doc.printer->setCreator(QStringLiteral("Koravel"));
    if (!doc.painter.begin(doc.printer.get())) {
      doc.dropped = true;
      if (tellUser_) tellUser_(Q(texts::kPrinterWontStart));
      return;
    }
    doc.pixelsPerTwip = doc.printer->resolution() / 1440.0;
    doc.pageHeight = doc.printer->pageLayout().paintRectPixels(doc.printer->resolution()).height();
    doc.x = xTwips_ * doc.pixelsPerTwip;
    doc.y = yTwips_ * doc.pixelsPerTwip;
  }
  Document& doc = *document_;
  if (doc.dropped) return;

  if (!doc.metrics || doc.face != face_ || doc.points != points_) {
    doc.face = face_;
    doc.points = points_;
    doc.font = face_.isEmpty() ? QFont() : QFont(face_);
    if (points_ > 0) doc.font.setPointSizeF(points_);
    doc.metrics.emplace(doc.font, doc.printer.get());
    doc.painter.setFont(doc.font);
  }
  const QFontMetricsF& metrics = *doc.metrics;
  // Rule of the report: every column is one average character wide, counted
  // from column 1 at the left edge of the printable area.
  const qreal column = metrics.averageCharWidth();
  const qreal lineHeight = metrics.lineSpacing();

  bool failed = false;
  // A line that would reach below the printable area goes to the top of a new
  // page (unless it already stands at the top: a line taller than the page
  // is printed where it is rather than feeding blank pages).
  auto fitLine = [&] {
    if (doc.y > 0 && doc.y + lineHeight > doc.pageHeight + kSlack) {
      if (!doc.printer->newPage()) failed = true;
      doc.y = 0;
    }
  };
  auto print = [&](const QString& text) {
    if (text.isEmpty()) return;
    doc.painter.drawText(QPointF(doc.x, doc.y + metrics.ascent()), text);
    doc.x += metrics.horizontalAdvance(text);
  };

  fitLine();
  for (const PrintItem& item : items) {
    if (failed) break;
    switch (item.kind) {
      case PrintItem::Kind::kColumn: {
        const qreal target = (std::max<int>(item.count, 1) - 1) * column;
        if (doc.x > target + kSlack) {
          // Already past the column: continue at that column of the next line.
          doc.y += lineHeight;
          fitLine();
        }
        doc.x = target;
        break;
      }
      case PrintItem::Kind::kSpaces:
        doc.x += std::max<int>(item.count, 0) * column;
        break;
      case PrintItem::Kind::kText:
        print(Q(item.text));
        break;
      case PrintItem::Kind::kNumber:
        print(Q(NumberItemText(item.number)));
        break;
    }
  }
  doc.x = 0;
  doc.y += lineHeight;

  if (failed || doc.printer->printerState() == QPrinter::Error) Abandon(doc);
}

void ReportPrinter::Abandon(Document& doc) {
  doc.dropped = true;
  if (tellUser_) tellUser_(Q(texts::kPrinterFailed));
  // Withdraw the job where the printer allows it. Qt's PDF and CUPS engines
  // refuse (they hand the job over only when it ends): the document is then
  // ended as it stands, and the user knows it is incomplete.
  doc.printer->abort();
  doc.painter.end();
}

void ReportPrinter::EndPrintDocument() {
  std::unique_ptr<Document> doc = std::move(document_);
  // The next document starts at the printable area's origin unless the
  // program sets another position first.
  xTwips_ = 0;
  yTwips_ = 0;
  if (!doc || doc->dropped) return;
  if (doc->printer->printerState() == QPrinter::Error) {
    Abandon(*doc);
    return;
  }
  if (!doc->painter.end() || doc->printer->printerState() == QPrinter::Error) {
    if (tellUser_) tellUser_(Q(texts::kPrinterFailed));
  }
}

}  // namespace koravel

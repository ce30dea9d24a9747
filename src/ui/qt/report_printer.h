// Puts the report's print items on paper through QPrinter: columns one average
// character width of the current font wide, positions in twips from the
// printable area's origin, a new page when a line does not fit.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string_view>

#include "ui/toolkit.h"

class QPrinter;

namespace koravel {

class ReportPrinter {
 public:
  // Makes the printer of a new document; empty: the system's default printer.
  using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;
  // Tells the user that printing failed (no printer, or the printer failed).
  using Complaint = std::function<void(const QString&)>;

  explicit ReportPrinter(Complaint tellUser, PrinterFactory makePrinter = {});
  ~ReportPrinter();
  ReportPrinter(const ReportPrinter&) = delete;
  ReportPrinter& operator=(const ReportPrinter&) = delete;

  void SetPrintPosition(float xTwips, float yTwips);
  void SetPrintFont(std::string_view face);
  void SetPrintFontSize(float points);
  // The first line after construction or after EndPrintDocument opens a new
  // document. When the document cannot be opened the user is told once and
  // the rest of the document is dropped.
  void PrintLine(const PrintLineItems& items);
  // Releases the document to the printer (or aborts a failed one).
  void EndPrintDocument();

 private:
  struct Document;
  // Tells the user that the printer failed and gives the document up.
  void Abandon(Document& doc);
  Complaint tellUser_;
  PrinterFactory makePrinter_;
  std::unique_ptr<Document> document_;
  // Settings that outlive a document, as the toolkit keeps them.
  float xTwips_ = 0;
  float yTwips_ = 0;
  QString face_;
  float points_ = 0;
};

}  // namespace koravel

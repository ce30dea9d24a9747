// The toolkit of the window program: modal prompts and message boxes over the
// main window, its text fields, and the system printer.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ui/qt/report_printer.h"
#include "ui/toolkit.h"

class QLineEdit;
class QWidget;

namespace koravel {

class QtToolkit final : public Toolkit {
 public:
  // The window's 22 text fields, Text1 first. makePrinter: see ReportPrinter.
  QtToolkit(QWidget* window, const std::array<QLineEdit*, 22>& fields,
            ReportPrinter::PrinterFactory makePrinter = {});
  ~QtToolkit() override;

  // Opens a modal prompt over the window and waits. Enter or OK gives the
  // typed text, Cancel or closing the prompt the empty text. Nothing only once
  // the program is ending: the run then stops.
  std::optional<std::string> PromptText(std::string_view message) override;
  void SetFieldText(Field field, std::string_view text) override;
  // kRetry: a message box offering to answer again (the default, also on
  // Escape or closing the box) or to stop the run.
  bool Notice(NoticeKind kind, std::string_view text) override;

  void SetPrintPosition(float xTwips, float yTwips) override;
  void SetPrintFont(std::string_view face) override;
  void SetPrintFontSize(float points) override;
  void PrintLine(const PrintLineItems& items) override;
  void EndPrintDocument() override;

  // Hides the window and leaves the application's event loop.
  void EndProgram() override;
  bool ending() const { return ending_; }

 private:
  QWidget* window_;
  std::array<QLineEdit*, 22> fields_;
  ReportPrinter printer_;
  bool ending_ = false;
};

}  // namespace koravel

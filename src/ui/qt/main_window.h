// The main window Koravel: the start data, the observation data, the accuracy
// statistics and the results in 22 text fields inside a frame of blue lines,
// and the three buttons below it. It owns the traverse record of the last
// adjustment.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "entry/traverse_record.h"
#include "ui/qt/report_printer.h"
#include "ui/toolkit.h"

class QLineEdit;
class QPushButton;

namespace koravel {

class QtToolkit;

class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  // makePrinter: the printer of each report; empty: the system's default.
  explicit MainWindow(ReportPrinter::PrinterFactory makePrinter = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Places every control for a screen of this many dots per inch: a twip is
  // 1/1440 inch. Done at construction for the window's screen.
  void ApplyLayout(double dpiX, double dpiY);

  // Shows the window at the size of its whole layout, or maximised where the
  // screen is smaller than that.
  void ShowAtStart();

  QLineEdit* field(Field f) const { return fields_.at(static_cast<std::size_t>(f) - 1); }
  const TraverseRecord& record() const { return record_; }
  Toolkit& toolkit();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void RunClicked();
  void PrintClicked();
  void EndClicked();

  TraverseRecord record_;
  std::array<QLineEdit*, 22> fields_{};
  std::unique_ptr<QtToolkit> toolkit_;
  bool busy_ = false;  // a handler is running (a run's prompts are open)
};

}  // namespace koravel

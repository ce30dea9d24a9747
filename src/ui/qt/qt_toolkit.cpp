#include "ui/qt/qt_toolkit.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt/qstring_utf8.h"
#include "ui/texts/window.h"

namespace koravel {
namespace {

// The prompt of a run: the message, a one-line reply that starts empty, OK
// and Cancel. Long messages wrap inside a width of about thirty characters.
class PromptDialog final : public QDialog {
 public:
  PromptDialog(QWidget* parent, const QString& message) : QDialog(parent) {
    setObjectName(QStringLiteral("PromptDialog"));
    setWindowTitle(Q(texts::kWindowTitle));
    setModal(true);
    auto* label = new QLabel(message, this);
    label->setObjectName(QStringLiteral("PromptMessage"));
    label->setWordWrap(true);
    label->setMinimumWidth(fontMetrics().horizontalAdvance(QChar(0x6D4B)) * 30);
    label->setTextFormat(Qt::PlainText);
    reply_ = new QLineEdit(this);
    reply_->setObjectName(QStringLiteral("PromptReply"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("PromptButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(reply_);
    layout->addWidget(buttons);
    reply_->setFocus();
  }
  QString reply() const { return reply_->text(); }

 private:
  QLineEdit* reply_;
};

}  // namespace

QtToolkit::QtToolkit(QWidget* window, const std::array<QLineEdit*, 22>& fields,
                     ReportPrinter::PrinterFactory makePrinter)
    : window_(window),
      fields_(fields),
      printer_(
          [this](const QString& complaint) {
            if (!ending_) QMessageBox::warning(window_, Q(texts::kWindowTitle), complaint);
          },
          std::move(makePrinter)) {}

QtToolkit::~QtToolkit() = default;

std::optional<std::string> QtToolkit::PromptText(std::string_view message) {
  if (ending_) return std::nullopt;
  PromptDialog dialog(window_, Q(message));
  const int result = dialog.exec();
  // The program ended while the prompt was open: no reply will come.
  if (ending_) return std::nullopt;
  if (result != QDialog::Accepted) return std::string();
  return dialog.reply().toStdString();
}

void QtToolkit::SetFieldText(Field field, std::string_view text) {
  QLineEdit* edit = fields_.at(static_cast<std::size_t>(field) - 1);
  edit->setText(Q(text));
  // Show the beginning of the text, as a field written by the program should,
  // and show it now: the next prompt may open before the next paint.
  edit->setCursorPosition(0);
  edit->repaint();
}

bool QtToolkit::Notice(NoticeKind kind, std::string_view text) {
  if (ending_) return false;
  if (kind == NoticeKind::kInformation) {
    QMessageBox box(QMessageBox::Information, Q(texts::kWindowTitle), Q(text), QMessageBox::Ok, window_);
    box.setObjectName(QStringLiteral("NoticeBox"));
    box.exec();
    return !ending_;
  }
  QMessageBox box(QMessageBox::Warning, Q(texts::kWindowTitle), Q(text), QMessageBox::NoButton, window_);
  box.setObjectName(QStringLiteral("NoticeBox"));
  QPushButton* again = box.addButton(Q(texts::kRetryAnswerAgain), QMessageBox::AcceptRole);
  QPushButton* stop = box.addButton(Q(texts::kRetryStopRun), QMessageBox::RejectRole);
  again->setObjectName(QStringLiteral("AnswerAgain"));
  stop->setObjectName(QStringLiteral("StopRun"));
  // Stopping throws away what was typed: only an explicit click does it.
  box.setDefaultButton(again);
  box.setEscapeButton(again);
  box.exec();
  return !ending_ && box.clickedButton() != stop;
}

void QtToolkit::SetPrintPosition(float xTwips, float yTwips) { printer_.SetPrintPosition(xTwips, yTwips); }
void QtToolkit::SetPrintFont(std::string_view face) { printer_.SetPrintFont(face); }
void QtToolkit::SetPrintFontSize(float points) { printer_.SetPrintFontSize(points); }
void QtToolkit::PrintLine(const PrintLineItems& items) { printer_.PrintLine(items); }
void QtToolkit::EndPrintDocument() { printer_.EndPrintDocument(); }

void QtToolkit::EndProgram() {
  if (ending_) return;
  ending_ = true;
  window_->hide();
  QCoreApplication::quit();
}

}  // namespace koravel

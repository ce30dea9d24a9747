#include "ui/qt/main_window.h"

#include <QCloseEvent>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "entry/run.h"
#include "ui/qt/qstring_utf8.h"
#include "ui/qt/qt_toolkit.h"
#include "ui/qt/startup.h"
#include "ui/qt/window_layout.h"
#include "ui/report.h"
#include "ui/texts/window.h"

namespace koravel {
namespace {

QColor Colour(layout::Rgb c) { return QColor(c.r, c.g, c.b); }

int Px(int twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

// A rectangle in twips on the pixel grid: both edges are converted, so that
// controls that touch in twips touch on the screen.
QRect PxRect(int left, int top, int width, int height, double dpiX, double dpiY) {
  const int x = Px(left, dpiX);
  const int y = Px(top, dpiY);
  return QRect(x, y, Px(left + width, dpiX) - x, Px(top + height, dpiY) - y);
}

QFont WindowFont(layout::FontKey key) {
  const layout::FontSpec wanted = layout::Font(key);
  // Named by the installed face it stands for: Qt then finds it without a
  // search through the fallback faces.
  QFont font(InstalledFace(Q(wanted.face)));
  font.setPointSizeF(wanted.points);
  font.setWeight(QFont::Bold);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  // Unhinted outlines: the same picture at these sizes, and a glyph loads
  // without running the face's hinting program, which took a sixth of the
  // window's start-up.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// A straight line of the frame: a blue bar, as wide as the line, centred on
// the line's end points. It takes neither focus nor clicks.
class LineWidget final : public QWidget {
 public:
  LineWidget(const layout::Line& line, QWidget* parent) : QWidget(parent), line_(line) {
    setObjectName(Q(line.name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    QPalette p = palette();
    p.setColor(QPalette::Window, Colour(layout::kLineColour));
    setPalette(p);
    setAutoFillBackground(true);
  }
  void Place(double dpiX, double dpiY) {
    const int w = layout::kLineWidthPixels;
    const int x1 = Px(line_.x1, dpiX), y1 = Px(line_.y1, dpiY);
    const int x2 = Px(line_.x2, dpiX), y2 = Px(line_.y2, dpiY);
    setGeometry(QRect(QPoint(std::min(x1, x2) - w / 2, std::min(y1, y2) - w / 2),
                      QPoint(std::max(x1, x2) + w / 2, std::max(y1, y2) + w / 2)));
  }

 private:
  layout::Line line_;
};

}  // namespace

MainWindow::MainWindow(ReportPrinter::PrinterFactory makePrinter, QWidget* parent) : QWidget(parent) {
  setObjectName(Q(texts::kWindowTitle));
  setWindowTitle(Q(texts::kWindowTitle));
  // The window paints its whole background itself, once.
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The text fields' font, given before they exist: a field lays out its
  // text as soon as it is created, and would otherwise load a font it never
  // shows.
  const std::array<QFont, 4> fonts{WindowFont(layout::FontKey::kA), WindowFont(layout::FontKey::kB),
                                   WindowFont(layout::FontKey::kC), WindowFont(layout::FontKey::kD)};
  setFont(fonts[static_cast<std::size_t>(layout::FontKey::kB)]);

  // The lines first, so that every other control lies above them.
  for (const layout::Line& line : layout::kLines) new LineWidget(line, this);

  std::vector<std::pair<int, QWidget*>> focusOrder;
  for (const layout::Control& c : layout::kControls) {
    QWidget* widget = nullptr;
    switch (c.kind) {
      case layout::ControlKind::kLabel: {
        auto* label = new QLabel(Q(c.caption), this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette p = label->palette();
        p.setColor(QPalette::Window, Colour(layout::kBackground));
        label->setPalette(p);
        label->setAutoFillBackground(true);
        widget = label;
        break;
      }
      case layout::ControlKind::kTextField: {
        auto* edit = new QLineEdit(this);
        int number = 0;  // "Text1" ... "Text22"
        std::from_chars(c.name.data() + 4, c.name.data() + c.name.size(), number);
        fields_.at(static_cast<std::size_t>(number) - 1) = edit;
        focusOrder.emplace_back(c.tabIndex, edit);
        widget = edit;
        break;
      }
      case layout::ControlKind::kButton: {
        auto* button = new QPushButton(Q(c.caption), this);
        QPalette p = button->palette();
        p.setColor(QPalette::Button, Colour(c.name == "Command3" ? layout::kPrintButtonFace : layout::kRunButtonFace));
        button->setPalette(p);
        button->setAutoDefault(false);
        if (c.name == "Command1") connect(button, &QPushButton::clicked, this, &MainWindow::RunClicked);
        if (c.name == "Command2") connect(button, &QPushButton::clicked, this, &MainWindow::EndClicked);
        if (c.name == "Command3") connect(button, &QPushButton::clicked, this, &MainWindow::PrintClicked);
        focusOrder.emplace_back(c.tabIndex, button);
        widget = button;
        break;
      }
    }
    widget->setObjectName(Q(c.name));
    widget->setFont(fonts[static_cast<std::size_t>(c.font)]);
  }

  std::sort(focusOrder.begin(), focusOrder.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < focusOrder.size(); ++i) {
    QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
  }

  toolkit_ = std::make_unique<QtToolkit>(this, fields_, std::move(makePrinter));

  ApplyLayout(logicalDpiX(), logicalDpiY());
  fields_[0]->setFocus();
}

MainWindow::~MainWindow() = default;

Toolkit& MainWindow::toolkit() { return *toolkit_; }

void MainWindow::ApplyLayout(double dpiX, double dpiY) {
  for (const layout::Control& c : layout::kControls) {
    if (auto* w = findChild<QWidget*>(Q(c.name), Qt::FindDirectChildrenOnly)) {
      w->setGeometry(PxRect(c.left, c.top, c.width, c.height, dpiX, dpiY));
    }
  }
  for (const layout::Line& line : layout::kLines) {
    if (auto* w = findChild<QWidget*>(Q(line.name), Qt::FindDirectChildrenOnly)) {
      static_cast<LineWidget*>(w)->Place(dpiX, dpiY);
    }
  }
  resize(Px(layout::kClientWidth, dpiX), Px(layout::kClientHeight, dpiY));
}

void MainWindow::ShowAtStart() {
  const QScreen* s = screen();
  if (s != nullptr && (width() > s->availableGeometry().width() || height() > s->availableGeometry().height())) {
    showMaximized();
  } else {
    show();
  }
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Colour(layout::kBackground));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  toolkit_->EndProgram();
}

void MainWindow::RunClicked() {
  if (busy_ || toolkit_->ending()) return;
  busy_ = true;
  RunAdjustment(*toolkit_, record_);
  busy_ = false;
}

void MainWindow::PrintClicked() {
  if (busy_ || toolkit_->ending()) return;
  busy_ = true;
  PrintReport(*toolkit_, record_);
  busy_ = false;
}

void MainWindow::EndClicked() { toolkit_->EndProgram(); }

}  // namespace koravel

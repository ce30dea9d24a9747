// Every control of the main window against the window's layout: kind,
// position and size in twips, caption with its blanks, font, colours, focus
// order; the blue lines of the frame; the captions that wrap onto two lines.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextLayout>
#include <algorithm>
#include <string>
#include <vector>

#include "ui/qt/main_window.h"

namespace koravel::testing {
namespace {

enum class Kind { kLabel, kTextField, kButton };

struct ControlRow {
  const char* name;
  Kind kind;
  int left, top, width, height;  // twips
  const char* caption;
  char font;
  int tabIndex;
};

// Title and point count, start data, accuracy statistics, calculation
// results, observation data, buttons.
const ControlRow kControls[] = {
    {"Label1", Kind::kLabel, 6120, 2760, 3015, 375, "K o r a v e l", 'D', 42},
    {"Label3", Kind::kLabel, 6840, 3240, 1455, 255, "导线点个数说明", 'A', 10},
    {"Text1", Kind::kTextField, 5880, 3480, 3375, 315, "", 'B', 0},
    {"Label2", Kind::kLabel, 2280, 2520, 1455, 255, "(起始数据）", 'C', 9},
    {"Label4", Kind::kLabel, 2400, 2880, 1215, 255, "起始点纵座标 ", 'A', 11},
    {"Label27", Kind::kLabel, 2040, 3120, 255, 255, "Xa", 'B', 45},
    {"Text2", Kind::kTextField, 2280, 3120, 1335, 270, "", 'B', 1},
    {"Label5", Kind::kLabel, 2400, 3480, 1215, 255, "起始点横座标 ", 'A', 12},
    {"Label28", Kind::kLabel, 2040, 3720, 255, 255, "Ya", 'B', 46},
    {"Text3", Kind::kTextField, 2280, 3720, 1335, 270, "", 'B', 2},
    {"Label6", Kind::kLabel, 2400, 4080, 1215, 255, "闭合点纵座标 ", 'A', 13},
    {"Label29", Kind::kLabel, 2040, 4320, 255, 255, "Xb", 'B', 47},
    {"Text4", Kind::kTextField, 2280, 4320, 1335, 270, "", 'B', 3},
    {"Label7", Kind::kLabel, 2400, 4680, 1215, 255, "闭合点横座标", 'A', 14},
    {"Label30", Kind::kLabel, 2040, 4920, 255, 255, "Yb", 'B', 48},
    {"Text5", Kind::kTextField, 2280, 4920, 1335, 270, "", 'B', 4},
    {"Label8", Kind::kLabel, 2400, 5280, 1215, 375, "位于起始点处   外方位角 ", 'A', 15},
    {"Label31", Kind::kLabel, 2040, 5760, 255, 255, "Ta", 'B', 49},
    {"Text6", Kind::kTextField, 2280, 5760, 1335, 270, "", 'B', 5},
    {"Label9", Kind::kLabel, 2400, 6120, 1215, 375, "位于闭合点处   外方位角 ", 'A', 16},
    {"Label32", Kind::kLabel, 2040, 6600, 255, 255, "Tb", 'B', 50},
    {"Text7", Kind::kTextField, 2280, 6600, 1335, 270, "", 'B', 6},
    {"Label22", Kind::kLabel, 6600, 4200, 2055, 255, "( 精 度 统 计 )", 'C', 32},
    {"Label17", Kind::kLabel, 4560, 5160, 1215, 255, "方位角闭合差 ", 'A', 27},
    {"Label33", Kind::kLabel, 4320, 5400, 255, 255, "fb", 'B', 51},
    {"Text13", Kind::kTextField, 4560, 5400, 1095, 270, "", 'B', 19},
    {"Label23", Kind::kLabel, 5760, 4680, 1815, 375, "   纵座标闭合差    （未经过角度配赋） ", 'A', 37},
    {"Label34", Kind::kLabel, 5880, 5040, 255, 255, "Fx", 'B', 52},
    {"Text18", Kind::kTextField, 6120, 5040, 1215, 270, "", 'B', 35},
    {"Label24", Kind::kLabel, 5760, 5400, 1815, 375, "   横座标闭合差   （未经过角度配赋） ", 'A', 38},
    {"Label35", Kind::kLabel, 5880, 5760, 255, 255, "Fy", 'B', 53},
    {"Text19", Kind::kTextField, 6120, 5760, 1215, 270, "", 'B', 36},
    {"Label18", Kind::kLabel, 7560, 4680, 1575, 375, "  纵座标闭合差  （经过角度配赋） ", 'A', 28},
    {"Label36", Kind::kLabel, 7440, 5040, 255, 255, "Fx", 'B', 54},
    {"Text14", Kind::kTextField, 7680, 5040, 1215, 270, "", 'B', 20},
    {"Label19", Kind::kLabel, 7560, 5400, 1575, 375, "  横座标闭合差  （经过角度配赋） ", 'A', 29},
    {"Label37", Kind::kLabel, 7440, 5760, 255, 255, "Fy", 'B', 55},
    {"Text15", Kind::kTextField, 7680, 5760, 1215, 270, "", 'B', 21},
    {"Label20", Kind::kLabel, 9480, 4800, 855, 255, "导线全长", 'A', 30},
    {"Label38", Kind::kLabel, 8880, 5040, 495, 255, " [ S ]", 'B', 56},
    {"Text16", Kind::kTextField, 9360, 5040, 1335, 270, "", 'B', 22},
    {"Label21", Kind::kLabel, 9240, 5520, 1455, 255, "导线相对闭合差            1/M", 'A', 31},
    {"Label39", Kind::kLabel, 9000, 5760, 375, 255, "1/m", 'B', 57},
    {"Text17", Kind::kTextField, 9360, 5760, 1335, 270, "", 'B', 23},
    {"Label13", Kind::kLabel, 6600, 6480, 1815, 255, "(计 算 结 果）", 'C', 18},
    {"Label42", Kind::kLabel, 4800, 6840, 855, 255, "点名提示", 'A', 65},
    {"Text22", Kind::kTextField, 4200, 7080, 2055, 285, "", 'B', 64},
    {"Label14", Kind::kLabel, 6480, 6840, 735, 255, " 点  名", 'A', 24},
    {"Text10", Kind::kTextField, 6240, 7080, 1215, 270, "", 'B', 39},
    {"Label15", Kind::kLabel, 8040, 6840, 855, 255, "纵 座 标", 'A', 25},
    {"Label40", Kind::kLabel, 7560, 7080, 255, 255, "Xp", 'B', 58},
    {"Text11", Kind::kTextField, 7800, 7080, 1335, 270, "", 'B', 40},
    {"Label16", Kind::kLabel, 9600, 6840, 975, 255, " 横 座 标 ", 'A', 26},
    {"Label41", Kind::kLabel, 9240, 7080, 255, 255, "Yp", 'B', 59},
    {"Text12", Kind::kTextField, 9480, 7080, 1335, 270, "", 'B', 41},
    {"Label10", Kind::kLabel, 11520, 3240, 1455, 255, "（观测数据)", 'C', 17},
    {"Label11", Kind::kLabel, 11760, 3720, 1215, 255, "提示输入角度", 'A', 62},
    {"Text20", Kind::kTextField, 11160, 3960, 2415, 285, "", 'B', 60},
    {"Label25", Kind::kLabel, 12000, 4320, 855, 255, "导线转角", 'A', 43},
    {"Text8", Kind::kTextField, 11640, 4560, 1455, 270, "", 'B', 7},
    {"Label12", Kind::kLabel, 11760, 5160, 1215, 255, "提示输入边长", 'A', 63},
    {"Text21", Kind::kTextField, 11400, 5400, 1935, 285, "", 'B', 61},
    {"Label26", Kind::kLabel, 12000, 5760, 855, 255, "观测边长", 'A', 44},
    {"Text9", Kind::kTextField, 11640, 6000, 1455, 270, "", 'B', 8},
    {"Command1", Kind::kButton, 5880, 7920, 975, 495, "平差计算", 'A', 33},
    {"Command2", Kind::kButton, 7200, 7920, 975, 495, "终止计算", 'A', 34},
    {"Command3", Kind::kButton, 8520, 7920, 975, 495, "打 印", 'A', 66},
};

struct FontRow {
  char key;
  const char* face;
  double points;
  const char* installedFace;  // what the face resolves to on this machine
};
const FontRow kFonts[] = {
    {'A', "宋体", 9, "AR PL UMing CN"},
    {'B', "MS Sans Serif", 8.25, "DejaVu Sans"},
    {'C', "宋体", 12, "AR PL UMing CN"},
    {'D', "宋体", 15.75, "AR PL UMing CN"},
};

struct LineRow {
  const char* name;
  int x1, y1, x2, y2;
};
const LineRow kLines[] = {
    {"Line11", 1800, 2280, 13680, 2280}, {"Line14", 1800, 7560, 13680, 7560},
    {"Line10", 1800, 2280, 1800, 7560},  {"Line4", 13680, 2280, 13680, 7560},
    {"Line15", 3960, 2280, 3960, 5880},  {"Line2", 3960, 5880, 3960, 7560},
    {"Line3", 11040, 2280, 11040, 7560}, {"Line1", 3960, 3960, 11040, 3960},
    {"Line5", 3960, 6240, 11040, 6240},
};

const QColor kBackground(255, 255, 192);

const FontRow& FontOf(char key) {
  return *std::find_if(std::begin(kFonts), std::end(kFonts), [key](const FontRow& f) { return f.key == key; });
}

class WindowLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.ShowAtStart();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }
  QWidget* Child(const char* name) const { return window_.findChild<QWidget*>(QString::fromUtf8(name)); }

  MainWindow window_;
};

// A pixel edge converted back to twips must lie within half a pixel of the
// edge in twips.
void ExpectEdgesInTwips(const QRect& px, double dpiX, double dpiY, int left, int top, int width, int height,
                        const std::string& what) {
  const double halfX = 720.0 / dpiX + 1e-9, halfY = 720.0 / dpiY + 1e-9;
  EXPECT_NEAR(px.left() * 1440.0 / dpiX, left, halfX) << what << " left";
  EXPECT_NEAR(px.top() * 1440.0 / dpiY, top, halfY) << what << " top";
  EXPECT_NEAR((px.left() + px.width()) * 1440.0 / dpiX, left + width, halfX) << what << " right";
  EXPECT_NEAR((px.top() + px.height()) * 1440.0 / dpiY, top + height, halfY) << what << " bottom";
}

TEST_F(WindowLayout, EveryControlHasItsKindPlaceCaptionAndFont) {
  const double dpiX = window_.logicalDpiX(), dpiY = window_.logicalDpiY();
  int labels = 0, fields = 0, buttons = 0;
  for (const ControlRow& row : kControls) {
    SCOPED_TRACE(row.name);
    QWidget* w = Child(row.name);
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->parentWidget(), &window_);
    EXPECT_TRUE(w->isVisible());
    ExpectEdgesInTwips(w->geometry(), dpiX, dpiY, row.left, row.top, row.width, row.height, row.name);

    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
      case Kind::kLabel: {
        auto* label = qobject_cast<QLabel*>(w);
        ASSERT_NE(label, nullptr);
        ++labels;
        EXPECT_EQ(label->text(), caption);
        EXPECT_TRUE(label->wordWrap());
        EXPECT_TRUE(label->alignment() & Qt::AlignLeft);
        EXPECT_TRUE(label->autoFillBackground()) << "labels are opaque";
        EXPECT_EQ(label->palette().color(QPalette::Window), kBackground);
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        break;
      }
      case Kind::kTextField: {
        auto* edit = qobject_cast<QLineEdit*>(w);
        ASSERT_NE(edit, nullptr);
        ++fields;
        EXPECT_TRUE(edit->text().isEmpty());
        EXPECT_TRUE(edit->hasFrame());
        EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        break;
      }
      case Kind::kButton: {
        auto* button = qobject_cast<QPushButton*>(w);
        ASSERT_NE(button, nullptr);
        ++buttons;
        EXPECT_EQ(button->text(), caption);
        const QColor face = std::string(row.name) == "Command3" ? QColor(192, 255, 192) : QColor(255, 192, 192);
        EXPECT_EQ(button->palette().color(QPalette::Button), face);
        break;
      }
    }

    // The face named in the layout stands for an installed face of the same
    // style, on the screen as on paper.
    const FontRow& font = FontOf(row.font);
    const QString installed = QString::fromUtf8(font.installedFace);
    EXPECT_TRUE(QFont::substitutes(QString::fromUtf8(font.face)).contains(installed, Qt::CaseInsensitive));
    EXPECT_EQ(w->font().family(), installed);
    EXPECT_DOUBLE_EQ(w->font().pointSizeF(), font.points);
    EXPECT_EQ(w->font().weight(), QFont::Bold);
    EXPECT_FALSE(w->font().italic() || w->font().underline() || w->font().strikeOut());
    const QFontInfo shown(w->font());
    EXPECT_EQ(shown.family(), installed) << "the face on the screen";
    EXPECT_TRUE(shown.bold());
  }
  // Nothing beyond the controls of the layout.
  EXPECT_EQ(labels, 42);
  EXPECT_EQ(fields, 22);
  EXPECT_EQ(buttons, 3);
  EXPECT_EQ(window_.findChildren<QLabel*>().size(), 42);
  EXPECT_EQ(window_.findChildren<QLineEdit*>().size(), 22);
  EXPECT_EQ(window_.findChildren<QPushButton*>().size(), 3);
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("Koravel"));
}

TEST_F(WindowLayout, TabOrderFollowsTheTabIndexAndTheFocusStartsOnText1) {
  std::vector<const ControlRow*> focusable;
  for (const ControlRow& row : kControls) {
    if (row.kind != Kind::kLabel) focusable.push_back(&row);
  }
  std::sort(focusable.begin(), focusable.end(),
            [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
  QStringList expected;
  for (const ControlRow* row : focusable) expected << QString::fromUtf8(row->name);

  QStringList chain;
  QWidget* w = Child("Text1");
  ASSERT_NE(w, nullptr);
  do {
    if (w->focusPolicy() & Qt::TabFocus) chain << w->objectName();
    w = w->nextInFocusChain();
  } while (w != Child("Text1") && chain.size() <= expected.size());
  EXPECT_EQ(chain, expected);

  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
  // Tab walks the order from there.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Text2"));
}

TEST_F(WindowLayout, LinesAreBlueThreePixelsWideAndJoinTheirEnds) {
  const double dpiX = window_.logicalDpiX(), dpiY = window_.logicalDpiY();
  const QImage image = window_.grab().toImage();
  const qreal ratio = image.devicePixelRatio();
  for (const LineRow& row : kLines) {
    SCOPED_TRACE(row.name);
    QWidget* w = Child(row.name);
    ASSERT_NE(w, nullptr);
    const QRect g = w->geometry();
    const bool horizontal = row.y1 == row.y2;
    EXPECT_EQ(horizontal ? g.height() : g.width(), 3);
    // The bar is centred on the line and reaches past both ends by its
    // half-width, so that the frame's corners close.
    const QPoint centre = g.center();
    if (horizontal) {
      EXPECT_NEAR(centre.y() * 1440.0 / dpiY, row.y1, 720.0 / dpiY);
      EXPECT_NEAR((g.left() + 1) * 1440.0 / dpiX, row.x1, 720.0 / dpiX);
      EXPECT_NEAR((g.right() - 1) * 1440.0 / dpiX, row.x2, 720.0 / dpiX);
    } else {
      EXPECT_NEAR(centre.x() * 1440.0 / dpiX, row.x1, 720.0 / dpiX);
      EXPECT_NEAR((g.top() + 1) * 1440.0 / dpiY, row.y1, 720.0 / dpiY);
      EXPECT_NEAR((g.bottom() - 1) * 1440.0 / dpiY, row.y2, 720.0 / dpiY);
    }
    // On the screen: blue across its whole width at its middle.
    for (int d = -1; d <= 1; ++d) {
      const QPoint p = horizontal ? QPoint(centre.x(), centre.y() + d) : QPoint(centre.x() + d, centre.y());
      EXPECT_EQ(image.pixelColor(p * ratio), QColor(0, 0, 255)) << p.x() << "," << p.y();
    }
  }
  EXPECT_EQ(image.pixelColor(QPoint(5, 5) * ratio), kBackground) << "the window's background";
}

TEST_F(WindowLayout, WindowShowsTheWholeLayout) {
  const double dpiX = window_.logicalDpiX(), dpiY = window_.logicalDpiY();
  EXPECT_GE(window_.width() * 1440.0 / dpiX, 13680);
  EXPECT_GE(window_.height() * 1440.0 / dpiY, 8415);
  for (QWidget* w : window_.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    EXPECT_TRUE(window_.rect().contains(w->geometry())) << w->objectName().toStdString();
  }
}

TEST_F(WindowLayout, LayoutScalesWithTheScreensDotsPerInch) {
  for (const double dpi : {144.0, 192.0}) {
    window_.ApplyLayout(dpi, dpi);
    for (const ControlRow& row : kControls) {
      ExpectEdgesInTwips(Child(row.name)->geometry(), dpi, dpi, row.left, row.top, row.width, row.height, row.name);
    }
  }
}

// The lines a caption breaks into at the label's width, in the label's font.
QStringList WrappedLines(const QLabel& label) {
  QTextLayout layout(label.text(), label.font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QStringList lines;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(label.contentsRect().width());
    lines << label.text().mid(line.textStart(), line.textLength());
  }
  layout.endLayout();
  return lines;
}

TEST_F(WindowLayout, TwoLineCaptionsBreakInsideTheirLabels) {
  struct Case {
    const char* name;
    const char* first;
    const char* second;
  };
  const Case cases[] = {
      {"Label8", "位于起始点处   ", "外方位角 "},
      {"Label9", "位于闭合点处   ", "外方位角 "},
      {"Label23", "   纵座标闭合差    ", "（未经过角度配赋） "},
      {"Label24", "   横座标闭合差   ", "（未经过角度配赋） "},
      {"Label18", "  纵座标闭合差  ", "（经过角度配赋） "},
      {"Label19", "  横座标闭合差  ", "（经过角度配赋） "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* label = window_.findChild<QLabel*>(QString::fromUtf8(c.name));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(WrappedLines(*label), (QStringList{QString::fromUtf8(c.first), QString::fromUtf8(c.second)}));
    // Both lines are inside the label.
    const QFontMetrics metrics(label->font());
    EXPECT_LE(label->heightForWidth(label->width()), label->height() + metrics.descent());
  }
}

}  // namespace
}  // namespace koravel::testing

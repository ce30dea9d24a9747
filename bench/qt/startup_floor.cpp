// The floor of the start-up benchmark: the least a Qt program showing Chinese
// does before its window is on the screen. One window with one label in the
// Song face, gone after its first paint.
#include <QApplication>
#include <QFont>
#include <QLabel>

#include "ui/qt/quit_after_first_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("导线"));
  QFont font(QStringLiteral("AR PL UMing CN"));
  font.setPointSizeF(9);
  font.setBold(true);
  label.setFont(font);
  label.installEventFilter(new koravel::QuitAfterFirstPaint(&label));
  label.show();
  return app.exec();
}

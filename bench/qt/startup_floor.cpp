// The floor of the start-up benchmark: the least a Qt program showing Chinese
// does before its window is on the screen. One window with one label in the
// Song face, gone after its first paint.
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QMetaObject>
#include <cstdlib>

namespace {

class QuitAfterFirstPaint final : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // Once the paint is through (the queued call runs after it), leave at
      // once: tearing the program down is no part of its start.
      QMetaObject::invokeMethod(qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("导线"));
  QFont font(QStringLiteral("AR PL UMing CN"));
  font.setPointSizeF(9);
  font.setBold(true);
  label.setFont(font);
  label.installEventFilter(new QuitAfterFirstPaint(&label));
  label.show();
  return app.exec();
}

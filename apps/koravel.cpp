// koravel: the window program. Opens the window Koravel and waits for its
// buttons.
#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <cstdlib>
#include <cstdio>

#include "ui/qt/main_window.h"
#include "ui/qt/startup.h"
#include "ui/texts/window.h"

namespace {

// For the start-up benchmark only: leaves the program once the window has
// been painted for the first time.
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
  // Without a screen Qt would abort with a message about its platform plugin;
  // say plainly what is missing instead.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(koravel::texts::kNoDisplay.size()),
                 koravel::texts::kNoDisplay.data());
    return 1;
  }

  QApplication app(argc, argv);
  koravel::PrepareApplication(app);

  koravel::MainWindow window;
  if (!qEnvironmentVariableIsEmpty("KORAVEL_EXIT_AFTER_FIRST_PAINT")) {
    window.installEventFilter(new QuitAfterFirstPaint(&window));
  }
  window.ShowAtStart();
  return app.exec();
}

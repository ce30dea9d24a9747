// koravel: the window program. Opens the window Koravel and waits for its
// buttons.
#include <QApplication>
#include <cstdio>

#include "ui/qt/main_window.h"
#include "ui/qt/quit_after_first_paint.h"
#include "ui/qt/startup.h"
#include "ui/texts/window.h"

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
    window.installEventFilter(new koravel::QuitAfterFirstPaint(&window));
  }
  window.ShowAtStart();
  return app.exec();
}

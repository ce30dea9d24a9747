// main() of the Qt test programs: unless another platform is chosen, the
// offscreen platform with a screen of 1280 x 1024 at 96 dots per inch, large
// enough for the whole window (the tests are also listed at build time, where
// there is no screen); then the fonts and translations of the window program,
// then the tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>

#include "ui/qt/startup.h"

namespace {

// The offscreen platform warns each time a dialog sets its size limits; the
// warning says nothing about the program.
QtMessageHandler defaultHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support propagateSizeHints"))) return;
  defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  defaultHandler = qInstallMessageHandler(QuietHandler);
  ::testing::InitGoogleTest(&argc, argv);
  QString screenFile;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    screenFile = QDir::temp().filePath(QStringLiteral("koravel-test-screen-%1.json").arg(QCoreApplication::applicationPid()));
    QFile file(screenFile);
    if (file.open(QIODevice::WriteOnly)) {
      file.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1280, "height": 1024,)"
                 R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
      file.close();
      qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screenFile.toLocal8Bit());
    } else {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
  }
  QApplication app(argc, argv);
  if (!screenFile.isEmpty()) QFile::remove(screenFile);
  koravel::PrepareApplication(app);
  return RUN_ALL_TESTS();
}

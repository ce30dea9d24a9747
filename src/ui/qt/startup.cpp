#include "ui/qt/startup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QStringList>
#include <QStyleFactory>
#include <QTranslator>

namespace koravel {

void InstallFontSubstitutes() {
  // No package maps the Windows face names; name the Debian faces of the same
  // style. The second Song face serves where the first is not installed.
  const QStringList song{QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")};
  QFont::insertSubstitutions(QStringLiteral("宋体"), song);
  QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
  QFont::insertSubstitutions(QStringLiteral("新宋体"), song);
  QFont::insertSubstitutions(QStringLiteral("NSimSun"), song);
  // Chinese in a field of the sans face falls back to the Song face.
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             QStringList{QStringLiteral("DejaVu Sans")} + song);
}

bool InstallQtTranslations(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  const QString name = QStringLiteral("qtbase_zh_CN");
  if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      translator->load(name, QStringLiteral("/usr/share/qt6/translations"))) {
    QCoreApplication::installTranslator(translator);
    return true;
  }
  delete translator;
  return false;
}

void PrepareApplication(QApplication& app) {
  InstallFontSubstitutes();
  InstallQtTranslations(app);
  // Fusion paints a push button in the colour of its palette on every
  // platform; the window's red and green buttons depend on it.
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
}

}  // namespace koravel

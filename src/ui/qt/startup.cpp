#include "ui/qt/startup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

namespace koravel {

namespace {

// No package maps the Windows face names; name the Debian faces of the same
// style. The second Song face serves where the first is not installed.
QStringList SongFaces() { return {QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")}; }
// Chinese in a field of the sans face falls back to the Song face.
QStringList SansFaces() { return QStringList{QStringLiteral("DejaVu Sans")} + SongFaces(); }

// The Windows names that get substitutes: the Song face's, in Chinese and in
// Latin letters, then the sans face's.
QStringList SongNames() {
  return {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("新宋体"), QStringLiteral("NSimSun")};
}
QString SansName() { return QStringLiteral("MS Sans Serif"); }

QStringList Substitutes(const QString& face) {
  if (SongNames().contains(face)) return SongFaces();
  if (face == SansName()) return SansFaces();
  return {};
}

}  // namespace

void InstallFontSubstitutes() {
  const QStringList names = SongNames() << SansName();
  for (const QString& name : names) QFont::insertSubstitutions(name, Substitutes(name));
}

QString InstalledFace(const QString& face) {
  for (const QString& substitute : Substitutes(face)) {
    if (QFontDatabase::hasFamily(substitute)) return substitute;
  }
  return face;
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
  if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) return;
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
}

}  // namespace koravel

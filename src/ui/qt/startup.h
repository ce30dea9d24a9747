// What the window program and its tests set up before the first window: font
// names that resolve to installed faces, Qt's own dialog texts in Chinese, and
// a widget style that paints the button colours of the window.
#pragma once

#include <QString>

class QApplication;
class QCoreApplication;

namespace koravel {

// 宋体 (also written SimSun) becomes the installed Song/Ming face, MS Sans
// Serif a sans face, so that the window and the report show no boxes.
void InstallFontSubstitutes();

// The installed face that a face name stands for: the first installed face of
// its substitutes, else the name itself. A font made with it finds its face
// without a fallback search.
QString InstalledFace(const QString& face);

// Loads Qt's Chinese translation (确定 / 取消 on its dialog buttons). Returns
// whether it was found.
bool InstallQtTranslations(QCoreApplication& app);

// Everything above, and the Fusion style.
void PrepareApplication(QApplication& app);

}  // namespace koravel

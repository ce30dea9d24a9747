// For the start-up benchmark only: leaves the program once the watched window
// has been painted for the first time.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <cstdlib>

namespace koravel {

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

}  // namespace koravel

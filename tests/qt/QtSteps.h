// Short steps shared by the tests of dialogs on screen: the dialog in front, and answering the
// next message box from inside its own event loop.
#pragma once

#include <functional>

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>

inline QString Q(const char8_t* text) {
  return QString::fromUtf8(reinterpret_cast<const char*>(text));
}

// The innermost dialog on screen.
inline QWidget* ActiveDialog() {
  return QApplication::activeModalWidget();
}

// Acts on the next message box once it is up, from the event loop of its exec().
inline void OnNextMessageBox(std::function<void(QMessageBox&)> act, int tries = 200) {
  QTimer::singleShot(5, [act, tries] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return act(*box);
    if (tries > 0) OnNextMessageBox(act, tries - 1);
  });
}

#include "framework/qt/DialogWindow.h"

#include <QKeyEvent>

#include "framework/qt/ShownDialog.h"
#include "framework/ui/CDialog.h"

namespace afx::qt {

DialogWindow::DialogWindow(ShownDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {}

void DialogWindow::reject() {
  PressEscape();
}

// Keys reach the window only when the control with the focus did not use them: a push button
// takes Enter itself (it is clicked), a field leaves it to the dialog.
void DialogWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      PressEnter();
      return;
    case Qt::Key_Escape:
      event->accept();
      PressEscape();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void DialogWindow::PressEnter() {
  dialog_.UserInput([this] { dialog_.Dialog().Command(IDOK); });
}

void DialogWindow::PressEscape() {
  dialog_.UserInput([this] { dialog_.Dialog().Command(IDCANCEL); });
}

}  // namespace afx::qt

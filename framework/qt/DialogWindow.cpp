#include "framework/qt/DialogWindow.h"

#include <QKeyEvent>

#include "framework/qt/DialogView.h"

namespace afx::qt {

DialogWindow::DialogWindow(DialogView& view, QWidget* parent) : QDialog(parent), view_(view) {}

void DialogWindow::reject() {
  view_.PressEscape();
}

// Keys reach the window only when the control with the focus did not use them: a push button
// takes Enter itself (it is clicked), a field leaves it to the dialog.
void DialogWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      view_.PressEnter();
      return;
    case Qt::Key_Escape:
      event->accept();
      view_.PressEscape();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

}  // namespace afx::qt

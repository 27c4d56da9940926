// DialogWindow: the top-level window of a dialog. Enter, Escape and the close box do what
// they do in a Windows dialog box: they become the OK and Cancel commands, and the dialog
// decides whether it closes.
#pragma once

#include <QDialog>

namespace afx::qt {

class ShownDialog;

class DialogWindow : public QDialog {
 public:
  DialogWindow(ShownDialog& dialog, QWidget* parent);

  // Escape and the close box.
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void PressEnter();
  void PressEscape();

  ShownDialog& dialog_;
};

}  // namespace afx::qt

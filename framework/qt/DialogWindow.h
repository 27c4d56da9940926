// DialogWindow: the top-level window of a dialog. Enter, Escape and the close box do what
// they do in a Windows dialog box: they become the OK and Cancel commands, and the dialog
// decides whether it closes.
#pragma once

#include <QDialog>

namespace afx::qt {

class DialogView;

class DialogWindow : public QDialog {
 public:
  DialogWindow(DialogView& view, QWidget* parent);

  // Escape and the close box.
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  DialogView& view_;
};

}  // namespace afx::qt

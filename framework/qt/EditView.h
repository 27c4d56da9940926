// EditView: an edit control as a line edit. What a person types is held to the control's rules
// (digits only for ES_NUMBER, the text limit in code page 932 bytes) before it reaches the
// peer; then the dialog hears EN_UPDATE and EN_CHANGE.
#pragma once

#include "framework/qt/ControlView.h"

class QLineEdit;
class QString;

namespace afx::qt {

class EditView : public ControlView {
 public:
  EditView(DialogView& dialog, EditPeer& peer, QWidget* parent);

 protected:
  void SyncContent() override;

 private:
  void OnEdited(const QString& text);

  EditPeer& peer_;
  QLineEdit* edit_;
};

// Applies the typing rules of peer to what a line edit now holds. Shows the text the peer
// takes if it differs (characters refused at the cursor are taken out again) and returns it.
CString TakeTyped(const TextInputPeer& peer, QLineEdit& edit, const QString& text);

}  // namespace afx::qt

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
  EditView(ShownDialog& dialog, EditPeer& peer, QWidget* parent);
  void FocusArrived() override;

 protected:
  void SyncContent() override;

 private:
  void OnEdited(const QString& text);

  EditPeer& peer_;
  QLineEdit* edit_;
};

// Holds a person's edit of a line edit that showed peer's text to the peer's rules: of what the
// edit put in at the cursor, the characters the field refuses and those past its limit are
// taken out again, so that a full field refuses what is typed wherever the cursor is. Shows
// the text the field keeps if it differs, with the cursor after what was taken, and returns it.
CString TakeTyped(const TextInputPeer& peer, QLineEdit& edit, const QString& text);

}  // namespace afx::qt

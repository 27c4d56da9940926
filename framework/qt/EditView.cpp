#include "framework/qt/EditView.h"

#include <algorithm>

#include <QLineEdit>

#include "framework/qt/DialogView.h"
#include "framework/qt/QtText.h"
#include "framework/ui/CDialog.h"

namespace afx::qt {

namespace {

Qt::Alignment EditAlignment(DWORD style) {
  if (style & ES_RIGHT) return Qt::AlignRight | Qt::AlignVCenter;
  if (style & ES_CENTER) return Qt::AlignHCenter | Qt::AlignVCenter;
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

CString TakeTyped(const TextInputPeer& peer, QLineEdit& edit, const QString& text) {
  const CString typed = peer.TypedText(TypedFromQString(text));
  const QString shown = ToQString(typed);
  if (shown != text) {
    const int cursor = edit.cursorPosition() - static_cast<int>(text.size() - shown.size());
    edit.setText(shown);
    edit.setCursorPosition(std::max(0, cursor));
  }
  return typed;
}

EditView::EditView(DialogView& dialog, EditPeer& peer, QWidget* parent)
    : ControlView(dialog, peer), peer_(peer), edit_(new QLineEdit(parent)) {
  edit_->setAlignment(EditAlignment(peer.style));
  SetWidget(edit_);
  QObject::connect(edit_, &QLineEdit::textEdited, edit_,
                   [this](const QString& text) { OnEdited(text); });
}

void EditView::SyncContent() {
  const QString text = ToQString(peer_.text);
  if (edit_->text() != text) edit_->setText(text);
}

void EditView::OnEdited(const QString& text) {
  dialog_.UserInput([this, &text] {
    const CString typed = TakeTyped(peer_, *edit_, text);
    if (typed == peer_.text) return;  // every character was refused
    peer_.Edited(dialog_.Dialog(), typed);
  });
}

}  // namespace afx::qt

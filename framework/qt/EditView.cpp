#include "framework/qt/EditView.h"

#include <algorithm>

#include <QLineEdit>

#include "framework/qt/QtText.h"
#include "framework/qt/ShownDialog.h"
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
  const QString old = ToQString(peer.text);
  const qsizetype cursor = edit.cursorPosition();
  // What the edit kept of the old text: the end after the cursor and the start before it.
  qsizetype suffix = 0;
  const qsizetype max_suffix = std::min(old.size(), text.size() - cursor);
  while (suffix < max_suffix && old[old.size() - 1 - suffix] == text[text.size() - 1 - suffix])
    ++suffix;
  qsizetype prefix = 0;
  const qsizetype max_prefix = std::min(old.size(), text.size()) - suffix;
  while (prefix < max_prefix && old[prefix] == text[prefix])
    ++prefix;
  const CString before = TypedFromQString(old.left(prefix));
  const CString after = TypedFromQString(old.right(suffix));
  const CString put_in = TypedFromQString(text.mid(prefix, text.size() - suffix - prefix));
  const CString kept = peer.Accepted(before, put_in, after);
  const CString typed = before + kept + after;
  const QString shown = ToQString(typed);
  if (shown != text) {
    edit.setText(shown);
    edit.setCursorPosition(static_cast<int>(prefix + ToQString(kept).size()));
  }
  return typed;
}

EditView::EditView(ShownDialog& dialog, EditPeer& peer, QWidget* parent)
    : ControlView(dialog, peer), peer_(peer), edit_(new QLineEdit(parent)) {
  edit_->setAlignment(EditAlignment(peer.style));
  SetWidget(edit_);
  QObject::connect(edit_, &QLineEdit::textEdited, edit_,
                   [this](const QString& text) { OnEdited(text); });
}

void EditView::FocusArrived() {
  edit_->selectAll();
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

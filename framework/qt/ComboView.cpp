#include "framework/qt/ComboView.h"

#include <algorithm>

#include <QComboBox>
#include <QLineEdit>

#include "framework/qt/EditView.h"
#include "framework/qt/QtText.h"
#include "framework/qt/ShownDialog.h"
#include "framework/ui/CDialog.h"

namespace afx::qt {

ComboView::ComboView(ShownDialog& dialog, ComboPeer& peer, QWidget* parent)
    : ControlView(dialog, peer), peer_(peer), combo_(new QComboBox(parent)) {
  SetWidget(combo_);
  // Only user picks are input: activated is not sent for changes the program makes.
  QObject::connect(combo_, &QComboBox::activated, combo_, [this](int index) { OnPicked(index); });
  if (!peer.HasEditField()) return;
  combo_->setEditable(true);
  // A Windows combo box neither completes what is typed nor adds it to its list.
  combo_->setCompleter(nullptr);
  combo_->setInsertPolicy(QComboBox::NoInsert);
  // Nor does it pick the item that reads as typed when the edit field is left (or Enter is
  // pressed in it): such a pick would tell the dialog of a selection nobody made, while the
  // focus is already on its way to the control clicked.
  QObject::disconnect(combo_->lineEdit(), &QLineEdit::editingFinished, combo_, nullptr);
  QObject::connect(combo_->lineEdit(), &QLineEdit::textEdited, combo_,
                   [this](const QString& text) { OnEdited(text); });
}

QRect ComboView::Geometry(const QRect& template_rect) const {
  QRect rect = template_rect;
  rect.setHeight(std::min(template_rect.height(), combo_->sizeHint().height()));
  return rect;
}

void ComboView::FocusArrived() {
  if (peer_.HasEditField()) combo_->lineEdit()->selectAll();
}

void ComboView::SyncContent() {
  // Changing the list or the pick rewrites the edit field; where the person was typing stays.
  const bool editable = peer_.HasEditField();
  const int cursor = editable ? combo_->lineEdit()->cursorPosition() : 0;
  if (shown_items_ != peer_.items) {
    combo_->clear();
    for (const CString& item : peer_.items)
      combo_->addItem(ToDisplayText(item));
    shown_items_ = peer_.items;
  }
  if (combo_->currentIndex() != peer_.curSel) combo_->setCurrentIndex(peer_.curSel);
  if (!editable) return;
  const QString text = ToQString(peer_.text);
  if (combo_->lineEdit()->text() != text) {
    combo_->lineEdit()->setText(text);
    combo_->lineEdit()->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
  }
}

void ComboView::OnPicked(int index) {
  dialog_.UserInput([this, index] { peer_.Pick(dialog_.Dialog(), index); });
}

void ComboView::OnEdited(const QString& text) {
  dialog_.UserInput([this, &text] {
    const CString typed = TakeTyped(peer_, *combo_->lineEdit(), text);
    if (typed == peer_.text) return;  // every character was refused
    peer_.Edited(dialog_.Dialog(), typed);
  });
}

}  // namespace afx::qt

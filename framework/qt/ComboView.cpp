#include "framework/qt/ComboView.h"

#include <algorithm>

#include <QComboBox>
#include <QLineEdit>

#include "framework/qt/DialogView.h"
#include "framework/qt/EditView.h"
#include "framework/qt/QtText.h"
#include "framework/ui/CDialog.h"

namespace afx::qt {

ComboView::ComboView(DialogView& dialog, WindowPeer& peer, QWidget* parent)
    : ControlView(dialog, peer),
      combo_(new QComboBox(parent)),
      editable_((peer.style & CBS_TYPEMASK) == CBS_DROPDOWN) {
  SetWidget(combo_);
  // Only user picks are input: activated is not sent for changes the program makes.
  QObject::connect(combo_, &QComboBox::activated, combo_, [this](int index) { OnPicked(index); });
  if (!editable_) return;
  combo_->setEditable(true);
  // A Windows combo box neither completes what is typed nor adds it to its list.
  combo_->setCompleter(nullptr);
  combo_->setInsertPolicy(QComboBox::NoInsert);
  QObject::connect(combo_->lineEdit(), &QLineEdit::textEdited, combo_,
                   [this](const QString& text) { OnEdited(text); });
}

QRect ComboView::Geometry(const QRect& template_rect) const {
  QRect rect = template_rect;
  rect.setHeight(std::min(template_rect.height(), combo_->sizeHint().height()));
  return rect;
}

void ComboView::SyncContent() {
  // Changing the list or the pick rewrites the edit field; where the person was typing stays.
  const int cursor = editable_ ? combo_->lineEdit()->cursorPosition() : 0;
  if (shown_items_ != peer_.items) {
    combo_->clear();
    for (const CString& item : peer_.items)
      combo_->addItem(ToDisplayText(item));
    shown_items_ = peer_.items;
  }
  if (combo_->currentIndex() != peer_.curSel) combo_->setCurrentIndex(peer_.curSel);
  if (!editable_) return;
  const QString text = ToQString(peer_.text);
  if (combo_->lineEdit()->text() != text) {
    combo_->lineEdit()->setText(text);
    combo_->lineEdit()->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
  }
}

void ComboView::OnPicked(int index) {
  dialog_.UserInput([this, index] {
    if (index < 0 || static_cast<size_t>(index) >= peer_.items.size()) return;
    peer_.curSel = index;
    // A drop-down list shows the pick at once; a combo box's edit field takes the item's text
    // only after the selection notification.
    if (!editable_) peer_.text = peer_.items[static_cast<size_t>(index)];
    peer_.Changed();
    dialog_.Dialog().Notify(peer_.id, CBN_SELCHANGE);
    const int now = peer_.curSel;  // the handler may have changed the list or the pick
    if (editable_ && now >= 0 && static_cast<size_t>(now) < peer_.items.size()) {
      peer_.text = peer_.items[static_cast<size_t>(now)];
      peer_.Changed();
    }
  });
}

void ComboView::OnEdited(const QString& text) {
  dialog_.UserInput([this, &text] {
    const CString typed = TakeTyped(peer_, *combo_->lineEdit(), text);
    if (typed == peer_.text) return;
    peer_.text = typed;
    peer_.curSel = -1;
    peer_.Changed();
    dialog_.Dialog().Notify(peer_.id, CBN_EDITUPDATE);
    dialog_.Dialog().Notify(peer_.id, CBN_EDITCHANGE);
  });
}

}  // namespace afx::qt

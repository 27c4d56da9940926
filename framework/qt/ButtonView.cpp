#include "framework/qt/ButtonView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "framework/qt/ImageCache.h"
#include "framework/qt/QtText.h"
#include "framework/qt/ShownDialog.h"
#include "framework/ui/CDialog.h"

namespace afx::qt {

namespace {

bool IsRadio(DWORD type) {
  return type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON;
}

bool IsCheckBox(DWORD type) {
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
}

QAbstractButton* MakeButton(DWORD type, QWidget* parent) {
  if (IsRadio(type)) {
    auto* radio = new QRadioButton(parent);
    // Groups follow WS_GROUP, not the parent widget.
    radio->setAutoExclusive(false);
    return radio;
  }
  if (IsCheckBox(type)) return new QCheckBox(parent);
  auto* push = new QPushButton(parent);
  push->setDefault(type == BS_DEFPUSHBUTTON);
  return push;
}

}  // namespace

ButtonView::ButtonView(ShownDialog& dialog, ButtonPeer& peer, QWidget* parent)
    : ControlView(dialog, peer), peer_(peer) {
  if (peer.IsGroupBox()) {
    group_ = new QGroupBox(parent);
    SetWidget(group_);
    return;
  }
  button_ = MakeButton(peer.ButtonType(), parent);
  SetWidget(button_);
  QObject::connect(button_, &QAbstractButton::clicked, button_, [this] { OnClicked(); });
}

void ButtonView::SyncContent() {
  const QString text = ToDisplayText(peer_.text);
  if (group_) {
    if (group_->title() != text) group_->setTitle(text);
    return;
  }
  const QString shown = peer_.bitmap && !peer_.bitmapWithText ? QString() : text;
  if (button_->text() != shown) button_->setText(shown);
  if (peer_.bitmap != shown_bitmap_) {
    shown_bitmap_ = peer_.bitmap;
    button_->setIcon(peer_.bitmap ? dialog_.Images().BitmapIcon(peer_.bitmap) : QIcon());
  }
  const bool checked = peer_.check == BST_CHECKED;
  if (button_->isCheckable() && button_->isChecked() != checked) button_->setChecked(checked);
}

void ButtonView::OnClicked() {
  dialog_.UserInput([this] {
    // A click takes the focus first (a mouse press has already moved it).
    if (peer_.id > 0) dialog_.Dialog().SetFocusFromUser(peer_.id);
    if (dialog_.Dialog().IsOpen()) peer_.Click(dialog_.Dialog());
  });
}

}  // namespace afx::qt

#include "framework/qt/ButtonView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "framework/qt/DialogView.h"
#include "framework/qt/QtText.h"
#include "framework/ui/CDialog.h"

namespace afx::qt {

namespace {

// Button types the window model leaves unnamed.
constexpr DWORD kRadioButton = 0x4;
constexpr DWORD kGroupBox = 0x7;

DWORD TypeOf(const WindowPeer& peer) {
  return peer.style & BS_TYPEMASK;
}

bool IsRadio(DWORD type) {
  return type == BS_AUTORADIOBUTTON || type == kRadioButton;
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

ButtonView::ButtonView(DialogView& dialog, WindowPeer& peer, QWidget* parent)
    : ControlView(dialog, peer) {
  if (TypeOf(peer) == kGroupBox) {
    group_ = new QGroupBox(parent);
    SetWidget(group_);
    return;
  }
  button_ = MakeButton(TypeOf(peer), parent);
  SetWidget(button_);
  QObject::connect(button_, &QAbstractButton::clicked, button_, [this] { OnClicked(); });
}

void ButtonView::SyncContent() {
  const QString text = ToDisplayText(peer_.text);
  if (group_) {
    if (group_->title() != text) group_->setTitle(text);
    return;
  }
  if (button_->text() != text) button_->setText(text);
  const bool checked = peer_.check == BST_CHECKED;
  if (button_->isCheckable() && button_->isChecked() != checked) button_->setChecked(checked);
}

void ButtonView::OnClicked() {
  dialog_.UserInput([this] {
    // A click takes the focus first (a mouse press has already moved it).
    if (peer_.id > 0) dialog_.Dialog().SetFocusFromUser(peer_.id);
    if (!dialog_.Dialog().IsOpen()) return;
    const DWORD type = TypeOf(peer_);
    if (type == BS_AUTORADIOBUTTON) {
      UncheckRestOfGroup();
      peer_.check = BST_CHECKED;
    } else if (type == BS_AUTOCHECKBOX) {
      peer_.check = peer_.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    }
    // A button that does not check itself shows the peer's state again.
    peer_.Changed();
    dialog_.Dialog().Command(peer_.id);
  });
}

void ButtonView::UncheckRestOfGroup() {
  const auto& peers = dialog_.Dialog().Peers();
  size_t at = 0;
  while (at < peers.size() && peers[at].get() != &peer_)
    ++at;
  size_t first = at;
  while (first > 0 && !(peers[first]->style & WS_GROUP))
    --first;
  for (size_t i = first; i < peers.size(); ++i) {
    WindowPeer& other = *peers[i];
    if (i > first && (other.style & WS_GROUP)) break;
    if (&other == &peer_ || other.kind != ControlKind::Button) continue;
    if (TypeOf(other) != BS_AUTORADIOBUTTON || other.check == BST_UNCHECKED) continue;
    other.check = BST_UNCHECKED;
    other.Changed();
  }
}

}  // namespace afx::qt

#include "framework/ui/CDialog.h"

#include "framework/ui/ControlPeers.h"
#include "framework/ui/Controls.h"
#include "framework/ui/Presenter.h"
#include "framework/ui/ResourceModule.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

// The handle that fits each kind of control.
class HandleMaker : public afx::PeerVisitor {
 public:
  std::unique_ptr<CWnd> made;
  void Visit(afx::StaticPeer&) override { made = std::make_unique<CStatic>(); }
  void Visit(afx::ButtonPeer&) override { made = std::make_unique<CButton>(); }
  void Visit(afx::EditPeer&) override { made = std::make_unique<CEdit>(); }
  void Visit(afx::ComboPeer&) override { made = std::make_unique<CComboBox>(); }
  void Visit(afx::ListPeer&) override { made = std::make_unique<CListCtrl>(); }
  void Visit(afx::TreePeer&) override { made = std::make_unique<CTreeCtrl>(); }
  void Visit(afx::GridPeer&) override { made = std::make_unique<CWnd>(); }
};

}  // namespace

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  // Bound once: a later exchange finds the control already taken over.
  const afx::WindowPeer* peer = dx->m_pDlgWnd->PeerOf(id);
  if (peer && control.GetPeer() == peer &&
      control.GetOwnerDialog() == static_cast<afx::ControlOwner*>(dx->m_pDlgWnd))
    return;
  control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  afx::WindowPeer* peer = dx->m_pDlgWnd->PeerOf(id);
  if (!peer) return;
  if (dx->m_bSaveAndValidate) {
    value = peer->text;
  } else {
    dx->m_pDlgWnd->GetDlgItem(id)->SetWindowText(value);
  }
}

CDialog::CDialog(UINT template_id, CWnd* parent) : template_id_(template_id), parent_(parent) {
  m_owner = this;
}

CDialog::~CDialog() = default;

afx::WindowPeer* CDialog::PeerOf(int id) const {
  for (const auto& p : peers_) {
    if (p->id == id) return p.get();
  }
  return nullptr;
}

CWnd* CDialog::HandleOf(int id) const {
  afx::WindowPeer* peer = PeerOf(id);
  if (!peer) return nullptr;
  if (const auto bound = subclassed_.find(id); bound != subclassed_.end()) return bound->second;
  auto& handle = handles_[id];
  if (!handle) {
    HandleMaker maker;
    peer->Accept(maker);
    handle = maker.made ? std::move(maker.made) : std::make_unique<CWnd>();
    handle->Attach(peer);
    handle->SetOwnerDialog(const_cast<CDialog*>(this));
  }
  return handle.get();
}

afx::WindowPeer* CDialog::SubclassControl(int id, CWnd* control) {
  afx::WindowPeer* peer = PeerOf(id);
  if (peer) subclassed_[id] = control;
  return peer;
}

void CDialog::CreatePeers() {
  subclassed_.clear();
  handles_.clear();
  peers_.clear();
  posted_.clear();
  dialog_peer_ = std::make_unique<afx::DialogPeer>(afx::ControlTemplate{
      0, afx::ControlKind::Static, 0, template_->caption, 0, 0, template_->cx, template_->cy});
  m_peer = dialog_peer_.get();
  for (const afx::ControlTemplate& t : template_->controls) {
    peers_.push_back(afx::MakePeer(t));
  }
}

INT_PTR CDialog::DoModal() {
  template_ = afx::FindDialogTemplate(template_id_);
  if (!template_) return -1;
  CreatePeers();
  open_ = true;
  result_ = -1;
  focus_id_ = FirstTabStop();
  OnInitDialog();
  if (open_) afx::GetPresenter().RunModal(*this);
  // A presenter that could not show the dialog, or lost its window, leaves it unanswered: as
  // Escape would.
  if (open_) EndDialog(IDCANCEL);
  return result_;
}

void CDialog::EndDialog(int result) {
  result_ = result;
  open_ = false;
}

BOOL CDialog::OnInitDialog() {
  return UpdateData(FALSE);
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL save) {
  CDataExchange dx(this, save);
  DoDataExchange(&dx);
  return TRUE;
}

int CDialog::FirstTabStop() const {
  for (const auto& p : peers_) {
    if (p->TakesFocus()) return p->id;
  }
  return 0;
}

CWnd* CDialog::GetFocus() const {
  return focus_id_ ? HandleOf(focus_id_) : nullptr;
}

void CDialog::SendFocusNotification(int id, bool gained) {
  const afx::WindowPeer* peer = PeerOf(id);
  if (!peer) return;
  if (const UINT code = peer->FocusNotification(gained)) Notify(id, code);
}

void CDialog::GotoDlgCtrl(CWnd* control) {
  const int id = control ? control->GetDlgCtrlID() : 0;
  if (!id || id == focus_id_ || !PeerOf(id)) return;
  const int old = focus_id_;
  focus_id_ = id;
  SendFocusNotification(old, false);
  SendFocusNotification(id, true);
  if (afx::WindowPeer* peer = PeerOf(id)) peer->Changed();
}

void CDialog::SetFocusFromUser(int id) {
  if (CWnd* control = HandleOf(id)) GotoDlgCtrl(control);
}

void CDialog::NextDlgCtrl() {
  const int n = static_cast<int>(peers_.size());
  int at = 0;
  while (at < n && peers_[static_cast<size_t>(at)]->id != focus_id_)
    ++at;
  for (int step = 1; step <= n; ++step) {
    const afx::WindowPeer& p = *peers_[static_cast<size_t>((at + step) % n)];
    if (p.TakesFocus() && p.id > 0) {
      SetFocusFromUser(p.id);
      return;
    }
  }
}

void CDialog::CheckRadioButton(int first, int last, int check) {
  for (const auto& p : peers_) {
    auto* button = dynamic_cast<afx::ButtonPeer*>(p.get());
    if (!button || p->id < first || p->id > last) continue;
    button->check = p->id == check ? BST_CHECKED : BST_UNCHECKED;
    button->Changed();
  }
}

void CDialog::CheckRadioInGroup(int id) {
  const auto n = peers_.size();
  size_t at = 0;
  while (at < n && peers_[at]->id != id)
    ++at;
  if (at == n) return;
  size_t first = at;
  while (first > 0 && !(peers_[first]->style & WS_GROUP))
    --first;
  for (size_t i = first; i < n && (i == first || !(peers_[i]->style & WS_GROUP)); ++i) {
    auto* button = dynamic_cast<afx::ButtonPeer*>(peers_[i].get());
    if (!button || !button->IsAutoRadio()) continue;
    button->check = i == at ? BST_CHECKED : BST_UNCHECKED;
    button->Changed();
  }
}

int CDialog::GetCheckedRadioButton(int first, int last) const {
  for (const auto& p : peers_) {
    const auto* button = dynamic_cast<const afx::ButtonPeer*>(p.get());
    if (button && p->id >= first && p->id <= last && button->check == BST_CHECKED) return p->id;
  }
  return 0;
}

void CDialog::Notify(int id, UINT code, NMHDR* header) {
  if (open_) OnCmdMsg(static_cast<UINT>(id), code, header);
}

void CDialog::Command(int id) {
  Notify(id, BN_CLICKED);
}

void CDialog::PostCommand(int id, UINT code) {
  posted_.emplace_back(id, code);
  afx::GetPresenter().Posted(*this);
}

void CDialog::DispatchPosted() {
  while (open_ && !posted_.empty()) {
    const auto [id, code] = posted_.front();
    posted_.pop_front();
    Notify(id, code);
  }
}

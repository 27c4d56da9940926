#include "framework/ui/CWnd.h"

#include "framework/ui/ControlOwner.h"
#include "framework/ui/Presenter.h"

IMPLEMENT_DYNAMIC(CWnd, CObject)

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, nullptr, nullptr, nullptr}};
  static const AFX_MSGMAP map = {nullptr, entries};
  return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const {
  return GetThisMessageMap();
}

bool CWnd::OnCmdMsg(UINT id, UINT code, NMHDR* header) {
  for (const AFX_MSGMAP* map = GetMessageMap(); map;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn || e->pfnNotify || e->pfnKey; ++e) {
      if (e->pfnKey || e->nID != id || e->nCode != code) continue;
      if (e->pfn) {
        (this->*e->pfn)();
      } else {
        NMHDR fallback{m_peer, id, code};
        LRESULT result = 0;
        (this->*e->pfnNotify)(header ? header : &fallback, &result);
      }
      return true;
    }
  }
  return false;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  afx::ControlOwner* owner = parent ? parent->GetOwnerDialog() : nullptr;
  afx::WindowPeer* peer = owner ? owner->SubclassControl(static_cast<int>(id), this) : nullptr;
  if (!peer) return FALSE;
  Attach(peer);
  SetOwnerDialog(owner);
  PreSubclassWindow();
  return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  for (const AFX_MSGMAP* map = GetMessageMap(); map;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn || e->pfnNotify || e->pfnKey; ++e) {
      if (!e->pfnKey || e->nCode != message) continue;
      // A key message: the key, the repeat count and the flags (scan code and state bits).
      (this->*e->pfnKey)(static_cast<UINT>(wParam), static_cast<UINT>(lParam & 0xFFFF),
                         static_cast<UINT>((lParam >> 16) & 0xFFFF));
      *result = 0;
      return TRUE;
    }
  }
  return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT, WPARAM, LPARAM) {
  return 0;
}

void CWnd::SetWindowText(const char* text) {
  if (!m_peer) return;
  m_peer->text = CString(text);
  m_peer->Changed();
  // The dialog's own caption reports nothing: its peer does not.
  if (m_owner) m_peer->TextSetByProgram(*m_owner);
}

void CWnd::GetWindowText(CString& text) const {
  text = m_peer ? m_peer->text : CString();
}

CString CWnd::GetWindowText() const {
  CString text;
  GetWindowText(text);
  return text;
}

int CWnd::GetWindowTextLength() const {
  return GetWindowText().GetLength();
}

BOOL CWnd::EnableWindow(BOOL enable) {
  if (!m_peer) return FALSE;
  const BOOL was_disabled = !m_peer->enabled;
  m_peer->enabled = enable != 0;
  m_peer->Changed();
  return was_disabled;
}

BOOL CWnd::IsWindowEnabled() const {
  return m_peer && m_peer->enabled ? TRUE : FALSE;
}

BOOL CWnd::ShowWindow(int show) {
  if (!m_peer) return FALSE;
  const BOOL was_visible = m_peer->visible;
  m_peer->visible = show != SW_HIDE;
  m_peer->Changed();
  return was_visible;
}

void CWnd::MoveWindow(int x, int y, int width, int height) {
  if (!m_peer) return;
  m_peer->x = x;
  m_peer->y = y;
  m_peer->w = width;
  m_peer->h = height;
  m_peer->Changed();
}

BOOL CWnd::IsWindowVisible() const {
  return m_peer && m_peer->visible ? TRUE : FALSE;
}

CWnd* CWnd::SetFocus() {
  if (!m_owner) return nullptr;
  CWnd* old = m_owner->GetFocus();
  m_owner->GotoDlgCtrl(this);
  return old;
}

CWnd* CWnd::GetDlgItem(int id) const {
  return m_owner ? m_owner->HandleOf(id) : nullptr;
}

void CWnd::SetDlgItemText(int id, const char* text) {
  if (CWnd* item = GetDlgItem(id)) item->SetWindowText(text);
}

CString CWnd::GetDlgItemText(int id) const {
  const CWnd* item = GetDlgItem(id);
  return item ? item->GetWindowText() : CString();
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
  return afx::GetPresenter().ShowMessageBox(
      {this, CString(text), CString(caption ? caption : "drawreg"), type});
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  if (!m_owner || message != WM_COMMAND) return FALSE;
  m_owner->PostCommand(static_cast<int>(LOWORD(wParam)), HIWORD(wParam));
  return TRUE;
}

int AfxMessageBox(const char* text, UINT type) {
  return afx::GetPresenter().ShowMessageBox({nullptr, CString(text), CString("drawreg"), type});
}

// CDialog: a modal dialog made from a dialog template. DoModal creates the controls' peers from
// the template, runs OnInitDialog and hands the dialog to the current presenter, which shows it
// (on screen, or in memory to a driver) until EndDialog is called.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <vector>

#include "framework/ui/CWnd.h"
#include "framework/ui/ControlOwner.h"
#include "framework/ui/DialogTemplate.h"

class CDialog;

// The data exchange of one UpdateData call.
class CDataExchange {
 public:
  CDataExchange(CDialog* dialog, BOOL save) : m_pDlgWnd(dialog), m_bSaveAndValidate(save) {}
  CDialog* m_pDlgWnd;
  BOOL m_bSaveAndValidate;
};

// Binds a control member to the dialog's control with this id.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// Moves a control's text to or from a string.
void DDX_Text(CDataExchange* dx, int id, CString& value);

class CDialog : public CWnd, public afx::ControlOwner {
  DECLARE_DYNAMIC(CDialog)

 public:
  explicit CDialog(UINT template_id, CWnd* parent = nullptr);
  ~CDialog() override;

  // Shows the dialog modally; IDOK, IDCANCEL or the EndDialog result; -1 without a template.
  virtual INT_PTR DoModal();
  void EndDialog(int result);

  UINT GetTemplateId() const { return template_id_; }
  const afx::DialogTemplate* GetTemplate() const { return template_; }
  CWnd* GetParent() const { return parent_; }
  bool IsOpen() const { return open_; }
  int GetModalResult() const { return result_; }

  BOOL UpdateData(BOOL save = TRUE);
  CWnd* GetFocus() const override;
  // Moves the focus to a control, as keyboard navigation would: the old control is told it
  // lost the focus.
  void GotoDlgCtrl(CWnd* control) override;
  void NextDlgCtrl();
  void CheckRadioButton(int first, int last, int check);
  int GetCheckedRadioButton(int first, int last) const;
  // Checks an auto radio button and unchecks the others of its group: the controls from the
  // nearest one at or before it with WS_GROUP up to the next one with WS_GROUP.
  void CheckRadioInGroup(int id) override;

  // The peers of the dialog's controls, in template order.
  const std::vector<std::unique_ptr<afx::WindowPeer>>& Peers() const { return peers_; }
  afx::WindowPeer* PeerOf(int id) const;
  int GetFocusId() const { return focus_id_; }

  // Input from the presenter: what a person's action did to a control. The dialog updates
  // its focus and routes the notification, then handles any posted messages.
  void SetFocusFromUser(int id);
  void Notify(int id, UINT code, NMHDR* header = nullptr) override;
  void Command(int id) override;
  void PostCommand(int id, UINT code) override;
  void DispatchPosted();

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

 protected:
  virtual void DoDataExchange(CDataExchange* dx);
  DECLARE_MESSAGE_MAP()

 private:
  void CreatePeers();
  int FirstTabStop() const;
  void SendFocusNotification(int id, bool gained);

  UINT template_id_;
  CWnd* parent_;
  const afx::DialogTemplate* template_ = nullptr;
  std::unique_ptr<afx::WindowPeer> dialog_peer_;  // the dialog's own caption
  std::vector<std::unique_ptr<afx::WindowPeer>> peers_;
  mutable std::map<int, std::unique_ptr<CWnd>> handles_;
  // Handles that took their control over (SubclassDlgItem): GetDlgItem gives them.
  std::map<int, CWnd*> subclassed_;
  std::deque<std::pair<int, UINT>> posted_;
  int focus_id_ = 0;
  bool open_ = false;
  int result_ = -1;

  CWnd* HandleOf(int id) const override;
  afx::WindowPeer* SubclassControl(int id, CWnd* control) override;
};

// CSelZumenTypeDialog: the dialog behind SelZumenType. The user picks a field in the
// drop-down list, then a type in the list below it; OK is enabled only while a type is
// picked. It opens on the catalogue's current selection, or on the first field with no type
// picked when the current selection names no type.
#pragma once

#include "framework/ui/CDialog.h"
#include "framework/ui/Controls.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"

class CSelZumenTypeDialog : public CDialog {
 public:
  CSelZumenTypeDialog(const CStdDraftMgr* mgr, CWnd* parent);

  // The type picked when the dialog ended with IDOK; -1 while none is picked.
  int GetFieldNo() const { return chosen_no_ < 0 ? -1 : field_; }
  int GetNo() const { return chosen_no_; }

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  void ShowField(int index);
  void SelectType(int no);
  void UpdateOkButton();
  void OnFieldChange();
  void OnTypeChange(NMHDR* header, LRESULT* result);

  const CStdDraftMgr* mgr_;
  CComboBox fields_;
  CListCtrl types_;
  int field_ = -1;      // the field whose types the list shows
  int chosen_no_ = -1;  // the picked type of that field

  DECLARE_MESSAGE_MAP()
};

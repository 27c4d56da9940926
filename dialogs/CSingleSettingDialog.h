// CSingleSettingDialog: the dialog in which the user sets the deliverable name fields of one
// drawing file (life cycle, reference number, drawing type, drawing number, revision, and in
// the 2017 edition of the naming rule the user-defined part) while a preview shows the
// resulting deliverable file name in the register's edition. Edits go to a working copy; the
// caller's record changes only when the user confirms and every check passes.
#pragma once

#include "framework/ui/Controls.h"
#include "hostlibs/dlgbase/DialogBase.h"
#include "register/CDrawingFile.h"

class CDrawingFolder;
class CEnvironObj;
class CStdDraftMgr;

class CSingleSettingDialog : public DialogBase {
  DECLARE_DYNAMIC(CSingleSettingDialog)

 public:
  CSingleSettingDialog(CDrawingFile* file, CDrawingFolder* folder, const CEnvironObj* env,
                       CStdDraftMgr* draft, CWnd* parent);

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  // Readers: each stores an accepted value in the working copy and says whether it did.
  bool ReadLife();
  bool ReadArrangement();
  bool ReadPage();
  bool ReadHistory();
  bool ReadTitle();
  // The 2017 edition shows the user-defined part and moves what lies below it down.
  void ArrangeFor2017();
  bool IsUniqueInFolder() const;
  static void TakePick(CComboBox& list);
  void RefreshPreview();
  // The first failed check's message and the control the focus goes to; true when all pass.
  bool CheckFields();

  void OnLifeChanged();
  void OnArrangementEdited();
  void OnArrangementPicked();
  void OnHistoryEdited();
  void OnHistoryPicked();
  void OnPageUpdated();
  void OnPageLeft();
  void OnTitleEdited();
  void OnTypeButton();
  void OnRegisteredButton();

  CDrawingFile* file_;
  CDrawingFolder* folder_;
  const CEnvironObj* env_;
  CStdDraftMgr* draft_;
  CDrawingFile work_;
  CComboBox life_;
  CComboBox arrangement_;
  CComboBox history_;
  CEdit page_;
  CEdit title_;

  DECLARE_MESSAGE_MAP()
};

// CMultiSettingDialog: the dialog in which the user sets the deliverable name fields of many
// drawing files at once, in a grid with one row per file. The grid edits copies of the
// caller's records; the records change only when OK passes the check of every row.
#pragma once

#include "hostlibs/dlgbase/BitButton.h"
#include "hostlibs/dlgbase/DialogBase.h"
#include "register/TVector.h"

class CDrawingFile;
class CDrawingFolder;
class CEnvironObj;
class CMultiSettingSheet;
class CStdDraftMgr;

class CMultiSettingDialog : public DialogBase {
  DECLARE_DYNAMIC(CMultiSettingDialog)

 public:
  // records are the caller's, not owned; folder holds the files the names must not take.
  CMultiSettingDialog(TVector<CDrawingFile*>* records, CDrawingFolder* folder,
                      const CEnvironObj* env, CStdDraftMgr* draft, CWnd* parent);
  ~CMultiSettingDialog() override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  void OnSelectAll();
  void OnTypeSelect();
  void OnRegisteredList();
  void OnPageRenNo();

  TVector<CDrawingFile*>* records_;
  CDrawingFolder* folder_;
  const CEnvironObj* env_;
  CStdDraftMgr* draft_;
  TVector<CDrawingFile*>* copies_;
  CMultiSettingSheet* sheet_;
  BitButton select_all_;

  DECLARE_MESSAGE_MAP()
};

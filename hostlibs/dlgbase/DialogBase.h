// DialogBase: the host's base of every modal dialog of the library. It adds to CDialog what
// the host's dialogs share: the owner-drawn OK and Cancel buttons and Enter moving on to the
// next field instead of closing the dialog.
#pragma once

#include "framework/ui/CDialog.h"
#include "hostlibs/dlgbase/BitButton.h"

class DialogBase : public CDialog {
  DECLARE_DYNAMIC(DialogBase)

 public:
  DialogBase(UINT template_id, CWnd* parent);

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  // Ends with IDOK when the focus is on the OK button; elsewhere (Enter in a field) the focus
  // moves on to the next control and the dialog stays open.
  void OnOK() override;
  void OnCancel() override;

 private:
  BitButton ok_;
  BitButton cancel_;
};

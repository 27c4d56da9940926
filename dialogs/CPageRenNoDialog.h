// CPageRenNoDialog: asks for the first drawing number and the direction (up or down) of the
// sequential numbering of the marked rows of a batch grid. The range of start numbers offered
// keeps every number handed out between 1 and 999.
#pragma once

#include "hostlibs/dlgbase/DialogBase.h"
#include "hostlibs/dlgbase/NumEdit.h"

class CPageRenNoDialog : public DialogBase {
  DECLARE_DYNAMIC(CPageRenNoDialog)

 public:
  // count rows are to be numbered; *start and *step (+1 or -1) are read when the dialog opens
  // and written at OK.
  CPageRenNoDialog(int count, int* start, int* step, CWnd* parent);

  // The start numbers allowed for count rows: up from 1 to 1000 - count, down from count to 999.
  static void StartRange(int count, bool up, int* low, int* high);

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  bool Upwards() const;
  // Holds value to the range of the direction now checked and shows that range.
  void ShowRange(int value);
  void OnDirection();

  int count_;
  int* start_;
  int* step_;
  NumEdit start_edit_;

  DECLARE_MESSAGE_MAP()
};

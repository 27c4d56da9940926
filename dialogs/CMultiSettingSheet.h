// CMultiSettingSheet: the grid of the batch setting dialogs, one row per drawing file: its
// number, source file name, the four name fields, its drawing type and the deliverable file
// name it makes, and in the 2017 edition of the naming rule the user-defined part (図面名) as a
// last column. The grid keeps no values: every cell is read from the row's record, and what
// a person types goes through the record's own setters, to every marked row at once.
#pragma once

#include "hostlibs/environ/NamingEdition.h"
#include "hostlibs/rvgui/RVSheet.h"
#include "register/TVector.h"

class CDrawingFile;
class CDrawingFolder;
class CEnvironObj;
class CStdDraftMgr;

class CMultiSettingSheet : public RVSheet {
 public:
  // rows is not owned; parent is the dialog whose status line (30013) shows the help of the
  // current column, which shows the sheet's messages and receives its commands.
  CMultiSettingSheet(TVector<CDrawingFile*>* rows, const CEnvironObj* env, CStdDraftMgr* draft,
                     CWnd* parent, int textHeight);

  // The rows the grid shows from now on (none for null); the grid goes back to the first cell.
  void SetRecords(TVector<CDrawingFile*>* rows);
  TVector<CDrawingFile*>* GetRecords() const { return rows_; }
  // Numbers the marked rows from top to bottom: start, start + step, ... A number the record
  // refuses (outside 1 to 999) leaves that row's number as it was.
  void SetPageRenNo(int start, int step);
  // Checks the rows against each other and against the folder's files (records are the
  // caller's records the rows are copies of); 1 when all is well. Otherwise the first problem
  // is shown in a message box and the grid moves to the row concerned; 0.
  int CheckSetting(TVector<CDrawingFile*>* records, CDrawingFolder* folder);
  // Shows a problem CheckDrawingNames found in these rows (result 1 to 3, rows first and
  // second) in a message box and moves the grid to the row concerned, marking the second row
  // of a duplicate.
  void ShowNameProblem(int result, int first, int second);

  int HowEdit(int row, int col) override;
  void GetItemText(int row, int col, CString& text) override;
  void EnterItem(int row, int col) override;
  void UpdateItem(int row, int col, const char* text) override;
  // The right button released over a drawing type opens the type selection for the marked
  // rows; a marked row keeps the other marks.
  void MouseEvent(unsigned int msg, int row, int col) override;

 protected:
  // Space on a drawing type opens the type selection too.
  void OnKeyDown(UINT key, UINT repeat, UINT flags);

 private:
  // The register's edition (2004 without an environment) and the columns it shows.
  NamingEdition Edition() const;
  int ColumnCount() const;
  // The record of a grid row, or null.
  CDrawingFile* Row(int row) const;
  void PostTypeSelection();

  CWnd* parent_;
  TVector<CDrawingFile*>* rows_ = nullptr;
  const CEnvironObj* env_;
  CStdDraftMgr* draft_;

  DECLARE_MESSAGE_MAP()
};

// RVSheet: the host's grid window. A program derives from it, lays out the columns, and
// answers for every cell through the virtual operations: the grid keeps the layout, the count
// of rows, the current cell and the marked rows, never a cell's value. It takes over a list box
// of a dialog (DDX_Control or SubclassDlgItem); from then on the dialog's grid peer holds its
// state, and whatever shows the dialog asks the sheet for the cells it shows.
//
// A cursor move (a click on a cell, an arrow key, SkipTo, JumpTo) leaves the old cell, enters
// the new one and marks its row alone, unless LockMark was called just before: then the marks
// stay, for that one move. Ctrl+click toggles the clicked row's mark and keeps the others;
// Shift+click marks the rows from the last plain move to the clicked one. Typing into a cell
// whose HowEdit is 1 takes at most the column's input limit and goes to UpdateItem.
#pragma once

#include "framework/ui/CWnd.h"
#include "framework/ui/ControlPeers.h"

class RVSheet : public CWnd, private afx::GridClient {
  DECLARE_DYNAMIC(RVSheet)

 public:
  RVSheet() = default;
  ~RVSheet() override;

  // The most records the grid holds, and the records it shows (at most that many).
  void SetRecMax(int max);
  void SetRecCnt(int count);
  unsigned GetRecCnt() const;

  // Layout. The header rows come first; each record is recRows rows of cells.
  void SetTextHeight(int height);
  void SetHeaderRow(int rows);
  void SetRecRow(int rows);
  void SetColNum(int count);
  // Width of a column in characters of the dialog font.
  void SetColLen(int col, int length);
  // The text of header row `row` over column col.
  void AddText(int row, int col, const char* text, int item);
  // The record item column col shows; a fixed column is drawn as a heading.
  void AddItem(int row, int col, int item, unsigned char fixed);
  // What a column takes: its kind of data and the most bytes typed into it.
  void SetDataKind(int col, unsigned char kind, unsigned int length, unsigned int option);
  // How a column's text is aligned: 0 left, 1 right, 2 centred.
  void SetDataForm(int col, unsigned char form);

  // Shows every visible cell anew from GetItemText.
  void DrawPage();
  // Make a cell current (a cursor move). JumpTo returns 1 when it moved, 0 for no such cell.
  void SkipTo(int row, int col);
  int JumpTo(int row, int col);
  void GetEditPos(int* row, int* col) const;

  int GetMark(int row) const;
  int GetMarkCnt() const;
  // Marks a row; the other marks stay.
  void SetMark(int row);
  void SetMarkAll();
  // The next cursor move keeps the present marks.
  void LockMark();

  // Whether the grid's window exists: it has taken over its list box.
  bool HasWindow() const { return grid_ != nullptr; }

 protected:
  // CWnd's operations the grid overrides, in slot order.
  void PreSubclassWindow() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 public:
  // The grid's own virtual operations, in slot order. The grid calls them; a derived sheet
  // answers for its cells.
  //
  // 0: not editable, 1: typed into, 2: chosen from a list of the sheet's. Every cell is typed
  // into unless the sheet says otherwise.
  virtual int HowEdit(int row, int col);
  // The text of a cell; text is left as it is for a cell the sheet does not know.
  virtual void GetItemText(int row, int col, CString& text);
  virtual void EnterItem(int row, int col);
  virtual void LeaveItem(int row, int col);
  // Text a person typed into a cell, held to the input limit.
  virtual void UpdateItem(int row, int col, const char* text);
  // A click on the heading of column col.
  virtual void ClickText(int col);
  // Nonzero with *color (0x00BBGGRR) for a cell of a colour of its own.
  virtual int GetItemColor(int row, int col, unsigned long* color);
  // Mouse messages over a cell. The left button's press moves the cursor and sets the marks;
  // other messages do nothing.
  virtual void MouseEvent(unsigned int msg, int row, int col);
  // The grid has taken over its window and is about to be shown.
  virtual void InitComplete();
  // A cell's kind of data and input limit; the column's by default.
  virtual void GetDataKind(int row, int col, unsigned char* kind, unsigned int* length,
                           unsigned int* option);
  // A cell's alignment; the column's by default.
  virtual void GetDataForm(int row, int col, unsigned char* form);

 protected:
  // A key pressed on the grid: the arrow keys move the cursor a cell, Page Up and Page Down a
  // page, Home and End to the first and last column.
  void OnKeyDown(UINT key, UINT repeat, UINT flags);

 private:
  afx::GridState& State() { return grid_ ? static_cast<afx::GridState&>(*grid_) : pending_; }
  const afx::GridState& State() const {
    return grid_ ? static_cast<const afx::GridState&>(*grid_) : pending_;
  }
  afx::GridColumn* Column(int col);
  const afx::GridColumn* Column(int col) const;
  bool MoveCursor(int row, int col);
  // The window shows the state anew.
  void Show();

  CString CellText(int row, int col) override;
  int CellEditKind(int row, int col) override;
  int CellInputLimit(int row, int col) override;
  int CellForm(int row, int col) override;
  bool CellColor(int row, int col, unsigned long* color) override;
  void CellTyped(int row, int col, const CString& text) override;
  void MouseMessage(UINT message, int row, int col) override;
  void KeyMessage(UINT key) override;
  void HeadingClicked(int col) override;
  void GridDestroyed() override;

  // The layout made before the window exists, and kept after it is gone.
  afx::GridState pending_;
  afx::GridPeer* grid_ = nullptr;

  DECLARE_MESSAGE_MAP()
};

// The peers of each kind of control: the state a control of that kind keeps beyond what every
// window has, and how it takes a person's input.
#pragma once

#include <memory>
#include <vector>

#include "framework/ui/GridClient.h"
#include "framework/ui/WindowPeer.h"

class CImageList;

namespace afx {

// Makes the peer of the control a template describes.
std::unique_ptr<WindowPeer> MakePeer(const ControlTemplate& t);

// The dialog's own window: its caption. The dialog's view shows it; it is no control, and a
// caption the program sets is told to nobody.
class DialogPeer final : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void Accept(PeerVisitor&) override {}
  bool TakesFocus() const override { return false; }
};

class StaticPeer final : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void Accept(PeerVisitor& visitor) override { visitor.Visit(*this); }
  bool TakesFocus() const override { return false; }
};

class ButtonPeer final : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void Accept(PeerVisitor& visitor) override { visitor.Visit(*this); }
  // A group box is a frame with a title: it never has the focus.
  bool TakesFocus() const override;
  // An auto radio button checks itself and unchecks the rest of its group, an auto check box
  // toggles; then the command.
  void Click(ControlOwner& dialog) override;

  DWORD ButtonType() const { return style & BS_TYPEMASK; }
  bool IsAutoRadio() const { return ButtonType() == BS_AUTORADIOBUTTON; }
  bool IsGroupBox() const { return ButtonType() == BS_GROUPBOX; }

  int check = BST_UNCHECKED;
  // The picture a picture button shows (a bitmap resource id; 0 for none), and whether its
  // text is shown beside it.
  UINT bitmap = 0;
  bool bitmapWithText = true;
};

// A control a person types text into: an edit control, or a combo box with an edit field.
class TextInputPeer : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;

  // The part of typed the control takes when it is typed between before and after (the text
  // kept on either side of the cursor or selection): characters the control refuses are left
  // out, and none that would take the text past the limit (in bytes, whole characters only).
  CString Accepted(const CString& before, const CString& typed, const CString& after) const;
  // What typing text over the whole field leaves in it.
  CString TypedText(const CString& text) const { return Accepted(CString(), text, CString()); }

  // Typing over the whole field: what the field takes of text is the edit.
  bool Type(ControlOwner& dialog, const CString& text) final;
  // A person's edit left text in the field, held to the field's rules already: the control
  // keeps it and tells the dialog.
  virtual void Edited(ControlOwner& dialog, const CString& text) = 0;
  // Whether there is a field to type into.
  virtual bool HasEditField() const { return true; }

  int textLimit = 0;  // 0: no limit

 protected:
  // Whether the control takes this character (len bytes at c) when typed.
  virtual bool Takes(const char* /*c*/, int /*len*/) const { return true; }
};

class EditPeer final : public TextInputPeer {
 public:
  using TextInputPeer::TextInputPeer;
  void Accept(PeerVisitor& visitor) override { visitor.Visit(*this); }
  UINT FocusNotification(bool gained) const override;
  // An edit control reports every change of its text, also one the program made.
  void TextSetByProgram(ControlOwner& dialog) override;
  void Edited(ControlOwner& dialog, const CString& text) override;

 protected:
  // An ES_NUMBER edit takes digits only.
  bool Takes(const char* c, int len) const override;
};

class ComboPeer final : public TextInputPeer {
 public:
  using TextInputPeer::TextInputPeer;
  void Accept(PeerVisitor& visitor) override { visitor.Visit(*this); }
  UINT FocusNotification(bool gained) const override;
  // What is typed selects no item.
  void Edited(ControlOwner& dialog, const CString& text) override;
  // A drop-down combo (CBS_DROPDOWN) has an edit field; a drop-down list has not.
  bool HasEditField() const override { return (style & CBS_TYPEMASK) == CBS_DROPDOWN; }
  // A drop-down list shows the pick at once; a drop-down combo's edit field takes the item's
  // text only after the selection notification, and then shows what is selected by then.
  bool Pick(ControlOwner& dialog, int index) override;

  bool HasItem(int index) const { return index >= 0 && static_cast<size_t>(index) < items.size(); }

  std::vector<CString> items;
  int curSel = -1;
};

struct ListColumn {
  CString heading;
  int format = LVCFMT_LEFT;
  int width = 0;  // pixels
};

struct ListRow {
  std::vector<CString> texts;  // the item's text, then each sub-item's
  int image = -1;
  bool selected = false;
  DWORD_PTR data = 0;
};

class ListPeer final : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void Accept(PeerVisitor& visitor) override { visitor.Visit(*this); }
  // Selects the row alone.
  bool Pick(ControlOwner& dialog, int index) override;
  // A person's selection: selected[i] for row i (rows past its end are not selected). The
  // dialog hears LVN_ITEMCHANGED when any row's state changed; true then.
  bool Select(ControlOwner& dialog, const std::vector<bool>& selected);

  std::vector<ListColumn> columns;
  std::vector<ListRow> rows;
  DWORD extendedStyle = 0;
  CImageList* smallImages = nullptr;
  CImageList* normalImages = nullptr;
};

struct TreeNode {
  CString text;
  int image = 0;
  int selectedImage = 0;
  bool expanded = false;
  DWORD_PTR data = 0;
  TreeNode* parent = nullptr;
  std::vector<std::unique_ptr<TreeNode>> children;
};

class TreePeer final : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void Accept(PeerVisitor& visitor) override { visitor.Visit(*this); }
  // A person selects node (one of this tree's); the dialog hears TVN_SELCHANGED.
  void Select(ControlOwner& dialog, TreeNode* node);
  // The node reached by following the texts from the root, or null.
  TreeNode* Find(const std::vector<CString>& path);

  TreeNode root;
  TreeNode* selectedNode = nullptr;
  CImageList* images = nullptr;
};

struct GridColumn {
  int length = 0;                 // width in characters of the dialog font
  std::vector<CString> headings;  // the text of each header row
  int item = 0;                   // the item of the record the column shows
  bool fixed = false;             // drawn as a heading (the row numbers)
  unsigned char dataKind = 0;
  int inputLimit = 0;  // bytes a person can type; 0 for none
  unsigned dataOption = 0;
  unsigned char form = 0;  // alignment of the text: 0 left, 1 right, 2 centred

  bool operator==(const GridColumn&) const = default;
};

// What a grid keeps: its layout, its rows, the current cell and the marked rows. The cells'
// texts are never kept; the grid's window gives them (GridClient).
class GridState {
 public:
  int RowCount() const { return static_cast<int>(marks_.size()); }
  // Rows past the new end lose their marks; the current cell stays on a row if there is one.
  void SetRowCount(int count);
  int ColumnCount() const { return static_cast<int>(columns.size()); }
  bool IsCell(int row, int col) const {
    return row >= 0 && row < RowCount() && col >= 0 && col < ColumnCount();
  }

  int CurrentRow() const { return current_row_; }
  int CurrentCol() const { return current_col_; }
  void SetCurrent(int row, int col);

  bool IsMarked(int row) const { return row >= 0 && row < RowCount() && marks_[row] != 0; }
  int MarkCount() const { return mark_count_; }
  void SetMark(int row, bool marked);
  // Marks row and no other.
  void MarkAlone(int row);
  // Marks the rows from first to last (either way round) and no others.
  void MarkRange(int first, int last);
  void MarkAll();
  void ClearMarks();

  int textHeight = 0;  // pixels
  int headerRows = 1;
  int recordRows = 1;
  int rowMax = 0;
  std::vector<GridColumn> columns;
  // Where a Shift+click's range starts: the row of the last plain click or cursor move.
  int anchorRow = 0;
  // The next cursor move keeps the marks (once).
  bool lockMark = false;

 private:
  std::vector<char> marks_;
  int mark_count_ = 0;
  int current_row_ = 0;
  int current_col_ = 0;
};

// A grid control: the state of a grid window (RVSheet) that took over a list box of the
// dialog. Until a window takes it over it has no rows and no columns. Both presenters show
// its cells by asking the client, and hand a person's clicks, keys and typing to it here.
class GridPeer final : public WindowPeer, public GridState {
 public:
  using WindowPeer::WindowPeer;
  ~GridPeer() override;
  void Accept(PeerVisitor& visitor) override { visitor.Visit(*this); }

  // What a cell shows and how it is edited, asked of the client each time; an empty text and
  // no editing without one.
  CString CellText(int row, int col) const;
  int EditKind(int row, int col) const;
  int InputLimit(int row, int col) const;
  // Alignment of a cell's text: 0 left, 1 right, 2 centred.
  int Form(int row, int col) const;
  // A cell's own colour (0x00BBGGRR), if it has one.
  bool Color(int row, int col, unsigned long* color) const;
  // What of typed text a cell takes: nothing unless it is typed into (edit kind 1), and no
  // more than its input limit, in whole characters.
  CString TypedText(int row, int col, const CString& typed) const;

  // A person's input. A click is the left button's press and release over a cell with keys
  // (MK_CONTROL, MK_SHIFT) held; a right click is the right button's.
  void ClickCell(int row, int col, UINT keys);
  void RightClickCell(int row, int col);
  // Typing into the current cell: false when it takes nothing.
  bool TypeIntoCurrentCell(const CString& text);
  void KeyDown(UINT key);
  void HeadingClick(int col);

  GridClient* client = nullptr;
  // The keys held during the mouse message being handled.
  UINT heldKeys = 0;
  // Rows a page shows, for the page keys; the view on screen sets it from its height.
  int pageRows = 20;
  // Counts DrawPage calls: every cell is shown anew.
  unsigned drawCount = 0;
  // Counts cursor moves: the view brings the current cell into sight.
  unsigned cursorMoves = 0;
};

}  // namespace afx

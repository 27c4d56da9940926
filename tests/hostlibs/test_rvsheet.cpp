// The grid window driven as a person would, through the in-memory presenter: cursor moves,
// marks, typing held to the column's limit, keys through the message map, and cells always
// read from the sheet.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/ui/CDialog.h"
#include "framework/ui/MemoryPresenter.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "hostlibs/rvgui/RVSheet.h"

namespace {

constexpr UINT kTemplate = 910;
constexpr int kGrid = 100;
constexpr int kOther = 101;

afx::ResourceModule& TestModule() {
  static afx::ResourceModule module = [] {
    using K = afx::ControlKind;
    afx::ResourceModule made("grid-test");
    made.AddDialog({kTemplate,
                    "Grid",
                    200,
                    120,
                    "MS Shell Dlg",
                    9,
                    {{kGrid, K::ListBox, WS_BORDER | WS_VSCROLL | WS_TABSTOP, "", 0, 0, 200, 100},
                     {kOther, K::Edit, WS_TABSTOP, "", 0, 104, 50, 12},
                     {IDOK, K::Button, WS_TABSTOP, "OK", 100, 104, 40, 12},
                     {IDCANCEL, K::Button, WS_TABSTOP, "Cancel", 150, 104, 40, 12}}});
    return made;
  }();
  return module;
}

// A sheet of three columns over its own values: a name nobody edits, a code of at most two
// bytes, and a kind chosen from a list. It records what the grid calls.
class TestSheet : public RVSheet {
 public:
  explicit TestSheet(int rows) : values(static_cast<size_t>(rows), "x") {
    SetRecMax(rows);
    SetRecCnt(rows);
    SetTextHeight(14);
    SetHeaderRow(1);
    SetRecRow(1);
    SetColNum(3);
    const char* headings[] = {"Name", "Code", "Kind"};
    for (int c = 0; c < 3; ++c) {
      SetColLen(c, 10);
      AddText(0, c, headings[c], c);
      AddItem(1, c, c, 0);
      SetDataKind(c, 0, c == 1 ? 2 : 0, 0);
      SetDataForm(c, 0);
    }
  }

  int HowEdit(int, int col) override { return col; }
  void GetItemText(int row, int col, CString& text) override {
    ++asked;
    if (row < 0 || row >= static_cast<int>(values.size())) return;
    if (col == 0) text.Format("row%d", row);
    if (col == 1) text = values[static_cast<size_t>(row)];
  }
  void EnterItem(int row, int col) override { Log("enter", row, col); }
  void LeaveItem(int row, int col) override { Log("leave", row, col); }
  void UpdateItem(int row, int col, const char* text) override {
    events.push_back("update " + std::to_string(row) + "," + std::to_string(col) + " " + text);
    values[static_cast<size_t>(row)] = CString(text);
  }
  void MouseEvent(unsigned int msg, int row, int col) override {
    if (msg == WM_RBUTTONUP) Log("right", row, col);
    RVSheet::MouseEvent(msg, row, col);
  }
  void OnKeyDown(UINT key, UINT repeat, UINT flags) {
    events.push_back("key " + std::to_string(key));
    RVSheet::OnKeyDown(key, repeat, flags);
  }

  std::vector<CString> values;
  std::vector<std::string> events;
  int asked = 0;

 private:
  void Log(const char* what, int row, int col) {
    events.push_back(std::string(what) + " " + std::to_string(row) + "," + std::to_string(col));
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestSheet, RVSheet)
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

class GridDialog : public CDialog {
 public:
  explicit GridDialog(TestSheet& sheet) : CDialog(kTemplate), sheet_(sheet) {}

 private:
  void DoDataExchange(CDataExchange* dx) override {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kGrid, sheet_);
  }
  TestSheet& sheet_;
};

struct GridTest : ::testing::Test {
  GridTest() : presenter(driver), scope(presenter) {}
  void Run(TestSheet& sheet, std::function<void(afx::DialogSession&)> script) {
    driver.OnDialog(kTemplate, script);
    CSetInstance guard(&TestModule());
    GridDialog dialog(sheet);
    dialog.DoModal();
  }
  std::vector<int> Marked(afx::DialogSession& s) {
    std::vector<int> rows;
    for (int row = 0; row < s.RowCount(kGrid); ++row)
      if (s.IsMarked(kGrid, row)) rows.push_back(row);
    return rows;
  }

  afx::ScriptedDriver driver;
  afx::MemoryPresenter presenter;
  afx::ScopedPresenter scope;
};

using Rows = std::vector<int>;
using Events = std::vector<std::string>;

TEST_F(GridTest, TheListBoxBecomesTheGridWithTheLayoutMadeBeforeAndCellsReadFromTheSheet) {
  TestSheet sheet(5);
  EXPECT_FALSE(sheet.HasWindow());
  Run(sheet, [&](afx::DialogSession& s) {
    EXPECT_TRUE(sheet.HasWindow());
    const auto& grid = s.Peer<afx::GridPeer>(kGrid);
    EXPECT_EQ(3, grid.ColumnCount());
    EXPECT_EQ(CString("Code"), grid.columns[1].headings.at(0));
    EXPECT_EQ(2, grid.columns[1].inputLimit);
    EXPECT_EQ(10, grid.columns[2].length);
    EXPECT_EQ(14, grid.textHeight);
    EXPECT_EQ(5, s.RowCount(kGrid));
    EXPECT_EQ(0, sheet.asked);  // nothing is read until it is shown
    EXPECT_EQ(CString("row3"), s.CellText(kGrid, 3, 0));
    sheet.values[3] = "new";  // the grid keeps no copy
    EXPECT_EQ(CString("new"), s.CellText(kGrid, 3, 1));
    EXPECT_EQ(2, sheet.asked);
    EXPECT_THROW(s.CellText(kGrid, 5, 0), std::out_of_range);
  });
  // The window is gone with its dialog; the layout stays with the sheet.
  EXPECT_FALSE(sheet.HasWindow());
  EXPECT_EQ(5u, sheet.GetRecCnt());
}

TEST_F(GridTest, ACursorMoveLeavesEntersAndMarksTheNewRowAloneUnlessTheMarksWereLocked) {
  TestSheet sheet(6);
  Run(sheet, [&](afx::DialogSession& s) {
    s.ClickCell(kGrid, 2, 1);
    EXPECT_EQ(Rows{2}, Marked(s));
    EXPECT_EQ(kGrid, s.FocusId());
    sheet.SetMarkAll();
    EXPECT_EQ(6, s.MarkCount(kGrid));
    sheet.SkipTo(4, 0);
    EXPECT_EQ(Rows{4}, Marked(s));
    sheet.SetMark(1);
    sheet.LockMark();
    EXPECT_EQ(1, sheet.JumpTo(5, 2));  // the marks stay, once
    EXPECT_EQ((Rows{1, 4}), Marked(s));
    sheet.SkipTo(3, 2);
    EXPECT_EQ(Rows{3}, Marked(s));
    EXPECT_EQ(0, sheet.JumpTo(6, 0));  // no such row: nothing moves
    EXPECT_EQ(0, sheet.JumpTo(0, 3));
    int row = -1;
    int col = -1;
    sheet.GetEditPos(&row, &col);
    EXPECT_EQ(std::make_pair(3, 2), std::make_pair(row, col));
    EXPECT_EQ(std::make_pair(3, 2), s.CurrentCell(kGrid));
    EXPECT_EQ((Events{"leave 0,0", "enter 2,1", "leave 2,1", "enter 4,0", "leave 4,0", "enter 5,2",
                      "leave 5,2", "enter 3,2"}),
              sheet.events);
    // The right button reaches MouseEvent and moves nothing by itself.
    sheet.events.clear();
    s.RightClickCell(kGrid, 1, 1);
    EXPECT_EQ(Events{"right 1,1"}, sheet.events);
    EXPECT_EQ(std::make_pair(3, 2), s.CurrentCell(kGrid));
    EXPECT_EQ(Rows{3}, Marked(s));
  });
}

TEST_F(GridTest, CtrlClickTogglesShiftClickMarksARangeAndTypingTakesTheColumnsLimit) {
  TestSheet sheet(10);
  Run(sheet, [&](afx::DialogSession& s) {
    s.ClickCell(kGrid, 2, 0);
    s.CtrlClickCell(kGrid, 5, 0);
    s.CtrlClickCell(kGrid, 7, 1);
    EXPECT_EQ((Rows{2, 5, 7}), Marked(s));
    EXPECT_EQ(std::make_pair(7, 1), s.CurrentCell(kGrid));
    s.CtrlClickCell(kGrid, 5, 0);  // toggles off, the others stay
    EXPECT_EQ(2, sheet.GetMarkCnt());
    s.ShiftClickCell(kGrid, 6, 0);  // from row 2, the last plain click
    EXPECT_EQ((Rows{2, 3, 4, 5, 6}), Marked(s));
    s.ShiftClickCell(kGrid, 0, 0);  // the range runs either way
    EXPECT_EQ((Rows{0, 1, 2}), Marked(s));
    s.ClickCell(kGrid, 8, 0);
    s.ShiftClickCell(kGrid, 9, 2);
    s.ClickCell(kGrid, 10, 0);  // below the last row: nothing
    EXPECT_EQ((Rows{8, 9}), Marked(s));
    EXPECT_EQ(1, sheet.GetMark(9));
    EXPECT_EQ(0, sheet.GetMark(0));
    // Typing takes the column's input limit, only in cells typed into.
    s.ClickCell(kGrid, 1, 1);
    sheet.events.clear();
    s.TypeIntoCell(kGrid, "ABC");  // at most two bytes
    EXPECT_EQ(Events{"update 1,1 AB"}, sheet.events);
    EXPECT_EQ(CString("AB"), s.CellText(kGrid, 1, 1));
    s.TypeIntoCell(kGrid, CString(u8"図面"));  // whole double-byte characters only
    EXPECT_EQ(CString(u8"図"), sheet.values[1]);
    s.TypeIntoCell(kGrid, CString("A") + CString(u8"図"));  // "A" and half a character
    EXPECT_EQ(CString("A"), sheet.values[1]);
    sheet.events.clear();
    s.ClickCell(kGrid, 2, 0);  // HowEdit 0: takes nothing
    s.TypeIntoCell(kGrid, "Z");
    s.ClickCell(kGrid, 2, 2);  // HowEdit 2: chosen from a list, never typed
    s.TypeIntoCell(kGrid, "Z");
    EXPECT_EQ((Events{"leave 1,1", "enter 2,0", "leave 2,0", "enter 2,2"}), sheet.events);
  });
}

TEST_F(GridTest, KeysGoThroughTheSheetsMessageMapAndRowsFollowTheCountWithinTheMaximum) {
  TestSheet sheet(30);
  Run(sheet, [&](afx::DialogSession& s) {
    s.PressKey(kGrid, VK_DOWN);
    s.PressKey(kGrid, VK_RIGHT);
    EXPECT_EQ(Rows{1}, Marked(s));
    s.PressKey(kGrid, VK_END);
    EXPECT_EQ(std::make_pair(1, 2), s.CurrentCell(kGrid));
    s.PressKey(kGrid, VK_RIGHT);  // past the last column: stays
    s.PressKey(kGrid, VK_NEXT);
    EXPECT_EQ(std::make_pair(21, 2), s.CurrentCell(kGrid));  // a page of 20 rows in memory
    s.PressKey(kGrid, VK_NEXT);
    EXPECT_EQ(std::make_pair(29, 2), s.CurrentCell(kGrid));
    for (UINT key : {VK_HOME, VK_PRIOR, VK_PRIOR, VK_UP, VK_SPACE})  // Space: no move of its own
      s.PressKey(kGrid, key);
    EXPECT_EQ(std::make_pair(0, 0), s.CurrentCell(kGrid));
    EXPECT_EQ("key 40", sheet.events.at(0));
    EXPECT_EQ("key 32", sheet.events.back());
    // The rows follow the count within the maximum; marks and the cursor stay within them.
    s.ClickCell(kGrid, 29, 1);
    sheet.SetMarkAll();
    sheet.SetRecCnt(40);
    EXPECT_EQ(30, s.RowCount(kGrid));
    sheet.SetRecCnt(4);
    EXPECT_EQ(4, s.RowCount(kGrid));
    EXPECT_EQ(4, s.MarkCount(kGrid));
    EXPECT_EQ(std::make_pair(3, 1), s.CurrentCell(kGrid));
    sheet.SetRecMax(2);
    EXPECT_EQ(2u, sheet.GetRecCnt());
    sheet.SetRecCnt(0);
    s.ClickCell(kGrid, 0, 0);
    s.TypeIntoCell(kGrid, "A");
    s.PressKey(kGrid, VK_DOWN);
    EXPECT_EQ(0, s.MarkCount(kGrid));
  });
}

}  // namespace

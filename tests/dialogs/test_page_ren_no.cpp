// Sequential drawing numbers for the marked rows of the batch grid: the refusals, the range
// the start number may take in each direction, and the numbers handed out.
#include <string>

#include "dialogs/BatchSteps.h"
#include "dialogs/CMultiSettingSheet.h"
#include "dialogs/CPageRenNoDialog.h"

namespace {

using namespace drawreg;
using Numbering = BatchFixture;

TEST_F(Numbering, FewerThanTwoOrMoreThan999MarkedRowsAreRefusedWithoutTheDialog) {
  AddRecords(1000);
  Run([&](afx::DialogSession& s) {
    s.ClickCell(IDC_SHEET, 4, 0);
    s.Click(IDC_PAGE_REN_NO);
    EXPECT_EQ(CString(u8"２つ以上選択してください。"), LastMessage());
    s.Click(IDC_SELECT_ALL);
    s.Click(IDC_PAGE_REN_NO);
    EXPECT_EQ(CString(u8"選択数が多すぎます。"), LastMessage());
    ASSERT_EQ(2u, driver.MessageBoxes().size());
    for (const auto& box : driver.MessageBoxes()) {
      EXPECT_EQ(CString(u8"図面番号連番設定"), box.caption);
      EXPECT_EQ(MB_OK | MB_ICONEXCLAMATION, box.type);
    }
    EXPECT_EQ(1, driver.DialogsShown());
    // 999 rows are numbered: up, only 1 is allowed, and every number is used once.
    s.CtrlClickCell(IDC_SHEET, 500, 0);
    driver.OnDialog(IDD_PAGE_REN_NO, [](afx::DialogSession& n) {
      EXPECT_EQ(CString(u8"（1 ～ 1）"), n.Text(IDC_START_RANGE));
      n.Type(IDC_START_NUMBER, "7");
      n.PressOK();
    });
    s.Click(IDC_PAGE_REN_NO);
    EXPECT_EQ(2, driver.DialogsShown());
    for (int row = 0; row < 1000; ++row) {  // row 500 is unmarked and keeps its number
      CString number;
      number.Format("%03d", row < 500 ? row + 1 : row == 500 ? 1 : row);
      ASSERT_EQ(number, s.CellText(IDC_SHEET, row, 4)) << row;
    }
    // Down, only 999.
    driver.OnDialog(IDD_PAGE_REN_NO, [](afx::DialogSession& n) {
      n.Click(IDC_DIRECTION_MINUS);
      EXPECT_EQ(CString(u8"（999 ～ 999）"), n.Text(IDC_START_RANGE));
      EXPECT_EQ(CString("999"), n.Text(IDC_START_NUMBER));
      n.PressOK();
    });
    s.Click(IDC_PAGE_REN_NO);
    EXPECT_EQ(CString("999"), s.CellText(IDC_SHEET, 0, 4));
    EXPECT_EQ(CString("001"), s.CellText(IDC_SHEET, 999, 4));
    s.Cancel();
  });
}

TEST_F(Numbering, TheRangeFollowsTheDirectionAndMarkedRowsAreNumberedTopToBottomUpOrDown) {
  AddRecords(10);
  Run([&](afx::DialogSession& s) {
    MarkRows(s, {9, 2, 5});
    driver.OnDialog(IDD_PAGE_REN_NO, [](afx::DialogSession& n) {
      EXPECT_EQ(CString(u8"図面番号連番設定"), n.Caption());
      // Always opens going up from 1; the start is held in the direction's range.
      EXPECT_EQ(BST_CHECKED, n.Peer<afx::ButtonPeer>(IDC_DIRECTION_PLUS).check);
      EXPECT_EQ(BST_UNCHECKED, n.Peer<afx::ButtonPeer>(IDC_DIRECTION_MINUS).check);
      EXPECT_EQ(CString("1"), n.Text(IDC_START_NUMBER));
      EXPECT_EQ(CString(u8"（1 ～ 997）"), n.Text(IDC_START_RANGE));
      n.Click(IDC_DIRECTION_MINUS);
      EXPECT_EQ(CString(u8"（3 ～ 999）"), n.Text(IDC_START_RANGE));
      EXPECT_EQ(CString("3"), n.Text(IDC_START_NUMBER));
      n.Type(IDC_START_NUMBER, "998");
      n.Click(IDC_DIRECTION_PLUS);
      EXPECT_EQ(CString("997"), n.Text(IDC_START_NUMBER));
      n.Cancel();
    });
    s.Click(IDC_PAGE_REN_NO);
    EXPECT_EQ(CString("001|001|001|001|001|001|001|001|001|001"), Column(s, 4));  // cancelled
    driver.OnDialog(IDD_PAGE_REN_NO, [](afx::DialogSession& n) {
      n.Type(IDC_START_NUMBER, "10");
      n.PressOK();
    });
    s.Click(IDC_PAGE_REN_NO);
    EXPECT_EQ(CString("001|001|010|001|001|011|001|001|001|012"), Column(s, 4));
    EXPECT_EQ(IDC_SHEET, s.FocusId());  // the keyboard goes back to the grid
    driver.OnDialog(IDD_PAGE_REN_NO, [](afx::DialogSession& n) {
      n.Click(IDC_DIRECTION_MINUS);
      n.Type(IDC_START_NUMBER, "10");
      n.PressEnter();  // Enter in the field: nothing is taken, the dialog stays
      EXPECT_TRUE(n.IsOpen());
      n.PressOK();
    });
    s.Click(IDC_PAGE_REN_NO);
    EXPECT_EQ(CString("001|001|010|001|001|009|001|001|001|008"), Column(s, 4));
    EXPECT_EQ(4, driver.DialogsShown());
    s.Cancel();
  });
  EXPECT_EQ(CString("001"), Record(2).Page());  // cancelled: the records stay
}

TEST_F(Numbering, NumbersTheRecordRefusesLeaveTheirRowsAsTheyWere) {
  AddRecords(4);
  Run([&](afx::DialogSession& s) {
    s.Click(IDC_SELECT_ALL);
    auto* sheet = dynamic_cast<CMultiSettingSheet*>(s.Dialog().GetDlgItem(IDC_SHEET));
    ASSERT_NE(nullptr, sheet);
    sheet->SetPageRenNo(998, 1);  // 998, 999, then 1000 and 1001 are no numbers
    EXPECT_EQ(CString("998|999|001|001"), Column(s, 4));
    sheet->SetPageRenNo(1, -1);  // 1, then 0 and below
    EXPECT_EQ(CString("001|999|001|001"), Column(s, 4));
    s.Cancel();
  });
}

TEST(PageRenNoDialog, OpensOnTheCallersDirectionWithTheStartHeldInItsRangeAndWritesOnlyAtOk) {
  afx::ScriptedDriver driver;
  afx::MemoryPresenter presenter(driver);
  afx::ScopedPresenter scope(presenter);
  CSetInstance guard(drawreg::ResourceModule());
  int start = 1;
  int step = -1;
  driver.OnDialog(IDD_PAGE_REN_NO, [](afx::DialogSession& n) {
    EXPECT_EQ(BST_CHECKED, n.Peer<afx::ButtonPeer>(IDC_DIRECTION_MINUS).check);
    EXPECT_EQ(CString("5"), n.Text(IDC_START_NUMBER));
    EXPECT_EQ(CString(u8"（5 ～ 999）"), n.Text(IDC_START_RANGE));
    n.Type(IDC_START_NUMBER, "40");
    n.Cancel();
  });
  EXPECT_EQ(IDCANCEL, CPageRenNoDialog(5, &start, &step, nullptr).DoModal());
  EXPECT_EQ(std::make_pair(1, -1), std::make_pair(start, step));
  driver.OnDialog(IDD_PAGE_REN_NO, [](afx::DialogSession& n) {
    n.Type(IDC_START_NUMBER, "40");
    n.Click(IDC_DIRECTION_PLUS);
    n.PressOK();
  });
  start = 2000;
  EXPECT_EQ(IDOK, CPageRenNoDialog(5, &start, &step, nullptr).DoModal());
  EXPECT_EQ(std::make_pair(40, 1), std::make_pair(start, step));
}

}  // namespace

// The batch setting dialog driven as a person would: the grid's cells, typing into the marked
// rows, the drawing type of the marked rows, the check before write-back, and OK and Cancel.
#include <string>

#include "dialogs/BatchSteps.h"
#include "dialogs/CMultiSettingSheet.h"
#include "dialogs/CheckDrawingNames.h"

namespace {

using namespace drawreg;
using Rows = std::vector<int>;
using Batch = BatchFixture;

TEST_F(Batch, OpensWithARowPerRecordReadFromItTheColumnsHelpShowsAndLaterRecordsReplaceThem) {
  AddRecords(3);
  Record(1).Life("D");
  Record(1).SetTypeInfo({0, 1, "PL"});
  Record(2).Name(CString(u8"平面図.dwg"));
  TVector<CDrawingFile*> other;
  CDrawingFile extra = TestRegister::Record("EXTRA.P21");
  other.Append(&extra);
  const char8_t* help[] = {
      u8"",
      u8"",
      (u8"【 ライフサイクル 】 S：測量／D：設計／C：施工／M：維持管理 "
       u8"のいずれかを入力してください。"),
      u8"【 整理番号 】 0～9、A～Z を入力してください。",
      u8"【 図面番号 】 001～999 を入力してください。",
      u8"【 改訂履歴 】 0～9、A～Z(Zは最終) を入力してください。",
      u8"【 図面種類 】 図面種類を選択してください。右ボタンで一覧選択できます。",
      u8""};
  const int result = Run([&](afx::DialogSession& s) {
    EXPECT_EQ(CString(u8"DRAWING一括設定"), s.Caption());
    const auto& grid = s.Peer<afx::GridPeer>(IDC_SHEET);
    const char8_t* headings[] = {u8"No.",      u8"元ファイル名", u8"ﾗｲﾌｻｲｸﾙ",  u8"整理番号",
                                 u8"図面番号", u8"改訂履歴",     u8"図面種類", u8"ファイル名"};
    const int lengths[] = {4, 12, 7, 8, 8, 8, 50, 12};
    const int limits[] = {4, 0, 1, 1, 3, 1, 0, 0};
    const int forms[] = {1, 0, 2, 2, 2, 2, 0, 0};
    ASSERT_EQ(8, grid.ColumnCount());
    for (size_t c = 0; c < 8; ++c) {
      EXPECT_EQ(CString(headings[c]), grid.columns[c].headings.at(0));
      EXPECT_EQ(lengths[c], grid.columns[c].length);
      EXPECT_EQ(limits[c], grid.columns[c].inputLimit);
      EXPECT_EQ(forms[c], grid.columns[c].form);
      EXPECT_EQ(c == 0, grid.columns[c].fixed);
    }
    EXPECT_EQ(14, grid.textHeight);
    EXPECT_EQ(CString("1|2|3"), Column(s, 0));
    EXPECT_EQ(CString(u8"DWG1.P21|DWG2.P21|平面図.dwg"), Column(s, 1));
    EXPECT_EQ(CString("S|D|S"), Column(s, 2));
    EXPECT_EQ(CString("0|0|0"), Column(s, 3));
    EXPECT_EQ(CString("001|001|001"), Column(s, 4));
    EXPECT_EQ(CString(u8"|共通-平面図|"), Column(s, 6));  // no type: nothing
    EXPECT_EQ(CString("S0??0010.P21|D0PL0010.P21|S0??0010.dwg"), Column(s, 7));
    EXPECT_EQ(IDC_SHEET, s.FocusId());
    EXPECT_EQ(IDB_SELECT_ALL, s.Peer<afx::ButtonPeer>(IDC_SELECT_ALL).bitmap);
    EXPECT_EQ(CString(""), s.Text(IDC_STATUS));
    for (int c = 7; c >= 0; --c) {
      s.ClickCell(IDC_SHEET, 1, c);
      EXPECT_EQ(CString(help[c]), s.Text(IDC_STATUS)) << c;
    }
    s.ClickCell(IDC_SHEET, 0, 4);
    s.PressKey(IDC_SHEET, VK_RIGHT);  // the keyboard enters cells too
    EXPECT_EQ(CString(help[5]), s.Text(IDC_STATUS));
    // Records given later replace the rows and put the cursor on the first cell.
    auto* sheet = dynamic_cast<CMultiSettingSheet*>(s.Dialog().GetDlgItem(IDC_SHEET));
    ASSERT_NE(nullptr, sheet);  // the dialog's control is the sheet that took it over
    s.ClickCell(IDC_SHEET, 2, 4);
    sheet->SetRecords(&other);
    EXPECT_EQ(std::make_pair(0, 0), s.CurrentCell(IDC_SHEET));
    EXPECT_EQ(CString("EXTRA.P21"), Column(s, 1));
    sheet->SetRecords(nullptr);
    EXPECT_EQ(0, s.RowCount(IDC_SHEET));
    s.Cancel();
  });
  EXPECT_EQ(IDCANCEL, result);
}

TEST_F(Batch, WhatIsTypedGoesToEveryMarkedRowThroughTheRecordsSetters) {
  AddRecords(5);
  Run([&](afx::DialogSession& s) {
    MarkRows(s, {0, 2, 3}, 2);
    s.TypeIntoCell(IDC_SHEET, "D");
    s.TypeIntoCell(IDC_SHEET, "d");  // the record refuses lower case: no row changes
    s.TypeIntoCell(IDC_SHEET, "X");
    EXPECT_EQ(CString("D|S|D|D|S"), Column(s, 2));
    EXPECT_EQ(CString("D0??0010.P21"), s.CellText(IDC_SHEET, 3, 7));
    // The drawing number typed in an unmarked row's cell: only the marked rows change.
    s.CtrlClickCell(IDC_SHEET, 0, 4);  // row 0 unmarked, and current
    ASSERT_EQ((Rows{2, 3}), Marked(s));
    ASSERT_EQ(std::make_pair(0, 4), s.CurrentCell(IDC_SHEET));
    s.TypeIntoCell(IDC_SHEET, "7");
    EXPECT_EQ(CString("001|001|007|007|001"), Column(s, 4));
    s.TypeIntoCell(IDC_SHEET, "0");     // no number 0
    s.TypeIntoCell(IDC_SHEET, "1234");  // three digits are the most: 123
    EXPECT_EQ(CString("001|001|123|123|001"), Column(s, 4));
    s.ClickCell(IDC_SHEET, 4, 3);
    s.TypeIntoCell(IDC_SHEET, "Z");
    s.ClickCell(IDC_SHEET, 4, 5);
    s.TypeIntoCell(IDC_SHEET, "ZZ");  // one character is the most
    // The source name, the type and the deliverable name are not typed into.
    for (int col : {1, 6, 7}) {
      s.ClickCell(IDC_SHEET, 4, col);
      s.TypeIntoCell(IDC_SHEET, "PL");
    }
    EXPECT_EQ(CString("DWG5.P21"), s.CellText(IDC_SHEET, 4, 1));
    EXPECT_EQ(CString(""), s.CellText(IDC_SHEET, 4, 6));
    EXPECT_EQ(CString("SZ??001Z.P21"), s.CellText(IDC_SHEET, 4, 7));
    // Select all marks every row.
    s.ClickCell(IDC_SHEET, 3, 2);
    s.Click(IDC_SELECT_ALL);
    EXPECT_EQ(5, s.MarkCount(IDC_SHEET));
    s.FocusOn(IDC_SHEET);
    s.TypeIntoCell(IDC_SHEET, "M");
    EXPECT_EQ(CString("M|M|M|M|M"), Column(s, 2));
    s.Cancel();
  });
  for (int i = 0; i < 5; ++i)  // Cancel writes nothing back.
    EXPECT_EQ(CString("S0??0010.P21"), Record(i).Name(0));
}

TEST_F(Batch, TheTypeChosenByTheButtonGoesToTheMarkedRowsOnly) {
  AddRecords(4);
  Record(1).SetTypeInfo({0, 5, "DT"});
  Run([&](afx::DialogSession& s) {
    driver.OnDialog(IDD_SELZUMENTYPE, [](afx::DialogSession& sel) {
      EXPECT_EQ(0, sel.CurSel(IDC_SELZUMENTYPE_FIELD));  // it opens on the current row's type
      sel.Pick(IDC_SELZUMENTYPE_TYPES, 1);
      sel.PressOK();
    });
    MarkRows(s, {1, 3, 1, 2, 1, 1});  // the current row is unmarked: it keeps its type
    ASSERT_EQ((Rows{2, 3}), Marked(s));
    s.Click(IDC_TYPE_SELECT);
    EXPECT_EQ(CString(u8"|共通-詳細図|共通-平面図|共通-平面図"), Column(s, 6));
    EXPECT_EQ(CString("S0PL0010.P21"), s.CellText(IDC_SHEET, 3, 7));
    // With no row marked, a confirmed choice changes nothing; nor does a cancelled one.
    MarkRows(s, {0, 0});
    ASSERT_EQ(0, s.MarkCount(IDC_SHEET));
    ChooseTypeWhenAsked(3);
    s.Click(IDC_TYPE_SELECT);
    s.ClickCell(IDC_SHEET, 0, 0);
    driver.OnDialog(IDD_SELZUMENTYPE, [](afx::DialogSession& sel) { sel.Cancel(); });
    s.Click(IDC_TYPE_SELECT);
    EXPECT_EQ(CString(u8"|共通-詳細図|共通-平面図|共通-平面図"), Column(s, 6));
    s.Cancel();
  });
  EXPECT_EQ(3, driver.DialogsShown() - 1);
  EXPECT_EQ(-1, Record(2).GetTypeInfo().fieldNo);  // the copies only
}

TEST_F(Batch, TheRightButtonOnAMarkedTypeKeepsTheOtherMarksAndSpaceOpensTheSelectionToo) {
  AddRecords(6);
  ChooseTypeWhenAsked(4);  // ST
  Run([&](afx::DialogSession& s) {
    MarkRows(s, {0, 2, 4}, 1);
    s.RightClickCell(IDC_SHEET, 2, 6);
    EXPECT_EQ((Rows{0, 2, 4}), Marked(s));
    EXPECT_EQ(std::make_pair(2, 6), s.CurrentCell(IDC_SHEET));
    // On an unmarked row the right button marks it alone, as a click would.
    ChooseTypeWhenAsked(2);  // PF
    s.RightClickCell(IDC_SHEET, 5, 6);
    EXPECT_EQ(Rows{5}, Marked(s));
    s.RightClickCell(IDC_SHEET, 1, 5);  // elsewhere the right button opens nothing
    EXPECT_EQ(3, driver.DialogsShown());
    // Space on the type cell opens it; on another cell it does not.
    ChooseTypeWhenAsked(0);  // LC
    s.ClickCell(IDC_SHEET, 1, 5);
    s.PressKey(IDC_SHEET, VK_SPACE);
    EXPECT_EQ(3, driver.DialogsShown());
    s.PressKey(IDC_SHEET, VK_RIGHT);
    s.PressKey(IDC_SHEET, VK_SPACE);
    EXPECT_EQ(4, driver.DialogsShown());
    EXPECT_EQ(Rows{1}, Marked(s));
    EXPECT_EQ(CString(u8"共通-構造図|共通-位置図|共通-構造図||共通-構造図|共通-縦断図"),
              Column(s, 6));
    s.Cancel();
  });
}

TEST_F(Batch, TheCheckReportsTheFirstProblemMovesTheGridToItAndWritesNothing) {
  AddRecords(3);
  Record(2).Name("DWG3.DWG");
  // A registered file of the folder whose name a row will take: S0ST0050.SFC.
  CDrawingFile registered = TestRegister::Record("old.SFC");
  registered.SetTypeInfo({0, 4, "ST"});
  registered.Page("5");
  folder.AddFile(registered);
  ChooseTypeWhenAsked(4);
  const int result = Run([&](afx::DialogSession& s) {
    const auto failsAt = [&](const char8_t* message, int row, const Rows& marked) {
      s.PressOK();
      EXPECT_EQ(CString(message), LastMessage());
      EXPECT_EQ(std::make_pair(row, 0), s.CurrentCell(IDC_SHEET));
      EXPECT_EQ(marked, Marked(s));
      EXPECT_EQ(IDC_SHEET, s.FocusId());
    };
    s.ClickCell(IDC_SHEET, 2, 0);
    failsAt(u8"1行目の図面種類が設定されていません。", 0, {0});
    // Every row the same type and fields: rows 1 and 2 collide, whatever their extensions.
    s.Click(IDC_SELECT_ALL);
    s.Click(IDC_TYPE_SELECT);
    s.ClickCell(IDC_SHEET, 2, 4);
    s.TypeIntoCell(IDC_SHEET, "9");
    failsAt(u8"1行目と2行目の成果ファイル名が重複しています。", 0, {0, 1});
    // Row 2 apart, row 3 on the registered file's name: taken, without regard to extension.
    s.ClickCell(IDC_SHEET, 1, 4);
    s.TypeIntoCell(IDC_SHEET, "2");
    s.ClickCell(IDC_SHEET, 2, 4);
    s.TypeIntoCell(IDC_SHEET, "5");
    failsAt(u8"3行目の成果ファイル名は既に使用されています。", 2, {2});
    ASSERT_EQ(3u, driver.MessageBoxes().size());
    for (const auto& box : driver.MessageBoxes()) {
      EXPECT_EQ(CString(u8"データエラー"), box.caption);
      EXPECT_EQ(MB_OK | MB_ICONEXCLAMATION, box.type);
      const auto* owner = dynamic_cast<const CDialog*>(box.owner);
      ASSERT_NE(nullptr, owner);
      EXPECT_EQ(IDD_MULTI_SETTING, owner->GetTemplateId());
    }
    EXPECT_TRUE(s.IsOpen());
    s.Cancel();
  });
  EXPECT_EQ(IDCANCEL, result);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(-1, Record(i).GetTypeInfo().fieldNo);
}

TEST_F(Batch, RegisteredFilesNeverCollideWithTheirOwnNamesAndTakeTheirNewOnes) {
  // Setting registered files: the rows are copies of the folder's own records.
  for (const char* page : {"1", "2", "3"}) {
    CDrawingFile* file = folder.AddFile(TestRegister::Record(CString("REG") + page + ".P21"));
    file->SetTypeInfo({0, 1, "PL"});
    file->Page(page);
    records.Append(file);
  }
  const int result = Run([&](afx::DialogSession& s) {
    // Rows 1 and 2 swap their numbers: neither takes the other's old name.
    s.ClickCell(IDC_SHEET, 0, 4);
    s.TypeIntoCell(IDC_SHEET, "2");
    s.ClickCell(IDC_SHEET, 1, 4);
    s.TypeIntoCell(IDC_SHEET, "1");
    s.PressOK();
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_TRUE(driver.MessageBoxes().empty());
  EXPECT_EQ(CString("S0PL0020.P21"), folder.GetFile(0)->Name(0));
  EXPECT_EQ(CString("S0PL0010.P21"), folder.GetFile(1)->Name(0));
  EXPECT_EQ(&folder, folder.GetFile(0)->GetParentFolder());  // the records keep their folder
}

TEST_F(Batch, OkWritesEveryRowBackOnlyWhenPressedOnTheButtonAndTheListOpensOverTheDialog) {
  AddRecords(2);
  reg.MakeDir("A");
  ChooseTypeWhenAsked(1);
  const int result = Run([&](afx::DialogSession& s) {
    driver.OnDialog(IDD_DRAWING_FILES, [](afx::DialogSession& list) {
      EXPECT_EQ(CString(u8"登録済みファイル一覧"), list.Caption());
      list.Cancel();
    });
    s.Click(IDC_REGISTERED_LIST);
    EXPECT_EQ(2, driver.DialogsShown());
    s.Click(IDC_SELECT_ALL);
    s.Click(IDC_TYPE_SELECT);
    s.ClickCell(IDC_SHEET, 1, 4);
    s.TypeIntoCell(IDC_SHEET, "2");
    s.ClickCell(IDC_SHEET, 1, 2);
    s.TypeIntoCell(IDC_SHEET, "C");
    s.PressEnter();  // Enter in the grid: no check, nothing written, the dialog stays
    EXPECT_TRUE(s.IsOpen());
    EXPECT_EQ(CString("S0??0010.P21"), Record(0).Name(0));
    EXPECT_TRUE(driver.MessageBoxes().empty());
    s.PressOK();
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ(CString("S0PL0010.P21"), Record(0).Name(0));
  EXPECT_EQ(CString("C0PL0020.P21"), Record(1).Name(0));
  EXPECT_EQ(CString("PL"), Record(1).GetTypeInfo().code);
}

}  // namespace

// The setting dialogs in the 2017 edition of the naming rule: the user-defined part in the
// single dialog and as the grid's last column, names shown and checked in that edition.
#include <string>

#include "dialogs/BatchSteps.h"
#include "dialogs/CheckDrawingNames.h"

namespace {

using namespace drawreg;

struct Naming2017 : BatchFixture {
  Naming2017() { reg.env.SetNaming(NamingEdition::k2017); }

  // A record of the folder that is 001D0PLZ with the part given, in the register's edition.
  CDrawingFile* AddFolderFile(const CString& name, const CString& title) {
    CDrawingFile f = TestRegister::Drawing(name, reg.env.GetNaming());
    f.Title(title);
    return folder.AddFile(f);
  }
};

TEST_F(Naming2017, TheSingleDialogShowsThePartBelowTheRevisionAndWritesItBack) {
  CDrawingFile record = TestRegister::Record("A.P21");
  record.SetTypeInfo({0, 1, "PL"});
  const int result = RunSingle(record, [&](afx::DialogSession& s) {
    const afx::WindowPeer& title = s.Peer(IDC_TITLE);
    EXPECT_TRUE(title.visible);
    EXPECT_TRUE(s.Peer(IDC_TITLE_LABEL).visible);
    // The rule, the preview and the buttons make room below it, and the preview is wide.
    EXPECT_GT(s.Peer(IDC_RULE).y, title.y + title.h);
    EXPECT_GT(s.Peer(IDOK).y, s.Peer(IDC_PREVIEW).y);
    EXPECT_EQ(173, s.Peer(IDC_PREVIEW).w);
    EXPECT_EQ(192, s.Dialog().GetPeer()->h);
    EXPECT_EQ(CString("001S0PL0.P21"), s.Text(IDC_PREVIEW));
    s.Type(IDC_TITLE, CString(u8"平面図"));
    EXPECT_EQ(CString(u8"001S0PL0-平面図.P21"), s.Text(IDC_PREVIEW));
    s.Type(IDC_TITLE, "abc");  // lower case is refused; the preview keeps the last good part
    EXPECT_EQ(CString(u8"001S0PL0-平面図.P21"), s.Text(IDC_PREVIEW));
    s.PressOK();
    EXPECT_EQ(CString(u8"図面名が無効です"), LastMessage());
    EXPECT_EQ(IDC_TITLE, s.FocusId());
    s.Type(IDC_TITLE, CString(u8"平面図２"));
    s.PressOK();
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ(CString(u8"平面図２"), record.Title());
  EXPECT_EQ(CString(u8"001S0PL0-平面図２.P21"), record.Name(0));
}

TEST_F(Naming2017, TheSingleDialogRefusesANameTakenInTheFolderAndThe2004EditionHidesThePart) {
  AddFolderFile("OTHER.P21", CString(u8"平面図"));
  CDrawingFile record = TestRegister::Record("A.P21");
  ASSERT_EQ(1, record.Title(CString(u8"側面図")));
  ChooseTypeWhenAsked(1);
  int result = RunSingle(record, [&](afx::DialogSession& s) {
    s.Pick(IDC_LIFE, 1);
    s.Pick(IDC_HISTORY, 35);
    s.Click(IDC_TYPE_BUTTON);
    EXPECT_EQ(CString(u8"側面図"), s.Text(IDC_TITLE));
    EXPECT_EQ(CString(u8"001D0PLZ-側面図.P21"), s.Text(IDC_PREVIEW));
    s.PressOK();  // another part: another name
    EXPECT_FALSE(s.IsOpen());
  });
  EXPECT_EQ(IDOK, result);
  result = RunSingle(record, [&](afx::DialogSession& s) {
    s.Type(IDC_TITLE, CString(u8"平面図"));
    s.PressOK();
    EXPECT_EQ(CString(u8"既に使用されている成果ファイル名称です"), LastMessage());
    s.Cancel();
  });
  EXPECT_EQ(IDCANCEL, result);
  // In the 2004 edition the part is no part of the name: hidden, kept as it was, and the
  // other file's name is now the same.
  reg.env.SetNaming(NamingEdition::k2004);
  result = RunSingle(record, [&](afx::DialogSession& s) {
    EXPECT_FALSE(s.Peer(IDC_TITLE).visible);
    EXPECT_FALSE(s.Peer(IDC_TITLE_LABEL).visible);
    EXPECT_EQ(156, s.Dialog().GetPeer()->h);
    EXPECT_EQ(CString("D0PL001Z.P21"), s.Text(IDC_PREVIEW));
    s.PressOK();
    EXPECT_EQ(CString(u8"既に使用されている成果ファイル名称です"), LastMessage());
    s.Pick(IDC_HISTORY, 34);
    s.PressOK();
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ(CString("D0PL001Y.P21"), record.Name(0));
  EXPECT_EQ(CString(u8"側面図"), record.Title());
}

TEST_F(Naming2017, TheGridHasThePartAsItsLastColumnForTheMarkedRows) {
  AddRecords(3);
  for (int i = 0; i < 3; ++i)
    Record(i).SetTypeInfo({0, 1, "PL"});
  const int result = Run([&](afx::DialogSession& s) {
    const auto& grid = s.Peer<afx::GridPeer>(IDC_SHEET);
    ASSERT_EQ(9, grid.ColumnCount());
    EXPECT_EQ(CString(u8"図面名"), grid.columns[8].headings.at(0));
    EXPECT_EQ(104, grid.columns[8].inputLimit);
    EXPECT_EQ(CString("001S0PL0.P21|001S0PL0.P21|001S0PL0.P21"), Column(s, 7));
    MarkRows(s, {0, 2}, 8);
    EXPECT_EQ(
        CString(u8"【 図面名 】 全角文字、半角英大文字・数字で52文字以内を入力してください。"),
        s.Text(IDC_STATUS));
    s.TypeIntoCell(IDC_SHEET, CString(u8"平面図"));
    EXPECT_EQ(CString(u8"平面図||平面図"), Column(s, 8));
    s.TypeIntoCell(IDC_SHEET, "lower");  // refused by every row
    EXPECT_EQ(CString(u8"平面図||平面図"), Column(s, 8));
    EXPECT_EQ(CString(u8"001S0PL0-平面図.P21|001S0PL0.P21|001S0PL0-平面図.P21"), Column(s, 7));
    s.PressOK();  // rows 1 and 3 have the same name
    EXPECT_EQ(CString(u8"1行目と3行目の成果ファイル名が重複しています。"), LastMessage());
    s.ClickCell(IDC_SHEET, 2, 8);
    s.TypeIntoCell(IDC_SHEET, CString(u8"断面図"));
    s.PressOK();
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ(CString(u8"001S0PL0-断面図.P21"), Record(2).Name(0));
}

TEST_F(Naming2017, DuplicatesAreTheSameNamesInTheRegistersEdition) {
  AddFolderFile("F.P21", CString(u8"平面図"));
  // Rows made by anyone, with any edition of their own: checked in the register's.
  CDrawingFile same = TestRegister::Drawing("B.dwg");
  CDrawingFile other_part = same;
  ASSERT_EQ(1, same.Title(CString(u8"平面図")));
  ASSERT_EQ(1, other_part.Title(CString(u8"側面図")));
  TVector<CDrawingFile*> rows;
  rows.Append(&other_part);
  rows.Append(&same);
  int first = -1, second = -1;
  // 2017: the parts tell the rows apart; the second row meets the folder's file.
  EXPECT_EQ(3, CheckDrawingNames(&reg.env, &folder, &rows, &rows, &first, &second));
  EXPECT_EQ(1, first);
  // 2004: the part is no part of the name; the rows are the same name.
  reg.env.SetNaming(NamingEdition::k2004);
  EXPECT_EQ(2, CheckDrawingNames(&reg.env, nullptr, &rows, &rows, &first, &second));
  EXPECT_EQ(0, first);
  EXPECT_EQ(1, second);
  // The columns are those of the 2004 edition again.
  AddRecords(1);
  Run([&](afx::DialogSession& s) {
    EXPECT_EQ(8, s.Peer<afx::GridPeer>(IDC_SHEET).ColumnCount());
    s.Cancel();
  });
}

}  // namespace

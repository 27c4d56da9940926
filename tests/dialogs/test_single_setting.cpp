// The single setting dialog driven as a person would, through the in-memory presenter.
#include <gtest/gtest.h>

#include "dialogs/BatchFixture.h"

namespace {

using namespace drawreg;

struct SettingFixture : BatchFixture {
  SettingFixture() { record.Name("A.P21"); }
  // Runs the single dialog on record (or target) with script as the person's actions.
  int Run(std::function<void(afx::DialogSession&)> script, CDrawingFile* target = nullptr) {
    return RunSingle(target ? *target : record, script);
  }

  CDrawingFile record;
};

TEST_F(SettingFixture, FreshRecordOpensWithDefaultsStopsAtTheMissingTypeAndKeepsTheLastGoodValue) {
  const int result = Run([&](afx::DialogSession& s) {
    EXPECT_EQ(CString(u8"DRAWING設定"), s.Caption());
    EXPECT_EQ(CString("A.P21"), s.Text(IDC_SOURCE_NAME));
    EXPECT_EQ(0, s.CurSel(IDC_LIFE));
    EXPECT_EQ(CString(u8"S：測量"), s.ItemText(IDC_LIFE, 0));
    EXPECT_EQ(4, s.ItemCount(IDC_LIFE));
    EXPECT_EQ(36, s.ItemCount(IDC_ARRANGEMENT));
    EXPECT_EQ(CString("Z"), s.ItemText(IDC_HISTORY, 35));
    EXPECT_EQ(CString("0"), s.Text(IDC_ARRANGEMENT));
    EXPECT_EQ(CString("001"), s.Text(IDC_PAGE));
    EXPECT_EQ(CString(""), s.Text(IDC_TYPE_NAME));
    EXPECT_EQ(CString("S0??0010.P21"), s.Text(IDC_PREVIEW));
    s.PressOK();
    EXPECT_TRUE(s.IsOpen());
    EXPECT_EQ(IDC_TYPE_BUTTON, s.FocusId());
    // The fields' readers refuse what the naming rule refuses; the preview keeps the last good.
    const auto typed = [&s](int id, const char* text) {
      s.Type(id, text);
      return s.Text(IDC_PREVIEW);
    };
    EXPECT_EQ(CString("S0??0010.P21"), typed(IDC_ARRANGEMENT, "a"));  // no lower case
    EXPECT_EQ(CString("SB??0010.P21"), typed(IDC_ARRANGEMENT, "B"));
    EXPECT_EQ(CString("SB??0010.P21"), typed(IDC_PAGE, "000"));
    s.FocusOn(IDC_HISTORY);  // leaving the number restores the last accepted one
    EXPECT_EQ(CString("001"), s.Text(IDC_PAGE));
    EXPECT_EQ(CString("SB??0070.P21"), typed(IDC_PAGE, "7"));
    EXPECT_EQ(CString("7"), s.Text(IDC_PAGE));
    s.FocusOn(IDC_LIFE);
    EXPECT_EQ(CString("007"), s.Text(IDC_PAGE));
    s.Type(IDC_PAGE, "1234");  // a fourth character cannot be typed
    EXPECT_EQ(CString("123"), s.Text(IDC_PAGE));
    s.Pick(IDC_HISTORY, 35);  // a pick shows at once, before the edit field follows
    EXPECT_EQ(CString("SB??123Z.P21"), s.Text(IDC_PREVIEW));
    s.Pick(IDC_LIFE, 3);
    EXPECT_EQ(CString("MB??123Z.P21"), s.Text(IDC_PREVIEW));
    s.Cancel();
  });
  EXPECT_EQ(IDCANCEL, result);
  ASSERT_EQ(1u, driver.MessageBoxes().size());
  EXPECT_EQ(CString(u8"図面種別が設定されていません"), LastMessage());
  EXPECT_EQ(CString(u8"データエラー"), driver.MessageBoxes()[0].caption);
  EXPECT_EQ(MB_OK | MB_ICONEXCLAMATION, driver.MessageBoxes()[0].type);
  EXPECT_EQ(CString("S0??0010.P21"), record.Name(0));  // Cancel writes nothing
}

TEST_F(SettingFixture, ChosenTypeConfirmedRecordAndChecksInOrder) {
  reg.MakeDir("A");
  CDrawingFile* in_folder = folder.AddFile(record);
  const int result = Run(
      [&](afx::DialogSession& s) {
        driver.OnDialog(IDD_SELZUMENTYPE, [](afx::DialogSession& sel) {
          sel.Pick(IDC_SELZUMENTYPE_FIELD, 0);
          sel.Pick(IDC_SELZUMENTYPE_TYPES, 1);  // PL 平面図 of the sample catalogue
          sel.PressOK();
        });
        s.Click(IDC_TYPE_BUTTON);
        EXPECT_EQ(CString(u8"共通-平面図"), s.Text(IDC_TYPE_NAME));
        EXPECT_EQ(CString("S0PL0010.P21"), s.Text(IDC_PREVIEW));
        s.Type(IDC_ARRANGEMENT, "a");
        s.PressOK();
        EXPECT_EQ(CString(u8"整理番号が無効です"), LastMessage());
        EXPECT_EQ(IDC_ARRANGEMENT, s.FocusId());
        s.Type(IDC_ARRANGEMENT, "1");
        s.Type(IDC_HISTORY, "");
        s.PressOK();
        EXPECT_EQ(CString(u8"改訂履歴が無効です"), LastMessage());
        EXPECT_EQ(IDC_HISTORY, s.FocusId());
        s.Type(IDC_HISTORY, "C");
        s.Pick(IDC_LIFE, 1);
        s.PressEnter();  // Enter in a field: no checks, nothing written, the dialog stays
        EXPECT_TRUE(s.IsOpen());
        s.PressOK();
      },
      in_folder);
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ(CString("D1PL001C.P21"), in_folder->Name(0));
  EXPECT_EQ(CString("PL"), in_folder->GetTypeInfo().code);
  EXPECT_EQ(&folder, in_folder->GetParentFolder());  // the record keeps its folder
  EXPECT_EQ(2u, driver.MessageBoxes().size());
}

TEST_F(SettingFixture, DeliverableNameMustBeUniqueInTheFolderButNeverCollidesWithItself) {
  // Its deliverable name: S0PL0010.DWG.
  folder.AddFile(TestRegister::Record("other.DWG"))->SetTypeInfo({0, 1, "PL"});
  record.SetTypeInfo({0, 1, "PL"});
  Run([&](afx::DialogSession& s) {
    s.PressOK();  // S0PL0010.P21: same base name, other extension and case count as taken
    EXPECT_EQ(CString(u8"既に使用されている成果ファイル名称です"), LastMessage());
    EXPECT_TRUE(s.IsOpen());
    EXPECT_EQ(IDOK, s.FocusId());
    s.Type(IDC_PAGE, "2");
    s.PressOK();
  });
  EXPECT_EQ(CString("S0PL0020.P21"), record.Name(0));
  // The same source name (in other letter case) is this file's own earlier entry.
  CDrawingFile again = TestRegister::Record("OTHER.dwg");
  again.SetTypeInfo({0, 1, "PL"});
  EXPECT_EQ(IDOK, Run([](afx::DialogSession& s) { s.PressOK(); }, &again));
  EXPECT_EQ(IDOK, Run([](afx::DialogSession& s) { s.PressOK(); }, folder.GetFile(0)));
}

TEST_F(SettingFixture, RegisteredRecordOpensWithItsFieldsAndTypeName) {
  record.Life("C");
  record.Arrangement("Z");
  record.Page("42");
  record.History("9");
  record.SetTypeInfo({0, 5, "DT"});
  Run([&](afx::DialogSession& s) {
    EXPECT_EQ(2, s.CurSel(IDC_LIFE));
    EXPECT_EQ(CString("Z"), s.Text(IDC_ARRANGEMENT));
    EXPECT_EQ(CString("042"), s.Text(IDC_PAGE));
    EXPECT_EQ(CString(u8"共通-詳細図"), s.Text(IDC_TYPE_NAME));
    EXPECT_EQ(CString("CZDT0429.P21"), s.Text(IDC_PREVIEW));
    s.Click(IDC_REGISTERED);  // the registered files list opens and closes again
    s.Cancel();
  });
  EXPECT_EQ(2, driver.DialogsShown());
}

}  // namespace

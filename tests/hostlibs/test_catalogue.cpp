// The drawing-type catalogue: the built-in sample, catalogue files (good and broken) read from
// a real temporary folder, and the type selection dialog driven through the in-memory
// presenter.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <set>
#include <string>

#include "framework/ui/MemoryPresenter.h"
#include "framework/ui/ResourceModule.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "hostlibs/stddraft/SelZumenType.h"
#include "support/Files.h"
#include "support/TempDir.h"

namespace {

std::string U8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

TEST(SampleCatalogue, FindsEveryTypeByItsOwnExactCodeAndAcceptsAnUnsetSelection) {
  CStdDraftMgr mgr;
  const char* codes[] = {"LC", "PL", "PF", "CS", "ST", "DT"};
  for (int no = 0; no < 6; ++no) {
    const CStdTreeElm* elm = mgr.SrchElm(codes[no]);
    ASSERT_NE(nullptr, elm) << codes[no];
    EXPECT_EQ(0, elm->GetFieldNo());
    EXPECT_EQ(no, elm->GetNo());
    EXPECT_EQ(elm, mgr.GetElm(0, no));
  }
  EXPECT_EQ(CString(u8"共通-詳細図"), mgr.GetElmName(0, 5, '-'));
  EXPECT_EQ(CString(""), mgr.GetElmName(0, 99, '-'));
  EXPECT_EQ(CString(""), mgr.GetElmName(-1, -1, '-'));
  for (const char* unknown : {"pl", "XX", "P", "PLX", "", static_cast<const char*>(nullptr)})
    EXPECT_EQ(nullptr, mgr.SrchElm(unknown)) << (unknown ? unknown : "(null)");
  ASSERT_GE(mgr.GetFieldCnt(), 3);
  std::set<std::string> all;
  for (int i = 0; i < mgr.GetFieldCnt(); ++i) {
    const int field = mgr.GetFieldNoAt(i);
    EXPECT_FALSE(mgr.GetFieldName(field).IsEmpty());
    for (int j = 0; j < mgr.GetElmCnt(field); ++j) {
      CStdTreeElm* elm = mgr.GetElmAt(field, j);
      EXPECT_TRUE(all.insert(elm->GetFnameString().Bytes()).second);
      EXPECT_EQ(elm, mgr.SrchElm(elm->GetFnameString()));
    }
  }
  EXPECT_GT(all.size(), 6u);
  // Nothing is selected at first; unset numbers select nothing again.
  EXPECT_EQ(nullptr, mgr.GetCurElm());
  mgr.SetCurSel(0, 2);
  EXPECT_EQ(CString("PF"), mgr.GetCurElm()->GetFnameString());
  mgr.SetCurSel(-1, -1);
  EXPECT_EQ(nullptr, mgr.GetCurElm());
  EXPECT_EQ(-1, mgr.GetCurFieldNo());
}

struct CatalogueFile : ::testing::Test {
  CString Write(const char* name, const std::string& text) {
    const CString path = dir.File(name);
    WriteBytes(path, text);
    return path;
  }
  TempDir dir;
  CStdDraftMgr mgr;
};

TEST_F(CatalogueFile, LoadsFieldsAndTypesInNumberOrderAndReplacesTheSample) {
  const CString path =
      Write("roads.txt", "\xEF\xBB\xBF# roads only\r\n\r\n" + U8(u8"field\t3\t 道路 \r\n"
                                                                 u8"field\t1\t共通\n"
                                                                 u8"type\t3\t7\tR1\t道路平面図\n"
                                                                 u8"  # a comment after spaces\n"
                                                                 u8"type\t3\t2\tR2\t舗装 断面図\n"
                                                                 u8"type\t1\t0\tPL\t平面図"));
  mgr.SetCurSel(0, 1);
  ASSERT_EQ(1, mgr.Load(path)) << mgr.GetLastError().GetString();
  EXPECT_EQ(nullptr, mgr.GetCurElm());  // the old numbers mean nothing in the new catalogue
  EXPECT_EQ(nullptr, mgr.SrchElm("LC"));
  ASSERT_EQ(2, mgr.GetFieldCnt());
  EXPECT_EQ(1, mgr.GetFieldNoAt(0));
  EXPECT_EQ(3, mgr.GetFieldNoAt(1));
  EXPECT_EQ(CString(u8"道路"), mgr.GetFieldName(3));  // spaces around a column are dropped
  ASSERT_EQ(2, mgr.GetElmCnt(3));
  EXPECT_EQ(CString("R2"), mgr.GetElmAt(3, 0)->GetFnameString());
  EXPECT_EQ(7, mgr.SrchElm("R1")->GetNo());
  EXPECT_EQ(CString(u8"道路-舗装 断面図"), mgr.GetElmName(3, 2, '-'));
  EXPECT_EQ(CString(u8"共通-平面図"), mgr.GetElmName(1, 0, '-'));
}

TEST_F(CatalogueFile, RefusesABrokenFileNamingTheLineAndKeepsTheCatalogue) {
  const std::string head = U8(u8"field\t0\t共通\ntype\t0\t0\tA1\t図\n");
  const struct {
    std::string body;
    std::string error;  // after "path:"
  } cases[] = {
      {"typ\t0\t1\tA2\tx\n", "3: expected a line starting with \"field\" or \"type\""},
      {"type\t0\t1\tA2\n", "3: expected 5 tab-separated columns"},
      {"field\t1\n", "3: expected 3 tab-separated columns"},
      {"type\t0\t1\ta2\tx\n", "3: the code \"a2\" is not two upper-case ASCII letters or digits"},
      {"\ntype\t0\t1\tA-\tx\n", "4: the code \"A-\" is not"},
      {U8(u8"type\t0\t1\tＡ２\tx\n"), "3: the code"},
      {"field\t1\tx\ntype\t1\t0\tA1\ty\n", "4: code A1 is used twice, on lines 2 and 4"},
      {"field\t0\tagain\n", "3: field 0 is declared twice, on lines 1 and 3"},
      {"type\t0\t0\tB1\tx\n", "3: type 0 of field 0 is declared twice, on lines 2 and 3"},
      {"type\t2\t0\tB1\tx\n", "3: field 2 is not declared above"},
      {"type\t0\t-1\tB1\tx\n", "3: the type number \"-1\" is not a number from 0 to 9999"},
      {"field\t10000\tx\n", "3: the field number \"10000\" is not a number"},
      {"type\t0\t1\tB1\t \n", "3: the name is empty"},
      {"type\t0\t1\tB1\tx\x01y\n", "3: the name holds a control character"},
      {"type\t0\t1\tB1\t\xFF\xFE\n", "3: the line is not valid UTF-8"},
      {"type\t0\t1\tB1\t\xC0\xAF\n", "3: the line is not valid UTF-8"},  // overlong '/'
      {U8(u8"type\t0\t1\tB1\t平面") + "\xED\x95\x9C\n", "3: the name holds the character U+D55C,"},
      {"type\t0\t1\tB1\t\xF0\x9F\x98\x80\n",
       "3: the name holds the character U+1F600, which code page 932 cannot hold"},
  };
  const CString path = Write("broken.txt", "");
  for (const auto& c : cases) {
    WriteBytes(path, head + c.body);
    EXPECT_EQ(0, mgr.Load(path)) << c.body;
    const CString error = path + ":" + c.error.c_str();
    EXPECT_EQ(error, mgr.GetLastError().Left(error.GetLength())) << c.body;
    EXPECT_EQ(CString(u8"共通-平面図"), mgr.GetElmName(0, 1, '-')) << c.body;
    EXPECT_EQ(nullptr, mgr.SrchElm("A1")) << c.body;
  }
}

TEST_F(CatalogueFile, RefusesMissingEmptyAndUnreadableFiles) {
  EXPECT_EQ(0, mgr.Load(dir.File("none.txt")));
  EXPECT_EQ(dir.File("none.txt") + ": cannot open the catalogue file: No such file or directory",
            mgr.GetLastError());
  EXPECT_EQ(0, mgr.Load(Write("empty.txt", "# nothing yet\nfield\t0\tx\n")));
  EXPECT_EQ(dir.File("empty.txt") + ": the catalogue lists no drawing types", mgr.GetLastError());
  EXPECT_EQ(0, mgr.Load(dir.Path()));
  EXPECT_EQ(dir.Path() + ": cannot open the catalogue file: not a regular file",
            mgr.GetLastError());
  EXPECT_EQ(0, mgr.Load("/dev/zero"));  // a device never ends
  EXPECT_EQ(CString("/dev/zero: cannot open the catalogue file: not a regular file"),
            mgr.GetLastError());
  // A link of the user's own to a catalogue is followed; a FIFO is refused, never waited on.
  ASSERT_EQ(0, symlink("/dev/zero", dir.File("zero.txt").GetString()));
  EXPECT_EQ(0, mgr.Load(dir.File("zero.txt")));
  EXPECT_EQ(dir.File("zero.txt") + ": cannot open the catalogue file: not a regular file",
            mgr.GetLastError());
  ASSERT_EQ(0, mkfifo(dir.File("fifo.txt").GetString(), 0600));
  EXPECT_EQ(0, mgr.Load(dir.File("fifo.txt")));
  EXPECT_EQ(dir.File("fifo.txt") + ": cannot open the catalogue file: not a regular file",
            mgr.GetLastError());
  EXPECT_NE(nullptr, mgr.SrchElm("PL"));
  EXPECT_EQ(1, mgr.Load(Write("ok.txt", "field\t0\tx\ntype\t0\t0\tZZ\ty\n")));
  EXPECT_EQ(CString(""), mgr.GetLastError());
  ASSERT_EQ(0, symlink(dir.File("ok.txt").GetString(), dir.File("linked.txt").GetString()));
  EXPECT_EQ(1, mgr.Load(dir.File("linked.txt")));
}

struct SelectionDialog : ::testing::Test {
  SelectionDialog() : presenter(driver), scope(presenter) {}
  // The row the types list shows selected, or -1.
  static int SelectedRow(const afx::DialogSession& s) {
    const auto& rows = s.Peer<afx::ListPeer>(IDC_SELZUMENTYPE_TYPES).rows;
    const auto at = std::find_if(rows.begin(), rows.end(), [](auto& row) { return row.selected; });
    return at == rows.end() ? -1 : static_cast<int>(at - rows.begin());
  }
  afx::ScriptedDriver driver;
  afx::MemoryPresenter presenter;
  afx::ScopedPresenter scope;
  CStdDraftMgr mgr;
};

TEST_F(SelectionDialog, OpensOnTheCurrentTypeAndConfirmsTheOnePicked) {
  mgr.SetCurSel(1, 2);
  driver.OnDialog(IDD_SELZUMENTYPE, [&](afx::DialogSession& s) {
    EXPECT_EQ(CString(u8"道路"), s.Text(IDC_SELZUMENTYPE_FIELD));
    EXPECT_EQ(mgr.GetElmCnt(1), s.RowCount(IDC_SELZUMENTYPE_TYPES));
    EXPECT_EQ(2, SelectedRow(s));
    EXPECT_TRUE(s.Enabled(IDOK));
    s.Pick(IDC_SELZUMENTYPE_FIELD, 0);
    EXPECT_EQ(-1, SelectedRow(s));  // another field's list: nothing picked yet
    EXPECT_FALSE(s.Enabled(IDOK));
    EXPECT_EQ(CString("PF"), s.CellText(IDC_SELZUMENTYPE_TYPES, 2, 0));
    EXPECT_EQ(CString(u8"縦断図"), s.CellText(IDC_SELZUMENTYPE_TYPES, 2, 1));
    s.Pick(IDC_SELZUMENTYPE_TYPES, 1);
    s.PressOK();
  });
  SelZumenTypeInfo info{1, 2, ""};
  EXPECT_NE(0, SelZumenType(&mgr, nullptr, &info));
  EXPECT_EQ(0, info.fieldNo);
  EXPECT_EQ(1, info.no);
  EXPECT_EQ(CString(u8"共通-平面図"), info.name);
  ASSERT_NE(nullptr, mgr.GetCurElm());
  EXPECT_EQ(CString("PL"), mgr.GetCurElm()->GetFnameString());
}

TEST_F(SelectionDialog, UnsetTypeOpensOnTheFirstFieldWithNothingPickedUntilTheUserPicks) {
  mgr.SetCurSel(-1, -1);
  driver.OnDialog(IDD_SELZUMENTYPE, [&](afx::DialogSession& s) {
    EXPECT_EQ(0, s.CurSel(IDC_SELZUMENTYPE_FIELD));
    EXPECT_EQ(-1, SelectedRow(s));
    EXPECT_FALSE(s.Enabled(IDOK));
    s.PressEnter();  // nothing to confirm yet
    ASSERT_TRUE(s.IsOpen());
    s.Pick(IDC_SELZUMENTYPE_TYPES, 5);
    s.PressEnter();  // Enter in the list confirms the picked type
  });
  SelZumenTypeInfo info{-1, -1, ""};
  EXPECT_NE(0, SelZumenType(&mgr, nullptr, &info));
  EXPECT_EQ(CString(u8"共通-詳細図"), info.name);
  EXPECT_EQ(CString("DT"), mgr.GetCurElm()->GetFnameString());
}

TEST_F(SelectionDialog, FindsItsOwnTemplateWhateverModuleIsCurrentAndCancelChangesNothing) {
  afx::ResourceModule other("other");
  other.AddDialog({IDD_SELZUMENTYPE, "not ours", 10, 10, "x", 9, {}});
  afx::SetResourceHandle(&other);
  mgr.SetCurSel(0, 3);
  driver.OnDialog(IDD_SELZUMENTYPE, [](afx::DialogSession& s) {
    EXPECT_EQ(CString(u8"図面種類の選択"), s.Caption());
    s.Pick(IDC_SELZUMENTYPE_TYPES, 5);
    s.Cancel();
  });
  SelZumenTypeInfo info{0, 3, ""};
  EXPECT_EQ(0, SelZumenType(&mgr, nullptr, &info));
  EXPECT_EQ(1, driver.DialogsShown());
  EXPECT_EQ(&other, afx::GetResourceHandle());
  afx::SetResourceHandle(nullptr);
  EXPECT_EQ(0, info.fieldNo);
  EXPECT_EQ(3, info.no);
  EXPECT_EQ(CString(""), info.name);
  EXPECT_EQ(CString("CS"), mgr.GetCurElm()->GetFnameString());
  EXPECT_EQ(0, SelZumenType(nullptr, nullptr, &info));
  EXPECT_EQ(0, SelZumenType(&mgr, nullptr, nullptr));
}

}  // namespace

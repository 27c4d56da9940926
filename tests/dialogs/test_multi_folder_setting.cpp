// The multi-folder batch setting dialog driven as a person would: the folder tree built from the
// rows, the grid following the folder selected, and the check of every folder before write-back.
#include <string>

#include "dialogs/BatchSteps.h"
#include "dialogs/CMultiFolderSettingDialog.h"

namespace {

using namespace drawreg;
using Rows = std::vector<int>;

struct MultiFolder : BatchFixture {
  MultiFolder() { registered.Name("A"); }

  // A row for a new record name (fields at their defaults) in the folder below the root; the
  // folder A is the one in the register.
  void AddRow(const CString& relative, const CString& name) {
    owned.push_back(std::make_unique<CDrawingFile>(TestRegister::Record(name)));
    CDrawingFolder* target = relative == CString("A") ? &registered : nullptr;
    rows.Append(DrawingMultiFileInfo(reg.Path(relative), target, owned.back().get()));
  }
  // Rows A1 in A, C1 and C2 in C, all plans.
  void AddPlanRows() {
    for (const char* name : {"A1.P21", "C1.P21", "C2.P21"})
      AddRow(CString(name).Left(1), name);
    for (auto& record : owned)
      record->SetTypeInfo({0, 1, "PL"});
  }
  int RunFolders(const CString& base, std::function<void(afx::DialogSession&)> script) {
    driver.OnDialog(IDD_MULTI_FOLDER_SETTING, script);
    CSetInstance guard(drawreg::ResourceModule());
    CMultiFolderSettingDialog dialog(base, &rows, &reg.env, &draft, nullptr);
    return static_cast<int>(dialog.DoModal());
  }
  // Every node as "path:image/selected image:data", depth first, joined by ' '; the selected
  // node with a '*'.
  static CString Tree(afx::DialogSession& s) {
    CString shown;
    for (const afx::TreeNodeShown& node : s.TreeNodes(IDC_FOLDER_TREE)) {
      CString path;
      for (const CString& step : node.path)
        path += (path.IsEmpty() ? "" : "/") + step;
      CString text;
      text.Format("%s:%d/%d:%d%s", static_cast<const char*>(path), node.image, node.selectedImage,
                  static_cast<int>(node.data), node.selected ? "*" : "");
      shown += (shown.IsEmpty() ? "" : " ") + text;
    }
    return shown;
  }
  // Which of the four grid buttons are enabled: "1" or "0" each, in the order select all,
  // numbering, type selection, registered files.
  static std::string Buttons(afx::DialogSession& s) {
    std::string enabled;
    for (int id : {IDC_SELECT_ALL, IDC_PAGE_REN_NO, IDC_TYPE_SELECT, IDC_REGISTERED_LIST})
      enabled += s.Enabled(id) ? '1' : '0';
    return enabled;
  }

  CDrawingFolder registered;
  TVector<DrawingMultiFileInfo> rows;
};

TEST_F(MultiFolder, TreeShowsFoldersSortedWithPathNodesAndTheGridFollowsTheSelection) {
  AddRow("C", "C1.P21");
  AddRow("A/B", "B1.P21");
  AddRow("A", "A1.P21");
  AddRow("D/E", "E1.P21");  // D holds no row: a path node
  AddRow("A", "A2.P21");
  const int result = RunFolders(reg.dir.Path(), [&](afx::DialogSession& s) {
    EXPECT_EQ(CString(u8"DRAWING一括設定"), s.Caption());
    // Entries in the order parents first, then by path: A 1, C 2, A/B 3, D/E 4.
    EXPECT_EQ(CString("A:2/3:1* A/B:2/3:3 C:2/3:2 D:0/1:0 D/E:2/3:4"), Tree(s));
    EXPECT_EQ(12, s.Peer<afx::GridPeer>(IDC_SHEET).textHeight);
    const CImageList* images = s.Peer<afx::TreePeer>(IDC_FOLDER_TREE).images;
    ASSERT_NE(nullptr, images);
    EXPECT_EQ(4, images->GetImageCount());
    EXPECT_EQ(std::make_pair(20, 20), std::make_pair(images->Width(), images->Height()));
    EXPECT_TRUE(images->HasMask());
    EXPECT_EQ(RGB(255, 0, 255), images->MaskColor());
    EXPECT_EQ(CString("A1.P21|A2.P21"), Column(s, 1));  // the caller's order within a folder
    EXPECT_EQ("1111", Buttons(s));
    ASSERT_TRUE(s.PickTreeItem(IDC_FOLDER_TREE, {"C"}));
    EXPECT_EQ(CString("C1.P21"), Column(s, 1));
    EXPECT_EQ("1110", Buttons(s));  // C is not in the register yet: no registered files
    ASSERT_TRUE(s.PickTreeItem(IDC_FOLDER_TREE, {"D"}));
    EXPECT_EQ(0, s.RowCount(IDC_SHEET));
    EXPECT_EQ("0000", Buttons(s));
    ASSERT_TRUE(s.PickTreeItem(IDC_FOLDER_TREE, {"D", "E"}));
    EXPECT_EQ(CString("E1.P21"), Column(s, 1));
    s.Cancel();
  });
  EXPECT_EQ(IDCANCEL, result);
}

TEST_F(MultiFolder, BaseFolderAmongTheRowsIsANodeOfItsOwn) {
  AddRow("A/B", "B1.P21");
  AddRow("A", "A1.P21");
  RunFolders(reg.Path("A"), [&](afx::DialogSession& s) {
    EXPECT_EQ(CString("A:2/3:1* A/B:2/3:2"), Tree(s));
    s.Cancel();
  });
}

TEST_F(MultiFolder, EditsSurviveFolderSwitchesAndCancelOrAFailedCheckChangesNoRecord) {
  AddPlanRows();
  const auto editA = [](afx::DialogSession& s) {
    s.ClickCell(IDC_SHEET, 0, 2);
    s.TypeIntoCell(IDC_SHEET, "D");
    s.PickTreeItem(IDC_FOLDER_TREE, {"C"});
    s.PickTreeItem(IDC_FOLDER_TREE, {"A"});
    EXPECT_EQ(CString("D"), Column(s, 2));
  };
  EXPECT_EQ(IDCANCEL, RunFolders(reg.dir.Path(), [&](afx::DialogSession& s) {
              editA(s);
              s.Cancel();
            }));
  EXPECT_EQ(CString("S"), owned[0]->Life());
  // C's two rows make one name: the tree goes to C, its first row, the second marked.
  EXPECT_EQ(IDCANCEL, RunFolders(reg.dir.Path(), [&](afx::DialogSession& s) {
              editA(s);
              s.PressOK();
              EXPECT_TRUE(s.IsOpen());
              EXPECT_EQ(CString(u8"1行目と2行目の成果ファイル名が重複しています。"), LastMessage());
              EXPECT_EQ(CString(u8"データエラー"), driver.MessageBoxes().back().caption);
              EXPECT_EQ(CString("A:2/3:1 C:2/3:2*"), Tree(s));
              EXPECT_EQ(CString("C1.P21|C2.P21"), Column(s, 1));
              EXPECT_EQ(std::make_pair(0, 0), s.CurrentCell(IDC_SHEET));
              EXPECT_EQ(Rows({0, 1}), Marked(s));  // the cursor's row and the other
              EXPECT_EQ(IDC_SHEET, s.FocusId());
              s.Cancel();
            }));
  EXPECT_EQ(CString("S"), owned[0]->Life());
}

TEST_F(MultiFolder, SameNameInTwoFoldersPassesAndOKWritesEveryFolderBack) {
  AddPlanRows();
  CDrawingFile taken = TestRegister::Record("OLD.P21");
  taken.Life("D");
  taken.SetTypeInfo({0, 1, "PL"});
  registered.AddFile(taken);
  EXPECT_EQ(IDOK, RunFolders(reg.dir.Path(), [&](afx::DialogSession& s) {
              s.ClickCell(IDC_SHEET, 0, 2);
              s.TypeIntoCell(IDC_SHEET, "D");  // the name of A's registered file
              s.PressOK();
              EXPECT_EQ(CString(u8"1行目の成果ファイル名は既に使用されています。"), LastMessage());
              s.ClickCell(IDC_SHEET, 0, 2);
              s.TypeIntoCell(IDC_SHEET, "C");
              s.PickTreeItem(IDC_FOLDER_TREE, {"C"});
              s.ClickCell(IDC_SHEET, 1, 2);
              s.TypeIntoCell(IDC_SHEET, "C");  // as A's row: another folder, no clash
              s.PressOK();
            }));
  EXPECT_EQ(1u, driver.MessageBoxes().size());
  EXPECT_EQ(CString("C0PL0010.P21|S0PL0010.P21|C0PL0010.P21"),
            owned[0]->Name(0) + "|" + owned[1]->Name(0) + "|" + owned[2]->Name(0));
}

}  // namespace

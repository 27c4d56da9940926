// Registering folder trees end to end: the lock set, the multi-folder dialog, the copies and
// one save per folder, on a real disk, with a second process as the other user.
#include <gtest/gtest.h>
#include <unistd.h>

#include "dialogs/DialogResources.h"
#include "registration/Messages.h"
#include "registration/TreeFixture.h"
#include "support/OtherUser.h"

namespace {

using namespace registration;
using Names = std::vector<CString>;

struct TreeEntry : TreeFixture {
  TreeEntry() {
    driver.OnDialog(drawreg::IDD_MULTI_FOLDER_SETTING, [this](afx::DialogSession& s) {
      nodes = s.TreeNodes(drawreg::IDC_FOLDER_TREE);
      rows = s.RowCount(drawreg::IDC_SHEET);
      if (during) during();
      if (confirm) s.PressOK();
    });
  }
  int Register(const Names& items) {
    CStringArray paths;
    for (const CString& item : items)
      paths.Add(Src() + "/" + item);
    return manager.EntryFiles(Src(), paths, Folder(), &draft, nullptr);
  }
  std::string InfoOf(const char* folder) {
    return ReadBytes(Root(CString(folder) + "/FOLDERINF.$$$"));
  }
  bool There(const char* relative) { return access(Root(relative).GetString(), F_OK) == 0; }

  std::vector<afx::TreeNodeShown> nodes;
  int rows = -1;
  std::function<void()> during;
};

TEST_F(TreeEntry, MissingNestedFoldersAreMadeLockedAndEachListsItsNewRecords) {
  Source("P/D0PL001Z.dwg", "one");
  Source("P/Q/D0PL002Z.dwg", "two");
  Source("P/Q/D0PL003Z.dwg", "three");
  Source("P/Q/R/D0PL004Z.dwg", "four");
  Source("other/D0PL009Z.dwg");  // not selected
  reg.MakeDir("root/F/P");       // on disk, but made after the tree was loaded
  ASSERT_EQ(nullptr, manager.FindFolder(Root("F/P")));
  bool p_held = false;
  bool q_there = true;
  during = [&] {
    p_held = !LockableElsewhere(Root("F/P"));
    q_there = There("F/P/Q");
  };
  ASSERT_EQ(1, Register({"P"}));
  EXPECT_TRUE(p_held);    // found and locked before the dialog
  EXPECT_FALSE(q_there);  // made only after it
  std::vector<Names> shown;
  for (const afx::TreeNodeShown& node : nodes)
    shown.push_back(node.path);
  EXPECT_EQ((std::vector<Names>{{"P"}, {"P", "Q"}, {"P", "Q", "R"}}), shown);
  EXPECT_EQ(1, rows);  // the grid starts on P, with its one file
  EXPECT_EQ("D0PL001Z.dwg\tD\t0\t0\t1\tPL\t001\tZ\t\r\n", InfoOf("F/P"));
  EXPECT_EQ("D0PL002Z.dwg\tD\t0\t0\t1\tPL\t002\tZ\t\r\nD0PL003Z.dwg\tD\t0\t0\t1\tPL\t003\tZ\t\r\n",
            InfoOf("F/P/Q"));
  EXPECT_EQ("D0PL004Z.dwg\tD\t0\t0\t1\tPL\t004\tZ\t\r\n", InfoOf("F/P/Q/R"));
  EXPECT_EQ("three", ReadBytes(Root("F/P/Q/D0PL003Z.dwg")));
  EXPECT_FALSE(There("F/other"));
  EXPECT_TRUE(Messages().empty());
  CDrawingFolder* q = manager.FindFolder(Root("F/P/Q"));
  ASSERT_NE(nullptr, q);
  EXPECT_EQ(2, q->GetFileCount());
  EXPECT_EQ(1, q->GetFolderCount());
  for (const char* folder : {"F/P", "F/P/Q", "F/P/Q/R"})
    EXPECT_TRUE(LockableElsewhere(Root(folder))) << folder;
}

TEST_F(TreeEntry, CompanionsTravelWithTheirDrawingAndALockHeldBeforeStaysHeld) {
  Source("S/D0PL005Z.SFC", "'$$RASTER$$R1.TIF' 'R2.JPG'");
  Source("S/D0PL005Z.SAF", "attributes");
  Source("S/R1.TIF", "raster 1");
  Source("S/R2.JPG", "raster 2");
  Source("D0PL001Z.dwg", "top");
  reg.MakeDir("root/F/S");
  manager.LoadFolders();
  CDrawingFolder* s = manager.FindFolder(Root("F/S"));
  ASSERT_TRUE(s);
  ASSERT_EQ(1, F()->LockFolder(reg.env));
  ASSERT_EQ(1, s->LockFolder(reg.env));
  ASSERT_EQ(1, Register({"S", "D0PL001Z.dwg"}));
  ASSERT_EQ(2u, nodes.size());  // F itself, and S below it: the companions have no rows
  EXPECT_EQ((Names{"F", "S"}), nodes[1].path);
  EXPECT_EQ("D0PL005Z.SFC\tD\t0\t0\t1\tPL\t005\tZ\t\r\n", InfoOf("F/S"));
  EXPECT_EQ("attributes", ReadBytes(Root("F/S/D0PL005Z.SAF")));
  EXPECT_EQ("raster 1", ReadBytes(Root("F/S/R1.TIF")));
  EXPECT_EQ("raster 2", ReadBytes(Root("F/S/R2.JPG")));
  EXPECT_TRUE(F()->IsLockFolder());
  EXPECT_EQ(1, F()->GetFileCount());  // saved through the lock held before
  EXPECT_EQ("D0PL001Z.dwg\tD\t0\t0\t1\tPL\t001\tZ\t\r\n", InfoOf("F"));
  EXPECT_FALSE(LockableElsewhere(Folder()));
  // The sub-folder keeps its object through the rebuild of the tree below F, and its lock.
  EXPECT_EQ(s, manager.FindFolder(Root("F/S")));
  EXPECT_TRUE(s->IsLockFolder());
  EXPECT_FALSE(LockableElsewhere(Root("F/S")));
}

TEST_F(TreeEntry, NoAtALockRetryLeavesEveryFolderTheCallLockedUnlocked) {
  reg.MakeDir("root/F/A");
  reg.MakeDir("root/F/B");
  manager.LoadFolders();
  Source("A/D0PL001Z.dwg");
  Source("B/D0PL002Z.dwg");
  OtherUser other(reg.env, Root("F/B"));
  ASSERT_TRUE(other.Locked());
  answer = IDNO;
  EXPECT_EQ(0, Register({"A", "B"}));
  EXPECT_EQ(Names{CString(kLockedByOther)}, Messages());
  EXPECT_EQ(0, driver.DialogsShown());
  EXPECT_TRUE(LockableElsewhere(Root("F/A")));
  EXPECT_FALSE(There("F/A/D0PL001Z.dwg"));
}

TEST_F(TreeEntry, RefusalsAndACopyFailureWriteNoRecords) {
  reg.MakeDir("root/F/E");
  manager.LoadFolders();
  Source("E/D0PL001Z.dwg");
  Source("E/N/D0PL002Z.P21", "'MISSING.TIF'");  // a raster that is not there
  // Not a source folder, not a register folder, not inside the source.
  EXPECT_EQ(0, manager.EntryFiles(reg.Path("none"), {}, Folder(), &draft, nullptr));
  EXPECT_EQ(0, manager.EntryFiles(Src(), {}, Root("none"), &draft, nullptr));
  CStringArray outside;
  outside.Add(Src() + "/../root");
  EXPECT_EQ(0, manager.EntryFiles(Src(), outside, Folder(), &draft, nullptr));
  EXPECT_EQ((Names{CString(kNoSourceFolder), CString(kNoFolder),
                   CString("[ ") + Src() + CString(u8"/../root ]が存在しません。")}),
            Messages());
  EXPECT_EQ(CString(kSettingCaption), driver.MessageBoxes()[0].caption);
  // A cancelled dialog copies nothing.
  confirm = false;
  EXPECT_EQ(0, Register({"E"}));
  EXPECT_FALSE(There("F/E/D0PL001Z.dwg"));
  EXPECT_FALSE(There("F/E/N"));
  // The raster cannot be copied: nothing appears, no record is written anywhere.
  confirm = true;
  EXPECT_EQ(0, Register({"E"}));
  EXPECT_EQ(CString(kCopyFailed), Messages().back());
  EXPECT_EQ("", InfoOf("F/E"));
  EXPECT_FALSE(There("F/E/D0PL001Z.dwg"));
  EXPECT_FALSE(There("F/E/N/D0PL002Z.P21"));
  EXPECT_EQ("", InfoOf("F/E/N"));  // made and locked on the way, never given records
  EXPECT_TRUE(LockableElsewhere(Root("F/E")));
}

}  // namespace

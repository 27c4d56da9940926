// The manager's folder tree and its lookups by full path.
#include <gtest/gtest.h>

#include "register/CDrawingManager.h"
#include "support/Register.h"

namespace {

struct ManagerFixture : ::testing::Test {
  ManagerFixture() {
    reg.MakeDir("A/B/C");
    reg.MakeDir("Z");
    reg.MakeFile("top.dwg");
    manager.SetEnvObj(reg.env);
  }
  TestRegister reg;
  CDrawingManager manager;
};

TEST_F(ManagerFixture, LoadsTheTreeOfFoldersOnly) {
  EXPECT_EQ(reg.dir.Path(), CDrawingManager::GetRootPath(reg.env));
  ASSERT_EQ(1, manager.LoadFolders());
  ASSERT_EQ(2, manager.GetFolderCount());
  CDrawingFolder* a = manager.FindFolder(reg.Path("A"));
  ASSERT_NE(nullptr, a);
  EXPECT_EQ(nullptr, a->GetParentFolder());
  EXPECT_EQ(reg.Path("A"), a->GetFolderPath(reg.env));
  EXPECT_EQ(0, a->GetFileCount());
  ASSERT_EQ(1, manager.LoadFolders());  // again: the same tree
  EXPECT_EQ(2, manager.GetFolderCount());
  EXPECT_EQ(0, manager.RemoveFolder(2));
  EXPECT_EQ(1, manager.RemoveFolder(0));
  EXPECT_EQ(1, manager.GetFolderCount());
}

TEST_F(ManagerFixture, FindFolderResolvesOnlyPathsBelowTheRoot) {
  manager.LoadFolders();
  const CString root = reg.dir.Path();
  EXPECT_EQ(nullptr, manager.FindFolder(root));
  EXPECT_EQ(nullptr, manager.FindFolder(root + "/"));
  EXPECT_EQ(nullptr, manager.FindFolder(root + "A"));  // no separator after the root
  EXPECT_EQ(nullptr, manager.FindFolder("/elsewhere/A"));
  EXPECT_EQ(nullptr, manager.FindFolder(root + "/A/X"));
  const CDrawingFolder* b = manager.FindFolder(root + "/a/b");
  ASSERT_NE(nullptr, b);
  EXPECT_EQ(CString("B"), b->Name());
  CString upper_root = root;
  upper_root.MakeUpper();
  EXPECT_EQ(b, manager.FindFolder(upper_root + "/A/B"));
  EXPECT_EQ(CString("C"), manager.FindFolder(root + "/A/B/C")->Name());
}

TEST_F(ManagerFixture, FindFileSeesOnlyLoadedRecords) {
  reg.MakeFile("A/x.dwg");
  manager.LoadFolders();
  CDrawingFolder* a = manager.FindFolder(reg.Path("A"));
  ASSERT_NE(nullptr, a);
  a->AddFile(TestRegister::Record("x.dwg"));
  ASSERT_EQ(1, a->SaveFiles(reg.env));
  a->DeleteFileALL();
  EXPECT_EQ(nullptr, manager.FindFile(reg.Path("A/x.dwg")));
  ASSERT_EQ(1, a->LoadFiles(reg.env, 0));
  const CDrawingFile* found = manager.FindFile(reg.Path("A/x.dwg"));
  ASSERT_NE(nullptr, found);
  EXPECT_EQ(found, manager.FindFile(reg.Path("A/X.DWG")));
  EXPECT_EQ(nullptr, manager.FindFile(reg.Path("A/B/x.dwg")));
}

TEST(DrawingManagerRoot, EmptyOrMissingRootGivesNoFolders) {
  TestRegister reg;
  reg.MakeFile("only-a-file.dwg");
  CDrawingManager manager;
  manager.SetEnvObj(reg.env);
  EXPECT_EQ(1, manager.LoadFolders());
  EXPECT_EQ(0, manager.GetFolderCount());
  CEnvironObj missing;
  missing.SetPath(CEnvironObj::kDrawingRoot, reg.Path("missing"));
  manager.SetEnvObj(missing);
  EXPECT_EQ(1, manager.LoadFolders());
  EXPECT_EQ(0, manager.GetFolderCount());
  CDrawingFolder added;
  added.Name("New");
  CDrawingFolder* top = manager.AddFolder(added);
  EXPECT_EQ(top, manager.FindFolder(reg.Path("missing/new")));
}

}  // namespace

// The folder tree and the folder information file on a real disk.
#include <gtest/gtest.h>

#include <algorithm>

#include "register/CDrawingFolder.h"
#include "support/Register.h"

namespace {

// A top-level folder "A" of the test register, with its directory made.
struct FolderFixture : ::testing::Test {
  FolderFixture() {
    reg.MakeDir("A");
    folder.Name("A");
  }
  std::string InfoBytes() { return ReadBytes(reg.Path("A/FOLDERINF.$$$")); }

  TestRegister reg;
  CDrawingFolder folder;
};

TEST_F(FolderFixture, SavesOneCrLfLineARecordInListOrder) {
  reg.MakeFile(CString("A/") + u8"表.P21");
  CDrawingFile first = TestRegister::Record(CString(u8"表.P21"));
  first.Life("D");
  first.SetTypeInfo({0, 1, "PL"});
  folder.AddFile(first);
  folder.AddFile(TestRegister::Record("b.dwg"));
  ASSERT_EQ(1, folder.SaveFiles(reg.env));
  EXPECT_EQ(std::string("\x95\x5C.P21\tD\t0\t0\t1\tPL\t001\t0\t\r\n") +
                "b.dwg\tS\t0\t-1\t-1\t\t001\t0\t\r\n",
            InfoBytes());
  EXPECT_FALSE(folder.IsLockFolder());
  folder.DeleteFileALL();
  ASSERT_EQ(1, folder.SaveFiles(reg.env));
  EXPECT_EQ("", InfoBytes());  // no files: an empty file
}

TEST_F(FolderFixture, LoadSkipsUnparsableMissingDirectoryAndEscapingRecords) {
  reg.MakeFile("A/b.dwg");
  reg.MakeFile("A/c.P21");
  reg.MakeDir("A/dir.dwg");
  reg.MakeFile("outside.dwg");
  const std::string good_b = "b.dwg\tD\t1\t0\t2\tPF\t002\t1\t";
  WriteBytes(reg.Path("A/FOLDERINF.$$$"),
             "a.dwg\tS\t0\t-1\t-1\t\t001\t0\t\r\n" + good_b + "\r\n" +
                 "\r\n"                                        // empty line
                 "c.P21\tS\t0\t-1\t-1\t\t001\t0\r\n"           // seven TABs
                 "dir.dwg\tS\t0\t-1\t-1\t\t001\t0\t\r\n"       // a directory
                 "../outside.dwg\tS\t0\t-1\t-1\t\t001\t0\t\n"  // leads out of the folder
                 ".\tS\t0\t-1\t-1\t\t001\t0\t\n"
                 "..\tS\t0\t-1\t-1\t\t001\t0\t\n"
                 "FOLDERINF.$$$\tS\t0\t-1\t-1\t\t001\t0\t\n" +
                 std::string("b.dwg\0/x\tS\t0\t-1\t-1\t\t001\t0\t\n", 27) +
                 "b.dwg\tC\t2\t-1\t-1\t\t003\t2\t");  // a duplicate, no final line end
  ASSERT_EQ(1, folder.LoadFiles(reg.env, 0));
  ASSERT_EQ(2, folder.GetFileCount());
  EXPECT_EQ(good_b, folder.GetFile(0)->ToString().Bytes());
  EXPECT_EQ(CString("C"), folder.GetFile(1)->Life());
  EXPECT_EQ(0, folder.FindFile("B.DWG", 1));  // the first of two equal names
  EXPECT_EQ(&folder, folder.GetFile(0)->GetParentFolder());
  EXPECT_FALSE(folder.IsLockFolder());
  ASSERT_EQ(1, folder.SaveFiles(reg.env));
  EXPECT_EQ(good_b + "\r\nb.dwg\tC\t2\t-1\t-1\t\t003\t2\t\r\n", InfoBytes());
}

TEST_F(FolderFixture, DamagedInformationFilesNeverCrashAndKeepGoodLines) {
  reg.MakeFile("A/ok.dwg");
  const std::string good = "ok.dwg\tS\t0\t-1\t-1\t\t001\t0\t";
  std::string garbage;
  for (int i = 0; i < 4096; ++i)
    garbage += static_cast<char>((i * 131) & 0xFF);
  const std::string megabyte_line(1 << 20, '\t');
  WriteBytes(reg.Path("A/FOLDERINF.$$$"),
             garbage + "\n" + good + "\r\n" + megabyte_line + "\n\x81");
  ASSERT_EQ(1, folder.LoadFiles(reg.env, 0));
  ASSERT_GE(folder.GetFileCount(), 1);
  EXPECT_EQ(1, folder.FindFile("ok.dwg", 1) >= 0 ? 1 : 0);
  for (int i = 0; i < folder.GetFileCount(); ++i) {
    EXPECT_EQ(CString("ok.dwg"), folder.GetFile(i)->Name(1));
  }
}

TEST_F(FolderFixture, MissingInformationFileIsCreatedFromTheListInMemory) {
  ASSERT_EQ(1, folder.LoadFiles(reg.env, 0));
  EXPECT_EQ(0, folder.GetFileCount());
  EXPECT_EQ("", InfoBytes());
  EXPECT_EQ(afx::PathKind::file, afx::GetPathKind(reg.Path("A/FOLDERINF.$$$")));

  afx::RemoveFile(reg.Path("A/FOLDERINF.$$$"));
  reg.MakeFile("A/x.dwg");
  folder.AddFile(TestRegister::Record("x.dwg"));
  folder.AddFile(TestRegister::Record("gone.dwg"));
  ASSERT_EQ(1, folder.LoadFiles(reg.env, 1));  // written first, then read back
  EXPECT_TRUE(folder.IsLockFolder());
  ASSERT_EQ(1, folder.GetFileCount());
  EXPECT_EQ(CString("x.dwg"), folder.GetFile(0)->Name(1));
}

TEST_F(FolderFixture, SavingALockedFolderRewritesTheHeldFileFromItsStart) {
  for (const char* n : {"a.dwg", "b.dwg", "c.dwg"}) {
    reg.MakeFile(CString("A/") + n);
    folder.AddFile(TestRegister::Record(n));
  }
  ASSERT_EQ(1, folder.LockFolder(reg.env));
  ASSERT_EQ(1, folder.SaveFiles(reg.env));
  const std::string three = InfoBytes();
  EXPECT_EQ(3, std::count(three.begin(), three.end(), '\n'));
  folder.RemoveFile(0);
  folder.RemoveFile(0);
  ASSERT_EQ(1, folder.SaveFiles(reg.env));
  EXPECT_TRUE(folder.IsLockFolder());
  EXPECT_EQ("c.dwg\tS\t0\t-1\t-1\t\t001\t0\t\r\n", InfoBytes());
  ASSERT_EQ(1, folder.LoadFiles(reg.env, 0));  // through the held file
  EXPECT_TRUE(folder.IsLockFolder());
  EXPECT_EQ(1, folder.GetFileCount());
}

TEST_F(FolderFixture, CopiesAreDeepAndNeverHoldALock) {
  reg.MakeFile("A/a.dwg");
  folder.AddFile(TestRegister::Record("a.dwg"));
  CDrawingFolder sub;
  sub.Name("S");
  folder.AddFolder(sub)->AddFolder(sub);
  ASSERT_EQ(1, folder.LockFolder(reg.env));
  {
    CDrawingFolder* copy = folder.Clone();
    EXPECT_FALSE(copy->IsLockFolder());
    EXPECT_EQ(nullptr, copy->GetParentFolder());
    ASSERT_EQ(1, copy->GetFolderCount());
    EXPECT_EQ(copy, copy->GetFolder(0)->GetParentFolder());
    EXPECT_EQ(copy->GetFolder(0), copy->GetFolder(0)->GetFolder(0)->GetParentFolder());
    EXPECT_EQ(copy, copy->GetFile(0)->GetParentFolder());
    EXPECT_NE(folder.GetFile(0), copy->GetFile(0));
    EXPECT_EQ(0, copy->LockFolder(reg.env));  // the original still holds the file
    delete copy;
  }
  EXPECT_TRUE(folder.IsLockFolder());
  CDrawingFolder other;
  EXPECT_EQ(0, other.RemoveFolder(-1));
  EXPECT_EQ(0, folder.RemoveFolder(1));
  EXPECT_EQ(1, folder.RemoveFolder(0));
  EXPECT_EQ(0, folder.GetFolderCount());
}

TEST_F(FolderFixture, FilePathsAndLookupsByBothNames) {
  CDrawingFile rec = TestRegister::Record("A.DWG");
  rec.SetTypeInfo({0, 1, "PL"});
  EXPECT_EQ(CString("S0PL0010.DWG"), rec.GetFilePath(reg.env, 0));  // no parent: the name alone
  CDrawingFile* added = folder.AddFile(rec);
  EXPECT_EQ(reg.Path("A/A.DWG"), added->GetFilePath(reg.env, 1));
  EXPECT_EQ(reg.Path("A/S0PL0010.DWG"), added->GetFilePath(reg.env, 0));
  EXPECT_EQ(0, folder.FindFile("a.dwg", 1));
  EXPECT_EQ(0, folder.FindFile("s0pl0010.dwg", 0));
  EXPECT_EQ(-1, folder.FindFile("a.dwg", 0));
}

TEST(DrawingFolderTree, LoadSubFoldersReadsTheWholeTreeButNoFiles) {
  TestRegister reg;
  reg.MakeDir("A/B/C");
  reg.MakeDir("A/B2");
  reg.MakeDir(CString("A/") + u8"図面");
  reg.MakeFile("A/B/file.dwg");
  CDrawingFolder a;
  a.Name("A");
  a.AddFile(TestRegister::Record("stale"));
  ASSERT_EQ(1, a.LoadSubFolders(reg.env, reg.Path("A")));
  EXPECT_EQ(0, a.GetFileCount());
  ASSERT_EQ(3, a.GetFolderCount());
  const int b = a.FindFolder("b");
  ASSERT_GE(b, 0);
  const CDrawingFolder* folder_b = a.GetFolder(b);
  EXPECT_EQ(&a, folder_b->GetParentFolder());
  ASSERT_EQ(1, folder_b->GetFolderCount());
  EXPECT_EQ(CString("C"), folder_b->GetFolder(0)->Name());
  EXPECT_EQ(folder_b, folder_b->GetFolder(0)->GetParentFolder());
  EXPECT_EQ(reg.Path("A/B/C"), folder_b->GetFolder(0)->GetFolderPath(reg.env));
  EXPECT_GE(a.FindFolder(CString(u8"図面")), 0);
  CDrawingFolder leaf;
  ASSERT_EQ(1, leaf.LoadSubFolders(reg.env, reg.Path("A/B/C")));
  EXPECT_EQ(0, leaf.GetFolderCount());
}

}  // namespace

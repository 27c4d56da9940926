// Registering one file end to end, through the in-memory presenter, on a real disk.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "dialogs/DialogResources.h"
#include "framework/ui/MemoryPresenter.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "hostlibs/stddraft/SelZumenType.h"
#include "register/CDrawingManager.h"
#include "registration/Companions.h"
#include "registration/DrawingEntryFileInfo.h"
#include "registration/EntryFixture.h"
#include "support/Register.h"

namespace {

using namespace drawreg;

TEST_F(EntryFixture, NameFollowingTheRuleFillsTheFieldsEvenInLowerCase) {
  reg.MakeFile("src/sapl001b.p21", "ISO-10303-21;");
  ASSERT_EQ(1, Entry("sapl001b.p21"));
  EXPECT_EQ(CString("SAPL001B.p21"), preview);
  EXPECT_EQ("sapl001b.p21\tS\tA\t0\t1\tPL\t001\tB\t\r\n", Info());
  EXPECT_EQ("ISO-10303-21;", ReadBytes(reg.Path("root/F/sapl001b.p21")));
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(F()->IsLockFolder());
  // An unknown type code, or a base name not 8 long, gives the source name only.
  for (const char* name : {"SAXX001B.P21", "SAPL001.P21", "SAPL0001B.P21"}) {
    CDrawingFile record;
    CDrawingManager::SetInfoFromFileName(name, record, reg.env, &draft);
    EXPECT_EQ(CString(name), record.Name(1));
    EXPECT_EQ(CString("S0??0010") + record.Name(1).Mid(record.Name(1).ReverseFind('.')),
              record.Name(0));
  }
}

TEST_F(EntryFixture, ReRegisteringAsksOnceAndUpdatesTheSameRecord) {
  reg.MakeFile("src/a.dwg", "one");
  DrawingEntryFileInfo info;
  info.path = reg.Path("src/a.dwg");
  info.fieldNo = 0;
  info.no = 4;
  info.code = "ST";
  info.life = "C";
  info.page = "12";
  ASSERT_EQ(1, manager.EntryFile(info, Folder(), &draft, nullptr));
  CDrawingFile* first = manager.FindFile(reg.Path("root/F/a.dwg"));
  ASSERT_NE(nullptr, first);
  EXPECT_EQ(CString("C0ST0120.dwg"), first->Name(0));
  reg.MakeFile("src/a.dwg", "two");
  ASSERT_EQ(1, Entry("a.dwg"));  // the path form: the registered fields come first
  EXPECT_EQ(CString("C0ST0120.dwg"), preview);
  EXPECT_EQ(std::vector<CString>{CString(
                u8"登録先に名称の一致するファイルが既に存在します。\n上書き登録しますか？")},
            Messages());
  EXPECT_EQ(CString(u8"ファイルの上書き確認"), driver.MessageBoxes()[0].caption);
  EXPECT_EQ(MB_YESNO | MB_ICONEXCLAMATION, driver.MessageBoxes()[0].type);
  EXPECT_EQ(1, F()->GetFileCount());
  // The registration reloads the folder first, so the record it updates is the reloaded one:
  // updated in place, not joined by a second.
  const CDrawingFile* updated = manager.FindFile(reg.Path("root/F/a.dwg"));
  ASSERT_NE(nullptr, updated);
  EXPECT_EQ(F()->GetFile(0), updated);
  EXPECT_EQ(CString("C0ST0120.dwg"), updated->Name(0));
  EXPECT_EQ("two", ReadBytes(reg.Path("root/F/a.dwg")));
  // No to the question: nothing happens.
  answer = IDNO;
  reg.MakeFile("src/a.dwg", "three");
  EXPECT_EQ(0, Entry("a.dwg"));
  EXPECT_EQ("two", ReadBytes(reg.Path("root/F/a.dwg")));
}

TEST_F(EntryFixture, FileOnDiskButNotRegisteredIsAskedAboutAndGetsANewRecord) {
  reg.MakeFile("root/F/b.dwg", "old");
  reg.MakeFile("src/b.dwg", "new");
  ASSERT_EQ(1, Entry("b.dwg"));
  EXPECT_EQ(1u, Messages().size());
  ASSERT_EQ(1, F()->GetFileCount());
  EXPECT_EQ("new", ReadBytes(reg.Path("root/F/b.dwg")));
}

TEST_F(EntryFixture, CancellingChangesNothingButTheEmptyFileTheLockMade) {
  reg.MakeFile("src/c.dwg");
  confirm = false;
  EXPECT_EQ(0, Entry("c.dwg"));
  EXPECT_EQ("", Info());
  EXPECT_EQ(afx::PathKind::missing, afx::GetPathKind(reg.Path("root/F/c.dwg")));
  EXPECT_FALSE(F()->IsLockFolder());
  // A folder the caller had locked stays locked, whatever the outcome.
  ASSERT_EQ(1, F()->LockFolder(reg.env));
  confirm = true;
  EXPECT_EQ(1, Entry("c.dwg"));
  EXPECT_TRUE(F()->IsLockFolder());
}

TEST_F(EntryFixture, CompanionsTravelSafFirstThenRastersThenTheDrawing) {
  reg.MakeFile("src/X.P21", "'$$RASTER$$b.tif' 'a.JPG' 'b.tif' 'notes.txt'");
  reg.MakeFile("src/x.saf", "attributes");
  reg.MakeFile("src/b.tif", "B");
  reg.MakeFile("src/a.jpg", "A");
  const CStringArray names = registration::CompanionFiles(reg.env, reg.Path("src/X.P21"));
  ASSERT_EQ(3, names.GetSize());
  EXPECT_EQ(CString("x.saf"), names[0]);  // found whatever its letter case
  EXPECT_EQ(CString("b.tif"), names[1]);
  EXPECT_EQ(CString("a.jpg"), names[2]);
  ASSERT_EQ(1, Entry("X.P21"));
  EXPECT_EQ("attributes", ReadBytes(reg.Path("root/F/x.saf")));
  EXPECT_EQ("A", ReadBytes(reg.Path("root/F/a.jpg")));
  // Another extension travels alone.
  reg.MakeFile("src/plan.dwg", "'b.tif'");
  EXPECT_EQ(0, registration::CompanionFiles(reg.env, reg.Path("src/plan.dwg")).GetSize());
}

TEST_F(EntryFixture, CopyFailureAfterCompanionsLeavesTheInformationFileUnwritten) {
  reg.MakeFile("src/Y.SFC", "'here.tif' 'missing.tif'");
  reg.MakeFile("src/here.tif", "H");
  ASSERT_EQ(1, F()->SaveFiles(reg.env));
  EXPECT_EQ(0, Entry("Y.SFC"));
  EXPECT_EQ(std::vector<CString>{CString(u8"ファイルのコピーに失敗しました。")}, Messages());
  EXPECT_EQ(MB_OK | MB_ICONHAND, driver.MessageBoxes()[0].type);
  EXPECT_EQ("H", ReadBytes(reg.Path("root/F/here.tif")));  // copied before the failure: stays
  EXPECT_EQ(afx::PathKind::missing, afx::GetPathKind(reg.Path("root/F/Y.SFC")));
  EXPECT_EQ("", Info());
  EXPECT_FALSE(F()->IsLockFolder());
}

TEST_F(EntryFixture, ReferencesNeverLeadOutOfTheSourceOrDestinationFolder) {
  reg.MakeDir("outside");
  reg.MakeFile("x.tif", "OUTSIDE");  // two levels above the source folder's files
  reg.MakeFile("src/Z.P21", "'../../x.tif' '/etc/passwd' 'C:\\x\\y.tif' '../outside/../x.tif'");
  reg.MakeFile("src/y.tif", "Y");
  EXPECT_EQ(0, Entry("Z.P21"));  // x.tif is not in the source folder: the copy fails
  EXPECT_EQ(afx::PathKind::missing, afx::GetPathKind(reg.Path("root/F/x.tif")));
  EXPECT_EQ("OUTSIDE", ReadBytes(reg.Path("x.tif")));
  reg.MakeFile("src/x.tif", "INSIDE");
  driver.OnMessageBox([](const afx::MessageBoxRequest&) { return IDYES; });
  ASSERT_EQ(1, Entry("Z.P21"));
  EXPECT_EQ("INSIDE", ReadBytes(reg.Path("root/F/x.tif")));
  EXPECT_EQ("Y", ReadBytes(reg.Path("root/F/y.tif")));
  EXPECT_EQ(afx::PathKind::missing, afx::GetPathKind(reg.Path("root/F/passwd")));
  EXPECT_EQ("OUTSIDE", ReadBytes(reg.Path("x.tif")));
}

TEST_F(EntryFixture, RefusalsShowTheirMessages) {
  reg.MakeFile("src/d.dwg");
  EXPECT_EQ(0, manager.EntryFile(reg.Path("src/d.dwg"), reg.Path("root/nowhere"), &draft, nullptr));
  EXPECT_EQ(0, manager.EntryFile(reg.Path("src/"), Folder(), &draft, nullptr));  // no file name
  reg.MakeDir("root/F/d.dwg");
  manager.LoadFolders();
  EXPECT_EQ(0, Entry("d.dwg"));
  EXPECT_EQ((std::vector<CString>{CString(u8"登録先のフォルダが存在しません。"),
                                  CString(u8"ファイル名称と一致するフォルダが存在します。")}),
            Messages());
  for (const auto& m : driver.MessageBoxes()) {
    EXPECT_EQ(CString(u8"ファイル登録エラー"), m.caption);
    EXPECT_EQ(MB_OK | MB_ICONHAND, m.type);
  }
}

TEST_F(EntryFixture, LockedByAnotherProcessAsksToRetryUntilItIsFree) {
  reg.MakeFile("src/e.dwg");
  int to_child[2];
  int to_parent[2];
  ASSERT_EQ(0, pipe(to_child));
  ASSERT_EQ(0, pipe(to_parent));
  const pid_t child = fork();
  if (child == 0) {
    // Each side keeps only its own ends: if the other dies, a read sees the end instead of
    // waiting for ever.
    close(to_child[1]);
    close(to_parent[0]);
    CDrawingFolder other;
    other.Name("F");
    if (!other.LockFolder(reg.env)) _exit(1);
    char c;
    if (write(to_parent[1], "L", 1) != 1 || read(to_child[0], &c, 1) != 1) _exit(2);
    _exit(0);  // leaving releases the lock
  }
  close(to_child[0]);
  close(to_parent[1]);
  char c;
  ASSERT_EQ(1, read(to_parent[0], &c, 1));
  int asked = 0;
  driver.OnMessageBox([&](const afx::MessageBoxRequest& r) {
    EXPECT_EQ(CString(u8"編集ロックエラー"), r.caption);
    EXPECT_EQ(CString(u8"現在、他のユーザーが編集中です。再試行しますか？"), r.text);
    if (++asked == 1) return IDNO;
    if (asked == 2) {
      EXPECT_EQ(1, write(to_child[1], "U", 1));
      waitpid(child, nullptr, 0);
    }
    return IDYES;
  });
  EXPECT_EQ(0, Entry("e.dwg"));  // No: given up, nothing touched
  EXPECT_EQ(1, Entry("e.dwg"));  // Yes after the other user finished
  EXPECT_EQ(2, asked);
  close(to_child[1]);
  close(to_parent[0]);
}

}  // namespace

// The steps of a folder tree registration on their own: collecting the source files, the lock
// set over the destination folders, and writing each folder once.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "register/CDrawingManager.h"
#include "registration/CDrawingLockFolders.h"
#include "registration/Messages.h"
#include "registration/TreeFixture.h"

namespace {

using namespace registration;
using Names = std::vector<CString>;

TEST_F(TreeFixture, CollectingWalksDepthFirstInNameOrderOnceThroughLinksAndRefusesWhatIsNoFile) {
  Source("b/x.dwg");
  Source("a.dwg");
  Source("c/d/y.dwg");
  Source("B.dwg");
  Source("FOLDERINF.$$$", "");
  Source("c/FOLDERINF.$$$.journal", "");
  ASSERT_EQ(0, symlink("..", (Src() + "/c/d/up").GetString()));  // a loop
  ASSERT_EQ(0, symlink("b", (Src() + "/e").GetString()));        // met before
  CString error;
  EXPECT_EQ((Names{"B.dwg", "a.dwg", "b/x.dwg", "c/d/y.dwg"}), Collected(Src(), error));
  // Named twice (the file, then its folder), collected once.
  TVector<DrawingTreeFileInfo> entries;
  EntryFileCollector twice(reg.env, entries);
  EXPECT_EQ(1, twice.Collect(Src() + "/b/x.dwg", error));
  EXPECT_EQ(1, twice.Collect(Src() + "/b", error));
  EXPECT_EQ(1, entries.GetCnt());

  EXPECT_TRUE(Collected(Src() + "/none", error).empty());
  EXPECT_EQ(CString("[ ") + Src() + CString(u8"/none ]が存在しません。"), error);
  ASSERT_EQ(0, mkfifo((Src() + "/c/pipe").GetString(), 0600));
  EXPECT_TRUE(Collected(Src(), error).empty());  // at once, never waiting for a writer
  EXPECT_EQ(CString(kNotRegularFile), error);
  unlink((Src() + "/c/pipe").GetString());
  // A name code page 932 cannot hold, or one with a control character, is refused by name.
  for (const char* name : {"\xF0\x9F\x98\x80.dwg", "tab\there.dwg"}) {
    const std::string path = Src().GetString() + std::string("/b/") + name;
    std::ofstream(path) << "x";  // the system's own bytes, as another program names files
    EntryFileCollector collector(reg.env, entries);
    EXPECT_EQ(0, collector.Collect(Src(), error)) << name;
    EXPECT_EQ(CString(kBadName), error);
    EXPECT_EQ(afx::FileFault::badName, collector.GetLastProblem().fault);
    unlink(path.c_str());
  }
}

TEST_F(TreeFixture, TheLockSetLocksEachFolderOnceAndReleasesOnlyWhatItTook) {
  reg.MakeDir("root/F/A");
  reg.MakeDir("root/F/B");
  manager.LoadFolders();
  CDrawingFolder* a = manager.FindFolder(Root("F/A"));
  CDrawingFolder* b = manager.FindFolder(Root("F/B"));
  ASSERT_EQ(1, b->LockFolder(reg.env));  // this process holds B already
  TVector<DrawingTreeFileInfo> entries;
  for (const char* path : {"A/1.dwg", "A/2.dwg", "B/3.dwg", "N/M/4.dwg", "N/M/5.dwg"}) {
    DrawingTreeFileInfo entry;
    entry.srcPath = Src() + "/" + path;
    entries.Append(entry);
  }
  {
    CDrawingLockFolders locks(&manager, Src(), Folder());
    for (int i = 0; i < entries.GetCnt(); ++i)
      ASSERT_EQ(1, locks.LockEntryFolder(entries[i], nullptr));
    EXPECT_EQ(Root("F/A/2.dwg"), entries[1].dstPath);
    EXPECT_EQ(a, entries[1].folder);
    EXPECT_EQ(b, entries[2].folder);
    EXPECT_EQ(nullptr, entries[3].folder);
    ASSERT_EQ(1, locks.Folders().GetCnt());  // A alone: B was locked before
    EXPECT_FALSE(LockableElsewhere(Root("F/A")));
    // Two files for one new folder: it is made once, in the register and on disk, and locked.
    ASSERT_EQ(1,
              locks.CreateEntryFolder(entries[3], entries, manager.FindFolder(Folder()), nullptr));
    CDrawingFolder* m = manager.FindFolder(Root("F/N/M"));
    ASSERT_NE(nullptr, m);
    EXPECT_EQ(m, entries[3].folder);
    EXPECT_EQ(m, entries[4].folder);
    EXPECT_EQ(1, manager.FindFolder(Root("F/N"))->GetFolderCount());
    EXPECT_EQ(2, locks.Folders().GetCnt());
    EXPECT_TRUE(m->IsLockFolder());
    EXPECT_EQ(1, SaveEntryFolders(reg.env, entries));
  }
  EXPECT_FALSE(a->IsLockFolder());
  EXPECT_TRUE(b->IsLockFolder());
  EXPECT_TRUE(LockableElsewhere(Root("F/A")));
  EXPECT_TRUE(LockableElsewhere(Root("F/N/M")));
  TVector<DrawingTreeFileInfo> none;
  EXPECT_EQ(1, SaveEntryFolders(reg.env, none));
}

TEST_F(TreeFixture, AFolderIsNeverMadeThroughALinkPlantedAtTheDestination) {
  reg.MakeDir("elsewhere");
  ASSERT_EQ(0, symlink(reg.Path("elsewhere").GetString(), Root("F/N").GetString()));
  TVector<DrawingTreeFileInfo> entries;
  DrawingTreeFileInfo entry;
  entry.srcPath = Src() + "/N/M/x.dwg";
  entries.Append(entry);
  CDrawingLockFolders locks(&manager, Src(), Folder());
  ASSERT_EQ(1, locks.LockEntryFolder(entries[0], nullptr));
  EXPECT_EQ(0, locks.CreateEntryFolder(entries[0], entries, F(), nullptr));
  EXPECT_EQ(afx::FileFault::notRegular, locks.GetLastProblem().fault);
  EXPECT_EQ(Names{CString(kNotRegularFile)}, Messages());
  EXPECT_NE(0, access(reg.Path("elsewhere/M").GetString(), F_OK));
  EXPECT_EQ(0, locks.Folders().GetCnt());
}

}  // namespace

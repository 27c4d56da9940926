// A folder under hostile names and failing disks: nothing outside the register is written,
// a load that fails keeps nothing and lets nothing be saved, and each cause is told apart.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "framework/InPlaceRewrite.h"
#include "register/CDrawingFolder.h"
#include "register/CDrawingManager.h"
#include "support/Faults.h"
#include "support/Process.h"
#include "support/Register.h"

namespace {

class FolderFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    reg.MakeDir("A");
    folder.Name("A");
  }
  CString Info() const { return reg.Path("A/FOLDERINF.$$$"); }
  // A saved folder of n records whose files are there.
  void SaveRecords(int n) {
    for (int i = 0; i < n; ++i) {
      const CString name = CString("drawing-") + CString(std::to_string(i).c_str()) + ".dwg";
      reg.MakeFile(CString("A/") + name);
      folder.AddFile(TestRegister::Record(name));
    }
    ASSERT_EQ(1, folder.SaveFiles(reg.env));
  }

  TestRegister reg;
  CDrawingFolder folder;
};

TEST_F(FolderFaults, AnInformationFileThatIsNoPlainFileIsRefusedAndNothingBehindItWritten) {
  const CString outside = reg.MakeFile("outside.txt", "not the register's");
  folder.AddFile(TestRegister::Record("a.dwg"));
  const auto refused = [&](const char* what) {
    EXPECT_EQ(0, folder.LockFolder(reg.env)) << what;
    EXPECT_EQ(afx::FileFault::notRegular, folder.GetLastProblem().fault) << what;
    EXPECT_EQ(0, folder.SaveFiles(reg.env)) << what;
    EXPECT_EQ(0, folder.LoadFiles(reg.env, 0)) << what;
    EXPECT_EQ("not the register's", ReadBytes(outside)) << what;
  };
  ASSERT_EQ(0, symlink(outside.GetString(), Info().GetString()));
  refused("symbolic link");
  ASSERT_EQ(0, unlink(Info().GetString()));
  ASSERT_EQ(0, link(outside.GetString(), Info().GetString()));
  refused("hard link");
  ASSERT_EQ(0, unlink(Info().GetString()));
  ASSERT_EQ(0, mkfifo(Info().GetString(), 0600));
  refused("FIFO");  // at once: a FIFO is never waited on
  ASSERT_EQ(0, unlink(Info().GetString()));
  reg.MakeDir("A/FOLDERINF.$$$");
  refused("directory");
  CDrawingFolder root;
  root.LoadSubFolders(reg.env, reg.Path("A"));
  EXPECT_EQ(0, root.GetFolderCount());  // and that directory is no drawing folder
}

TEST_F(FolderFaults, AReadErrorPartWayFailsTheLoadAndNothingIsRewritten) {
  SaveRecords(3000);
  const std::string before = ReadBytes(Info());
  {
    faults::ReadFault fault("/A/FOLDERINF.$$$", before.size() / 2);
    EXPECT_EQ(0, folder.LoadFiles(reg.env, 1));
    EXPECT_EQ(afx::FileFault::readError, folder.GetLastProblem().fault);
    EXPECT_EQ(EIO, folder.GetLastProblem().osError);
    EXPECT_EQ(0, folder.GetFileCount());
  }
  folder.AddFile(TestRegister::Record("new.dwg"));
  EXPECT_EQ(0, folder.SaveFiles(reg.env));  // never half a list over the whole
  EXPECT_EQ(before, ReadBytes(Info()));
  ASSERT_EQ(1, folder.LoadFiles(reg.env, 0));
  EXPECT_EQ(3000, folder.GetFileCount());
}

TEST_F(FolderFaults, OnlyAFileCertainlyGoneLosesItsRecord) {
  SaveRecords(3);
  {
    faults::LookFault fault("/A/drawing-1.dwg", ESTALE);  // a network drive that lost track
    EXPECT_EQ(0, folder.LoadFiles(reg.env, 0));
    EXPECT_EQ(afx::FileFault::readError, folder.GetLastProblem().fault);
  }
  ASSERT_EQ(0, unlink(reg.Path("A/drawing-1.dwg").GetString()));
  ASSERT_EQ(1, folder.LoadFiles(reg.env, 0));
  ASSERT_EQ(2, folder.GetFileCount());
  EXPECT_EQ(CString("drawing-2.dwg"), folder.GetFile(1)->Name(1));
}

TEST_F(FolderFaults, LoadReadsAByteOrderMarkAndEveryLineEndAndNumbersTheLinesItCannotRead) {
  reg.MakeFile("A/a.dwg");
  reg.MakeFile("A/b.dwg");
  reg.MakeFile("A/c.dwg");
  const std::string record = "\tS\t0\t-1\t-1\t\t001\t0\t";
  WriteBytes(Info(),
             "\xEF\xBB\xBF"
             "a.dwg" +
                 record + "\r" + "not a record\n" + std::string(200000, 'x') + "\r\n" + "b.dwg" +
                 record + "\n" + "c.dwg" + record);
  ASSERT_EQ(1, folder.LoadFiles(reg.env, 0));
  ASSERT_EQ(3, folder.GetFileCount());
  EXPECT_EQ(CString("a.dwg"), folder.GetFile(0)->Name(1));
  EXPECT_EQ(CString("c.dwg"), folder.GetFile(2)->Name(1));
  EXPECT_EQ((std::vector<int>{2, 3}), folder.GetUnreadLines());
}

TEST_F(FolderFaults, ASaveThatCannotGrowTheFileLeavesItAsItWasWithoutAJournal) {
  SaveRecords(2);
  const std::string before = ReadBytes(Info());
  for (int i = 0; i < 300; ++i)
    folder.AddFile(TestRegister::Record("drawing-0.dwg"));
  const int status = InChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    if (!folder.LockFolder(reg.env)) return 9;
    const rlimit limit{4096, 4096};  // as on a disk with no room left
    setrlimit(RLIMIT_FSIZE, &limit);
    const int saved = folder.SaveFiles(reg.env);
    return saved * 10 + static_cast<int>(folder.GetLastProblem().fault);
  });
  EXPECT_EQ(static_cast<int>(afx::FileFault::writeError), status);
  EXPECT_EQ(before, ReadBytes(Info()));
  EXPECT_NE(0, access(afx::JournalPath(Info()).GetString(), F_OK));
}

TEST_F(FolderFaults, AWriteErrorMidRewriteIsUndone) {
  SaveRecords(50);
  const std::string before = ReadBytes(Info());
  folder.RemoveFile(10);
  folder.AddFile(TestRegister::Record("drawing-10.dwg"));
  {
    faults::WriteFaultOnce fault("/A/FOLDERINF.$$$", before.size() / 3);
    EXPECT_EQ(0, folder.SaveFiles(reg.env));
    EXPECT_EQ(afx::FileFault::writeError, folder.GetLastProblem().fault);
  }
  EXPECT_EQ(before, ReadBytes(Info()));
  EXPECT_NE(0, access(afx::JournalPath(Info()).GetString(), F_OK));
}

TEST_F(FolderFaults, TakingTheLockRemovesCopiesThatAKilledCopyLeft) {
  reg.MakeFile("A/.drawreg-copy-Ab12Cd", "half a drawing");
  reg.MakeFile("A/kept.dwg");
  ASSERT_EQ(1, folder.LockFolder(reg.env));
  EXPECT_NE(0, access(reg.Path("A/.drawreg-copy-Ab12Cd").GetString(), F_OK));
  EXPECT_EQ(0, access(reg.Path("A/kept.dwg").GetString(), F_OK));
}

TEST(FolderTree, LinksAreNoFoldersSoLoopsEndAndNothingOutsideIsReached) {
  TestRegister reg;
  reg.MakeDir("root/A/B");
  reg.MakeDir("elsewhere");
  const std::string root = reg.dir.path() + "/root";
  std::filesystem::create_directory_symlink(root, root + "/A/B/up");
  std::filesystem::create_directory_symlink(root + "/A", root + "/loop");
  std::filesystem::create_directory_symlink(reg.dir.path() + "/elsewhere", root + "/A/out");
  reg.env.SetPath(CEnvironObj::kDrawingRoot, CString(root.c_str()));
  CDrawingManager manager;
  manager.SetEnvObj(reg.env);
  ASSERT_EQ(1, manager.LoadFolders());
  ASSERT_EQ(1, manager.GetFolderCount());
  const CDrawingFolder* a = manager.GetFolder(0);
  ASSERT_EQ(1, a->GetFolderCount());
  EXPECT_EQ(CString("B"), a->GetFolder(0)->Name());
  EXPECT_EQ(0, a->GetFolder(0)->GetFolderCount());
  EXPECT_EQ(nullptr, manager.FindFolder(CString(root.c_str()) + "/A/out"));
}

TEST(FolderTree, ANameIsMatchedExactlyBeforeWithoutCase) {
  TestRegister reg;
  reg.MakeDir("root/Plan");
  reg.MakeDir("root/X");
  reg.MakeDir("root/x");
  const CString root = reg.Path("root");
  reg.env.SetPath(CEnvironObj::kDrawingRoot, root);
  CDrawingManager manager;
  manager.SetEnvObj(reg.env);
  manager.LoadFolders();
  EXPECT_EQ(CString("x"), manager.FindFolder(root + "/x")->Name());
  EXPECT_EQ(CString("X"), manager.FindFolder(root + "/X")->Name());
  EXPECT_EQ(CString("Plan"), manager.FindFolder(root + "/plan")->Name());
}

}  // namespace

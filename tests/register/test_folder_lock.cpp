// The folder edit lock between folder objects and between processes, and saving when the
// disk is full or the folder vanished.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "register/CDrawingFolder.h"
#include "support/Process.h"
#include "support/Register.h"

namespace {

struct LockFixture : ::testing::Test {
  LockFixture() {
    reg.MakeDir("A");
    reg.MakeFile("A/a.dwg");
    folder.Name("A");
  }
  TestRegister reg;
  CDrawingFolder folder;
};

TEST_F(LockFixture, LockIsNotCountedAndUnlockIsHarmless) {
  EXPECT_EQ(1, folder.UnLockFolder());
  EXPECT_EQ(1, folder.LockFolder(reg.env));
  EXPECT_EQ(1, folder.LockFolder(reg.env));
  EXPECT_EQ(1, folder.IsLockFolder());
  EXPECT_EQ(1, folder.UnLockFolder());
  EXPECT_EQ(0, folder.IsLockFolder());
}

TEST_F(LockFixture, AnotherFolderObjectForTheSameDirectoryIsShutOut) {
  CDrawingFolder other;
  other.Name("A");
  ASSERT_EQ(1, folder.LockFolder(reg.env));
  EXPECT_EQ(0, other.LockFolder(reg.env));
  EXPECT_EQ(0, other.LoadFiles(reg.env, 0));
  EXPECT_EQ(0, other.SaveFiles(reg.env));
  EXPECT_EQ(0, other.IsLockFolder());
  {
    CDrawingFolder* doomed = new CDrawingFolder(other);
    folder.UnLockFolder();
    ASSERT_EQ(1, doomed->LockFolder(reg.env));
    delete doomed;  // destroying a locked folder releases its lock
  }
  EXPECT_EQ(1, other.LockFolder(reg.env));
}

TEST_F(LockFixture, AProcessHoldingTheLockShutsOutOthersUntilItUnlocks) {
  folder.AddFile(TestRegister::Record("a.dwg"));
  ASSERT_EQ(1, folder.SaveFiles(reg.env));
  ASSERT_EQ(1, folder.LockFolder(reg.env));
  auto other_process = [&] {
    CDrawingFolder mine;
    mine.Name("A");
    const int lock = mine.LockFolder(reg.env);
    mine.UnLockFolder();
    const int load = mine.LoadFiles(reg.env, 0);
    return lock * 10 + load + (load ? mine.GetFileCount() * 100 : 0);
  };
  EXPECT_EQ(0, InChild(other_process));
  folder.UnLockFolder();
  EXPECT_EQ(111, InChild(other_process));
}

TEST_F(LockFixture, MissingOrBlockedDirectoryRefusesTheLock) {
  CDrawingFolder ghost;
  ghost.Name("nowhere");
  EXPECT_EQ(0, ghost.LockFolder(reg.env));
  EXPECT_EQ(0, ghost.LoadFiles(reg.env, 0));
  reg.MakeDir("A/FOLDERINF.$$$");  // a directory where the file belongs
  EXPECT_EQ(0, folder.LockFolder(reg.env));
  EXPECT_EQ(0, folder.IsLockFolder());
}

TEST_F(LockFixture, FullDiskLosesNothingAndKeepsTheLockState) {
  folder.AddFile(TestRegister::Record("a.dwg"));
  ASSERT_EQ(1, folder.SaveFiles(reg.env));
  const std::string before = ReadBytes(reg.Path("A/FOLDERINF.$$$"));
  for (int i = 0; i < 200; ++i)
    folder.AddFile(TestRegister::Record("a.dwg"));
  // In a child whose files may not grow past 64 bytes, as on a disk with no room left.
  auto save_on_full_disk = [&](bool locked) {
    std::signal(SIGXFSZ, SIG_IGN);
    if (locked && !folder.LockFolder(reg.env)) return 9;
    const rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    const int saved = folder.SaveFiles(reg.env);
    return saved * 10 + folder.IsLockFolder();
  };
  EXPECT_EQ(0, InChild([&] { return save_on_full_disk(false); }));
  EXPECT_EQ(before, ReadBytes(reg.Path("A/FOLDERINF.$$$")));
  EXPECT_EQ(1, InChild([&] { return save_on_full_disk(true); }));
  EXPECT_EQ(before, ReadBytes(reg.Path("A/FOLDERINF.$$$")));
}

TEST_F(LockFixture, VanishedDirectoryWhileLockedGivesZeroOnSave) {
  ASSERT_EQ(1, folder.LockFolder(reg.env));
  std::filesystem::remove_all(afx::ToUtf8(reg.Path("A")));
  EXPECT_EQ(0, folder.SaveFiles(reg.env));
  EXPECT_EQ(1, folder.IsLockFolder());
  EXPECT_EQ(1, folder.UnLockFolder());
  EXPECT_EQ(0, folder.SaveFiles(reg.env));
}

}  // namespace

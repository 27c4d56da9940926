// drawreg entry --tree as a user runs it: a folder tree registered below a register folder,
// every folder's grid filled from the options and the sheet, and the folders held against
// other users while it runs.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "host/ProgramFixture.h"
#include "support/OtherUser.h"

namespace {

class TreeProgram : public Program {
 protected:
  std::string Src(const std::string& relative = "") const {
    return reg.dir.path() + "/src" + (relative.empty() ? "" : "/" + relative);
  }
  void Source(const std::string& relative) {
    std::filesystem::create_directories(std::filesystem::path(Src(relative)).parent_path());
    WriteBytes(CString(Src(relative).c_str()), relative);
  }
  std::string Info(const std::string& relative) const {
    return ReadBytes(CString((folder + "/" + relative + "/FOLDERINF.$$$").c_str()));
  }
};

TEST_F(TreeProgram, EveryFolderIsFilledNumberedFromStartAndMatchedToTheSheetByPath) {
  Source("P/a.dwg");
  Source("P/b.dwg");
  Source("P/Q/a.dwg");
  Source("P/Q/c.dwg");
  WriteBytes(CString(Src("sheet.csv").c_str()), "file,rev\nP/Q/a.dwg,7\nc.dwg,9\n");
  const ProgramRun run = Drawreg(
      "entry --root " + Quoted(root) + " --tree " + Quoted(Src()) + " P --to " + Quoted(folder) +
      " --life C --type PL --number 5 --sheet " + Quoted(Src("sheet.csv")));
  ASSERT_TRUE(Ran(run, 0, {"registered " + Src("P")}));
  EXPECT_EQ("a.dwg\tC\t0\t0\t1\tPL\t005\t0\t\r\nb.dwg\tC\t0\t0\t1\tPL\t006\t0\t\r\n", Info("P"));
  // The sheet's row by path beats the one by name: the other a.dwg keeps revision 0.
  EXPECT_EQ("a.dwg\tC\t0\t0\t1\tPL\t005\t7\t\r\nc.dwg\tC\t0\t0\t1\tPL\t006\t9\t\r\n", Info("P/Q"));
  // Not a folder of the source, nothing given: bad usage before anything is locked.
  EXPECT_TRUE(Ran(Drawreg("entry --root " + Quoted(root) + " --to " + Quoted(folder)), 2));
}

TEST_F(TreeProgram, ATreeRegistrationHoldsItsFoldersAgainstAnotherUserUntilItEnds) {
  reg.MakeDir("root/F/A");
  reg.MakeDir("root/F/B");
  Source("A/D0PL001Z.dwg");
  Source("B/D0PL002Z.dwg");
  Source("other/D0PL003Z.dwg");
  // A third user holds B: the tree registration takes A, then waits for B.
  OtherUser other(reg.env, CString((folder + "/B").c_str()));
  ASSERT_TRUE(other.Locked());
  const pid_t tree = fork();
  if (tree == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    other.Disown();
    const std::string command = "entry --root " + Quoted(root) + " --tree " + Quoted(Src()) +
                                " A B --to " + Quoted(folder) + " --wait 60";
    _exit(Drawreg(command).status);
  }
  bool held = false;
  for (int i = 0; i < 200 && !held; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    held = !LockableElsewhere(reg.env, CString((folder + "/A").c_str()));
  }
  ASSERT_TRUE(held);
  const std::string into_a = "entry " + Quoted(Src("other/D0PL003Z.dwg")) + " --root " +
                             Quoted(root) + " --to " + Quoted(folder + "/A");
  EXPECT_TRUE(Ran(Drawreg(into_a + " --wait 0"), 1,
                  {Utf8(u8"現在、他のユーザーが編集中です。再試行しますか？ -> No")}));
  other.LetGo();  // the third user lets go of B: the tree registration finishes
  int status = -1;
  ASSERT_EQ(tree, waitpid(tree, &status, 0));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_TRUE(Ran(Drawreg(into_a + " --wait 0"), 0));
  const std::string listed = Info("A");
  EXPECT_EQ(2, std::count(listed.begin(), listed.end(), '\n'));
}

}  // namespace

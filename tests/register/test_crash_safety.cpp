// Saves killed at random moments: whatever the moment, the next load gives exactly the old
// list or exactly the new one. DRAWREG_CRASH_ROUNDS sets the number of saves (500 by default).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "register/CDrawingFolder.h"
#include "support/Register.h"

namespace {

constexpr int kFiles = 2000;

CString FileName(int i) {
  return CString(("f" + std::to_string(i) + ".dwg").c_str());
}

// The list that round r saves: its length goes up and down, and its pages tell rounds apart.
std::vector<std::string> ListOfRound(int r) {
  const int n = 1 + (r * 7919) % 1500;
  std::vector<std::string> lines;
  for (int k = 0; k < n; ++k) {
    CDrawingFile record = TestRegister::Record(FileName((r * 31 + k) % kFiles));
    record.Page(CString(std::to_string(r % 999 + 1).c_str()));
    lines.push_back(record.ToString().Bytes());
  }
  return lines;
}

std::vector<std::string> Loaded(const TestRegister& reg) {
  CDrawingFolder folder;
  folder.Name("A");
  std::vector<std::string> lines;
  if (!folder.LoadFiles(reg.env, 0)) return {"(load failed)"};
  for (int i = 0; i < folder.GetFileCount(); ++i)
    lines.push_back(folder.GetFile(i)->ToString().Bytes());
  return lines;
}

// Saves round r's list in a child; the parent kills it after delay (or lets it finish).
void SaveInChild(const TestRegister& reg, int r, std::chrono::microseconds delay, bool kill_it) {
  const pid_t pid = fork();
  if (pid == 0) {
    CDrawingFolder folder;
    folder.Name("A");
    if (!folder.LoadFiles(reg.env, 1)) _exit(2);
    folder.DeleteFileALL();
    for (const std::string& line : ListOfRound(r)) {
      CDrawingFile record;
      record.Parse(CString(std::string_view(line)));
      folder.AddFile(record);
    }
    _exit(folder.SaveFiles(reg.env) ? 0 : 3);
  }
  if (kill_it) {
    std::this_thread::sleep_for(delay);
    kill(pid, SIGKILL);
  }
  int status = 0;
  waitpid(pid, &status, 0);
}

TEST(CrashSafety, AFolderSaveKilledAtAnyMomentLeavesTheOldListOrTheNew) {
  const char* rounds_text = std::getenv("DRAWREG_CRASH_ROUNDS");
  const int rounds = rounds_text ? std::atoi(rounds_text) : 500;
  TestRegister reg;
  reg.MakeDir("A");
  for (int i = 0; i < kFiles; ++i)
    reg.MakeFile(CString("A/") + FileName(i), "");
  // How long a whole round takes when nothing interrupts it bounds the moments to kill at.
  const auto start = std::chrono::steady_clock::now();
  SaveInChild(reg, 0, {}, false);
  const auto round_time = std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now() - start);
  std::vector<std::string> current = Loaded(reg);
  ASSERT_EQ(ListOfRound(0), current);
  const unsigned seed = std::random_device{}();
  std::mt19937 random(seed);
  std::uniform_int_distribution<long> moment(0, 2 * round_time.count());
  int finished = 0;
  for (int r = 1; r <= rounds; ++r) {
    SaveInChild(reg, r, std::chrono::microseconds(moment(random)), true);
    const std::vector<std::string> now = Loaded(reg);
    const bool is_new = now == ListOfRound(r);
    ASSERT_TRUE(is_new || now == current)
        << "round " << r << " (seed " << seed << ") left " << now.size() << " records";
    finished += is_new ? 1 : 0;
    current = now;
  }
  // Both outcomes must really occur, or the moments missed the save.
  EXPECT_GT(finished, 0);
  EXPECT_LT(finished, rounds);
}

}  // namespace

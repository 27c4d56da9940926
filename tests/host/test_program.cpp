// The drawreg program as a user runs it: exit statuses and what it prints.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "support/Register.h"

namespace {

struct ProgramRun {
  int status;
  std::string out;
};

// Runs the program with a shell command line of arguments, without a display.
ProgramRun Program(const std::string& args) {
  const char* host = std::getenv("DRAWREG_HOST");
  if (!host) return {-1, ""};
  const std::string command =
      std::string("env -u DISPLAY -u WAYLAND_DISPLAY ") + host + " " + args + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    out.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

TEST(Program, UsageHelpAndBadUsage) {
  if (!std::getenv("DRAWREG_HOST")) GTEST_SKIP() << "DRAWREG_HOST names the program under test";
  EXPECT_EQ(0, Program("--help").status);
  EXPECT_NE(std::string::npos, Program("--help").out.find("entry FILE..."));
  EXPECT_EQ(2, Program("").status);
  EXPECT_EQ(2, Program("frobnicate").status);
  EXPECT_EQ(2, Program("list").status);
  EXPECT_EQ(2, Program("entry a.dwg").status);  // no --to
  EXPECT_EQ(2, Program("entry a.dwg --to x --wait soon").status);
}

TEST(Program, EntryThenListShowsTheRegisteredFile) {
  if (!std::getenv("DRAWREG_HOST")) GTEST_SKIP() << "DRAWREG_HOST names the program under test";
  TestRegister reg;
  reg.MakeDir(CString("root/") + u8"平面図");
  reg.MakeDir("src");
  reg.MakeFile("src/plan.dwg", std::string(1536, 'x'));
  const std::string root = reg.dir.path() + "/root";
  const std::string folder = root + "/" + reinterpret_cast<const char*>(u8"平面図");
  const ProgramRun entry = Program("entry " + reg.dir.path() + "/src/plan.dwg --root " + root +
                                   " --to '" + folder + "' --life D --type PF --page 7 --rev A");
  EXPECT_EQ(0, entry.status) << entry.out;
  const ProgramRun list = Program("list '" + folder + "'");
  EXPECT_EQ(0, list.status) << list.out;
  const size_t row = list.out.find("\nplan.dwg ");
  ASSERT_NE(std::string::npos, row) << list.out;
  const std::string line = list.out.substr(row + 1, list.out.find('\n', row + 1) - row - 1);
  EXPECT_NE(std::string::npos, line.find(" D0PF007A.dwg ")) << line;
  EXPECT_NE(std::string::npos, line.find(" 1.50 KB ")) << line;
  // Refusals print the message box they answered and end with 1.
  const ProgramRun again = Program("entry " + reg.dir.path() + "/src/plan.dwg --root " + root +
                                   " --to '" + folder + "'");
  EXPECT_EQ(1, again.status);
  EXPECT_NE(std::string::npos,
            again.out.find(reinterpret_cast<const char*>(u8"[ファイルの上書き確認]")))
      << again.out;
  EXPECT_EQ(1, Program("list --root " + root + " " + reg.dir.path() + "/src").status);  // outside
}

}  // namespace

// Several users at once: real drawreg processes registering into one folder together.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <set>
#include <sstream>

#include "support/Register.h"

namespace {

// Runs the program with args; returns the child's pid.
pid_t Spawn(const std::string& program, const std::vector<std::string>& args) {
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args)
      argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  return pid;
}

TEST(EntryProcesses, EightUsersRegisteringIntoOneFolderLoseNothing) {
  const char* host = std::getenv("DRAWREG_HOST");
  if (!host) GTEST_SKIP() << "DRAWREG_HOST names the program under test";
  constexpr int kUsers = 8;
  constexpr int kFilesEach = 25;
  TestRegister reg;
  reg.MakeDir("root/F");
  std::vector<pid_t> users;
  for (int u = 0; u < kUsers; ++u) {
    std::vector<std::string> args = {
        "entry",  "--root", reg.dir.path() + "/root", "--to", reg.dir.path() + "/root/F", "--yes",
        "--wait", "120"};
    for (int f = 0; f < kFilesEach; ++f) {
      // Names that follow the naming rule, each with its own drawing number.
      char name[32];
      std::snprintf(name, sizeof name, "D0PL%03d0.dwg", u * kFilesEach + f + 1);
      const std::string dir = "src" + std::to_string(u);
      reg.MakeDir(dir.c_str());
      reg.MakeFile((dir + "/" + name).c_str(), name);
      args.push_back(reg.dir.path() + "/" + dir + "/" + name);
    }
    users.push_back(Spawn(host, args));
  }
  for (pid_t pid : users) {
    int status = 0;
    ASSERT_EQ(pid, waitpid(pid, &status, 0));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  }
  std::istringstream lines(ReadBytes(reg.Path("root/F/FOLDERINF.$$$")));
  std::set<std::string> names;
  int count = 0;
  for (std::string line; std::getline(lines, line); ++count) {
    names.insert(line.substr(0, line.find('\t')));
  }
  EXPECT_EQ(kUsers * kFilesEach, count);
  EXPECT_EQ(static_cast<size_t>(kUsers * kFilesEach), names.size());
}

}  // namespace

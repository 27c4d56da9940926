// Several users at once: real drawreg processes registering batches into one folder together.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <thread>

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

constexpr int kUsers = 8;
constexpr int kFilesEach = 25;

class EntryProcesses : public ::testing::Test {
 protected:
  void SetUp() override {
    host = std::getenv("DRAWREG_HOST");
    if (!host) GTEST_SKIP() << "DRAWREG_HOST names the program under test";
    reg.MakeDir("root/F");
  }

  // Starts kUsers programs, each registering a batch of its own kFilesEach files whose names
  // follow the naming rule, each with its own drawing number.
  std::vector<pid_t> StartUsers() {
    std::vector<pid_t> users;
    for (int u = 0; u < kUsers; ++u) {
      std::vector<std::string> args = {
          "entry",  "--root", reg.dir.path() + "/root", "--to", reg.dir.path() + "/root/F", "--yes",
          "--wait", "120"};
      const std::string dir = "src" + std::to_string(u);
      reg.MakeDir(dir.c_str());
      for (int f = 0; f < kFilesEach; ++f) {
        char name[32];
        std::snprintf(name, sizeof name, "D0PL%03d0.dwg", u * kFilesEach + f + 1);
        reg.MakeFile((dir + "/" + name).c_str(), name);
        args.push_back(reg.dir.path() + "/" + dir + "/" + name);
      }
      users.push_back(Spawn(host, args));
    }
    return users;
  }

  // How often each user's files are listed in the folder's information file.
  std::map<int, int> ListedPerUser(int& lines) {
    std::istringstream text(ReadBytes(reg.Path("root/F/FOLDERINF.$$$")));
    std::map<int, int> listed;
    std::map<std::string, int> seen;
    lines = 0;
    for (std::string line; std::getline(text, line); ++lines) {
      const std::string name = line.substr(0, line.find('\t'));
      if (seen[name]++ == 0) ++listed[(std::atoi(name.substr(4, 3).c_str()) - 1) / kFilesEach];
    }
    return listed;
  }

  const char* host = nullptr;
  TestRegister reg;
};

TEST_F(EntryProcesses, EightUsersRegisteringBatchesIntoOneFolderLoseNothing) {
  for (pid_t pid : StartUsers()) {
    int status = 0;
    ASSERT_EQ(pid, waitpid(pid, &status, 0));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  }
  int lines = 0;
  const std::map<int, int> listed = ListedPerUser(lines);
  EXPECT_EQ(kUsers * kFilesEach, lines);
  for (int u = 0; u < kUsers; ++u)
    EXPECT_EQ(kFilesEach, listed.count(u) ? listed.at(u) : 0) << "user " << u;
}

TEST_F(EntryProcesses, AUserKilledMidwayLosesNoOtherUsersBatch) {
  std::vector<pid_t> users = StartUsers();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  kill(users[kUsers / 2], SIGKILL);
  std::vector<bool> registered(kUsers);
  for (int u = 0; u < kUsers; ++u) {
    int status = 0;
    ASSERT_EQ(users[u], waitpid(users[u], &status, 0));
    registered[u] = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (u != kUsers / 2) {
      EXPECT_TRUE(registered[u]) << "user " << u << " status " << status;
    }
  }
  int lines = 0;
  const std::map<int, int> listed = ListedPerUser(lines);
  int expected = 0;
  for (int u = 0; u < kUsers; ++u) {
    const int count = listed.count(u) ? listed.at(u) : 0;
    // A batch is listed whole or not at all; whole whenever its program said so.
    if (registered[u]) {
      EXPECT_EQ(kFilesEach, count) << "user " << u;
    }
    EXPECT_TRUE(count == 0 || count == kFilesEach) << "user " << u << ": " << count;
    expected += count;
  }
  EXPECT_EQ(expected, lines) << "every file listed once";
}

}  // namespace

// The drawreg program as a user runs it: exit statuses and what it prints.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "framework/CFile.h"
#include "support/Register.h"

extern "C" const char* drawreg_version();

namespace {

struct ProgramRun {
  int status;  // 124 when the run was stopped for taking too long
  std::string out;
};

std::string Utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

// A path quoted for the shell.
std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DRAWREG_HOST")) GTEST_SKIP() << "DRAWREG_HOST names the program under test";
    reg.MakeDir("root/F");
    root = reg.dir.path() + "/root";
    folder = root + "/F";
  }

  // Runs the program with a shell command line of arguments, without a display and without
  // paths from the user's environment or config file unless env sets them; shell runs first
  // in the same shell. A run that hangs is stopped after 20 seconds.
  static ProgramRun Drawreg(const std::string& args, const std::string& env = "",
                            const std::string& shell = "") {
    const std::string command =
        shell +
        " env -u DISPLAY -u WAYLAND_DISPLAY -u DRAWREG_ROOT -u DRAWREG_TEMPLATE_BASE "
        "XDG_CONFIG_HOME=/nonexistent/drawreg-test " +
        env + " timeout 20 " + std::getenv("DRAWREG_HOST") + " " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
  }

  ProgramRun Entry(const std::string& file, const std::string& options = "") {
    return Drawreg("entry " + Quoted(file) + " --root " + Quoted(root) + " --to " + Quoted(folder) +
                   " " + options);
  }

  bool Registered() const { return std::filesystem::exists(folder + "/FOLDERINF.$$$"); }

  TestRegister reg;
  std::string root, folder;
};

TEST_F(Program, HelpAndVersionAreShownForTheProgramAndEachCommand) {
  const ProgramRun help = Drawreg("--help");
  EXPECT_EQ(0, help.status);
  for (const char* command : {"demo", "tree", "list", "entry", "--root", "--ui"}) {
    EXPECT_NE(std::string::npos, help.out.find(command)) << command << "\n" << help.out;
  }
  const ProgramRun entry = Drawreg("entry --help");
  EXPECT_EQ(0, entry.status);
  EXPECT_NE(std::string::npos, entry.out.find("--page")) << entry.out;
  EXPECT_NE(std::string::npos, entry.out.find("--catalogue")) << entry.out;
  EXPECT_EQ(std::string::npos, entry.out.find("--files")) << entry.out;
  const ProgramRun list = Drawreg("list --help");
  EXPECT_EQ(0, list.status);
  EXPECT_NE(std::string::npos, list.out.find("--gui")) << list.out;
  EXPECT_EQ(std::string::npos, list.out.find("--page")) << list.out;
  const ProgramRun tree = Drawreg("tree --help");
  EXPECT_NE(std::string::npos, tree.out.find("--files")) << tree.out;
  EXPECT_EQ(std::string::npos, tree.out.find("--gui")) << tree.out;
  EXPECT_EQ(0, Drawreg("demo --help").status);
  const ProgramRun version = Drawreg("--version");
  EXPECT_EQ(0, version.status);
  EXPECT_EQ(std::string("drawreg ") + drawreg_version() + "\n", version.out);
}

TEST_F(Program, UnknownOptionsCommandsAndMissingArgumentsAreUsageErrors) {
  reg.MakeFile("a.dwg");
  const std::string a = reg.dir.path() + "/a.dwg";
  EXPECT_EQ(2, Drawreg("").status);
  EXPECT_EQ(2, Drawreg("frobnicate").status);
  EXPECT_EQ(2, Drawreg("list").status);
  EXPECT_EQ(2, Drawreg("entry " + a).status);  // no --to
  EXPECT_EQ(2, Drawreg("--ui gtk tree --root " + root).status);
  EXPECT_EQ(2, Drawreg("tree --root").status);
  // A mistyped option is never taken for an option's value or a file to register.
  const ProgramRun typo = Entry(a, "--pgae 5");
  EXPECT_EQ(2, typo.status);
  EXPECT_NE(std::string::npos, typo.out.find("--pgae")) << typo.out;
  EXPECT_FALSE(Registered());
}

TEST_F(Program, FieldValuesTheRecordWouldRefuseOrChangeAreUsageErrors) {
  reg.MakeFile("a.dwg");
  const std::string a = reg.dir.path() + "/a.dwg";
  const std::pair<const char*, const char*> refused[] = {
      {"--page 1000", "--page"}, {"--page -5", "--page"}, {"--page=-5", "--page"},
      {"--page abc", "--page"},  {"--page 0", "--page"},  {"--page 0007", "--page"},
      {"--ref AB", "--ref"},     {"--ref a", "--ref"},    {"--life x", "--life"},
      {"--rev ''", "--rev"},     {"--type XX", "--type"}, {"--wait soon", "--wait"},
      {"--wait -1", "--wait"},   {"--wait nan", "--wait"}};
  for (const auto& [option, name] : refused) {
    const ProgramRun run = Entry(a, option);
    EXPECT_EQ(2, run.status) << option << "\n" << run.out;
    EXPECT_NE(std::string::npos, run.out.find(name)) << option << "\n" << run.out;
  }
  EXPECT_NE(std::string::npos, Entry(a, "--type XX").out.find("PL")) << "the codes known";
  EXPECT_FALSE(Registered());
  // A drawing number is kept with three digits: 07 is drawing number 007.
  const ProgramRun padded = Entry(a, "--life D --ref 1 --type PL --page 07 --rev B");
  EXPECT_EQ(0, padded.status) << padded.out;
  EXPECT_NE(std::string::npos, Drawreg("list " + Quoted(folder)).out.find("D1PL007B.dwg"));
}

TEST_F(Program, UnusableRootsAndAMissingDisplayAreUsageErrors) {
  reg.MakeFile("file");
  const ProgramRun file = Drawreg("tree --root " + Quoted(reg.dir.path() + "/file"));
  EXPECT_EQ(2, file.status) << file.out;
  EXPECT_NE(std::string::npos, file.out.find("--root")) << file.out;
  EXPECT_EQ(2, Drawreg("tree --root " + Quoted(reg.dir.path() + "/none")).status);
  const ProgramRun env = Drawreg("tree", "DRAWREG_ROOT=" + Quoted(reg.dir.path() + "/none"));
  EXPECT_EQ(2, env.status);
  EXPECT_NE(std::string::npos, env.out.find("DRAWREG_ROOT")) << env.out;
  EXPECT_EQ(2, Drawreg("tree").status);  // no root anywhere
  EXPECT_EQ(0, Drawreg("tree --root " + Quoted(root)).status);
  const ProgramRun qt = Drawreg("--ui qt tree --root " + Quoted(root));
  EXPECT_EQ(2, qt.status);
  EXPECT_NE(std::string::npos, qt.out.find("display")) << qt.out;
  EXPECT_EQ(2, Drawreg("list --gui " + Quoted(folder)).status);
}

TEST_F(Program, ConfigAndCatalogueFilesAreReadOnlyWhenRegular) {
  reg.MakeDir("config/drawreg");
  const std::string config = "XDG_CONFIG_HOME=" + Quoted(reg.dir.path() + "/config");
  reg.MakeFile("config/drawreg/config", "# the register\nroot = " + root + "\n");
  const ProgramRun configured = Drawreg("tree", config);
  EXPECT_EQ(0, configured.status) << configured.out;
  EXPECT_NE(std::string::npos, configured.out.find("  F/")) << configured.out;
  // FIFOs in their place are refused at once, never waited on (a hang would end with 124).
  std::filesystem::remove(reg.dir.path() + "/config/drawreg/config");
  ASSERT_EQ(0, mkfifo((reg.dir.path() + "/config/drawreg/config").c_str(), 0600));
  const ProgramRun fifo_config = Drawreg("tree", config);
  EXPECT_EQ(2, fifo_config.status) << fifo_config.out;
  EXPECT_NE(std::string::npos, fifo_config.out.find("not a regular file")) << fifo_config.out;
  ASSERT_EQ(0, mkfifo((reg.dir.path() + "/catalogue").c_str(), 0600));
  reg.MakeFile("a.dwg");
  const ProgramRun fifo_catalogue =
      Entry(reg.dir.path() + "/a.dwg", "--catalogue " + Quoted(reg.dir.path() + "/catalogue"));
  EXPECT_EQ(2, fifo_catalogue.status) << fifo_catalogue.out;
  EXPECT_NE(std::string::npos, fifo_catalogue.out.find("--catalogue")) << fifo_catalogue.out;
}

TEST_F(Program, NamesCodePage932CannotHoldExactlyAreRefused) {
  // Latin letters it lacks, a character outside it, and one it holds only as a look-alike.
  for (const char8_t* name : {u8"müller.dwg", u8"図面😀.dwg", u8"〜.dwg"}) {
    const std::string path = reg.dir.path() + "/" + Utf8(name);
    WriteBytes(CString(path), "drawing");  // the bytes of the UTF-8 name
    const ProgramRun run = Entry(path, "--yes");
    EXPECT_EQ(2, run.status) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("FILE")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("code page 932")) << run.out;
  }
  reg.MakeFile("a.dwg");
  const ProgramRun to = Drawreg("entry " + Quoted(reg.dir.path() + "/a.dwg") + " --root " +
                                Quoted(root) + " --to " + Quoted(root + Utf8(u8"/図面😀")));
  EXPECT_EQ(2, to.status) << to.out;
  EXPECT_NE(std::string::npos, to.out.find("--to")) << to.out;
  EXPECT_EQ(2, Drawreg("tree --root " + Quoted(reg.dir.path() + Utf8(u8"/ü"))).status);
  EXPECT_FALSE(Registered());
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::recursive_directory_iterator(root))
    ++entries;
  EXPECT_EQ(1u, entries) << "only F under the root";
}

TEST_F(Program, ControlCharactersInNamesAreShownEscaped) {
  reg.MakeDir("root/esc\x1b[2J");
  const ProgramRun tree = Drawreg("tree --root " + Quoted(root));
  EXPECT_EQ(0, tree.status) << tree.out;
  EXPECT_NE(std::string::npos, tree.out.find("esc\\x1b[2J/")) << tree.out;
  // A record another program wrote, whose file is there.
  reg.MakeFile("root/F/red\x1b[31m\ax.dwg");
  CDrawingFile record;
  record.Name("red\x1b[31m\ax.dwg");
  WriteBytes(CString(folder + "/FOLDERINF.$$$"), record.ToString().Bytes() + "\r\n");
  const ProgramRun list = Drawreg("list " + Quoted(folder));
  EXPECT_EQ(0, list.status) << list.out;
  EXPECT_NE(std::string::npos, list.out.find("red\\x1b[31m\\x07x.dwg ")) << list.out;
  reg.MakeFile("tab\there\r.dwg");
  const ProgramRun entry = Entry(reg.dir.path() + "/tab\there\r.dwg", "--yes");
  EXPECT_NE(std::string::npos, entry.out.find("tab\\there\\r.dwg")) << entry.out;
  for (const ProgramRun* run : {&tree, &list, &entry}) {
    EXPECT_EQ(std::string::npos, run->out.find_first_of("\x1b\a\r\t")) << run->out;
  }
}

TEST_F(Program, FailuresNameTheFileTheCauseAndTheSystemsReason) {
  reg.MakeFile("big.dwg", std::string(256 * 1024, 'b'));
  // Past a file size limit the copy fails with a write error instead of killing the program.
  const ProgramRun limited = Drawreg("entry " + Quoted(reg.dir.path() + "/big.dwg") + " --root " +
                                         Quoted(root) + " --to " + Quoted(folder) + " --type PL",
                                     "", "ulimit -f 16;");
  EXPECT_EQ(1, limited.status) << limited.out;
  EXPECT_NE(std::string::npos,
            limited.out.find(folder + "/big.dwg: write error: " + std::strerror(EFBIG)))
      << limited.out;
  // Lines the information file holds that are no record are named with the file.
  reg.MakeFile("a.dwg");
  ASSERT_EQ(0, Entry(reg.dir.path() + "/a.dwg", "--life D --type PL --page 2").status);
  std::ofstream(folder + "/FOLDERINF.$$$", std::ios::app) << "no record\r\n";
  const ProgramRun list = Drawreg("list " + Quoted(folder));
  EXPECT_EQ(0, list.status) << list.out;
  EXPECT_NE(std::string::npos, list.out.find(folder + "/FOLDERINF.$$$: line 2 could not be read"))
      << list.out;
  EXPECT_NE(std::string::npos, list.out.find("D0PL0020.dwg")) << list.out;
}

// Holds the folder's edit lock in a child process for the given time, as another user
// registering would; returns once the lock is held.
pid_t HoldLock(const std::string& info_file, int milliseconds) {
  int ready[2];
  if (pipe(ready) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    CFile file;
    const bool held =
        file.Open(info_file.c_str(), CFile::modeReadWrite | CFile::modeCreate |
                                         CFile::modeNoTruncate | CFile::shareExclusive);
    (void)!write(ready[1], held ? "1" : "0", 1);
    usleep(static_cast<useconds_t>(milliseconds) * 1000);
    _exit(0);
  }
  char held = '0';
  (void)!read(ready[0], &held, 1);
  close(ready[0]);
  close(ready[1]);
  return held == '1' ? pid : -1;
}

TEST_F(Program, ListAndTreeWaitForALockedFolder) {
  reg.MakeFile("a.dwg");
  ASSERT_EQ(0, Entry(reg.dir.path() + "/a.dwg", "--life D --type PL --page 1 --rev A").status);
  const std::string info = folder + "/FOLDERINF.$$$";
  pid_t holder = HoldLock(info, 1500);
  ASSERT_GT(holder, 0);
  const auto start = std::chrono::steady_clock::now();
  const ProgramRun waited = Drawreg("list " + Quoted(folder) + " --wait 15");
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
  EXPECT_EQ(0, waited.status) << waited.out;
  EXPECT_NE(std::string::npos, waited.out.find("D0PL001A.dwg")) << waited.out;
  waitpid(holder, nullptr, 0);

  holder = HoldLock(info, 5000);
  ASSERT_GT(holder, 0);
  const ProgramRun list = Drawreg("list " + Quoted(folder) + " --wait 0.3");
  EXPECT_EQ(1, list.status) << list.out;
  EXPECT_NE(std::string::npos, list.out.find("locked")) << list.out;
  const ProgramRun tree = Drawreg("tree --files --root " + Quoted(root) + " --wait 0.3");
  EXPECT_EQ(1, tree.status) << tree.out;
  EXPECT_NE(std::string::npos, tree.out.find(Utf8(u8"(編集中)"))) << tree.out;
  kill(holder, SIGTERM);
  waitpid(holder, nullptr, 0);
}

TEST_F(Program, EntryThenListShowsTheRegisteredFile) {
  reg.MakeDir(CString("root/") + u8"平面図");
  reg.MakeDir("src");
  reg.MakeFile("src/plan.dwg", std::string(1536, 'x'));
  folder = root + "/" + Utf8(u8"平面図");
  const ProgramRun entry =
      Entry(reg.dir.path() + "/src/plan.dwg", "--life D --type PF --page 7 --rev A");
  EXPECT_EQ(0, entry.status) << entry.out;
  const ProgramRun list = Drawreg("list " + Quoted(folder));
  EXPECT_EQ(0, list.status) << list.out;
  const size_t row = list.out.find("\nplan.dwg ");
  ASSERT_NE(std::string::npos, row) << list.out;
  const std::string line = list.out.substr(row + 1, list.out.find('\n', row + 1) - row - 1);
  EXPECT_NE(std::string::npos, line.find(" D0PF007A.dwg ")) << line;
  EXPECT_NE(std::string::npos, line.find(" 1.50 KB ")) << line;
  // Refusals print the message box they answered and end with 1.
  const ProgramRun again = Entry(reg.dir.path() + "/src/plan.dwg");
  EXPECT_EQ(1, again.status);
  EXPECT_NE(std::string::npos, again.out.find(Utf8(u8"[ファイルの上書き確認]"))) << again.out;
  EXPECT_EQ(1, Drawreg("list --root " + Quoted(root) + " " + reg.dir.path() + "/src").status);
}

}  // namespace

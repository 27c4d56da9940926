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
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <thread>
#include <vector>

#include "host/ProgramFixture.h"
#include "support/OtherUser.h"
#include "support/Register.h"

extern "C" const char* drawreg_version();

namespace {

TEST_F(Program, HelpAndVersionAreShownForTheProgramAndEachCommand) {
  EXPECT_TRUE(Ran(Drawreg("--help"), 0,
                  {"demo", "tree", "list", "entry", "setting", "check", "--root", "--ui"}));
  EXPECT_TRUE(Ran(Drawreg("setting --help"), 0, {"--sheet", "--number", "--type"}));
  const ProgramRun entry = Drawreg("entry --help");
  EXPECT_TRUE(Ran(entry, 0, {"--page", "--catalogue"}));
  EXPECT_FALSE(Holds(entry.out, "--files"));
  const ProgramRun list = Drawreg("list --help");
  EXPECT_TRUE(Ran(list, 0, {"--gui", "--csv"}));
  EXPECT_FALSE(Holds(list.out, "--page"));
  const ProgramRun tree = Drawreg("tree --help");
  EXPECT_TRUE(Holds(tree.out, "--files"));
  EXPECT_FALSE(Holds(tree.out, "--gui"));
  EXPECT_EQ(0, Drawreg("demo --help").status);
  const ProgramRun version = Drawreg("--version");
  EXPECT_EQ(0, version.status);
  EXPECT_EQ(std::string("drawreg ") + drawreg_version() + "\n", version.out);
}

TEST_F(Program, UnknownOptionsCommandsMissingArgumentsUnusableRootsAndNoDisplayAreUsageErrors) {
  reg.MakeFile("a.dwg");
  const std::string a = reg.dir.path() + "/a.dwg";
  for (const std::string& args : std::vector<std::string>{
           "", "frobnicate", "list", "entry " + a /* no --to */, "--ui gtk tree --root " + root,
           "tree --root", "check --json --csv --root " + root,
           "check --root " + root + " " + reg.dir.path() /* outside */,
           "tree --root " + reg.dir.path() + "/none", "tree" /* no root anywhere */,
           "list --gui " + folder})
    EXPECT_EQ(2, Drawreg(args).status) << args;
  // A mistyped option is never taken for an option's value or a file to register.
  EXPECT_TRUE(Ran(Entry(a, "--pgae 5"), 2, {"--pgae"}));
  EXPECT_FALSE(Registered());
  EXPECT_TRUE(Ran(Drawreg("tree --root " + Quoted(a)), 2, {"--root"}));
  EXPECT_TRUE(Ran(Drawreg("tree", "DRAWREG_ROOT=" + Quoted(reg.dir.path() + "/none")), 2,
                  {"DRAWREG_ROOT"}));
  EXPECT_TRUE(Ran(Drawreg("--ui qt tree --root " + Quoted(root)), 2, {"display"}));
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
  for (const auto& [option, name] : refused)
    EXPECT_TRUE(Ran(Entry(a, option), 2, {name})) << option;
  EXPECT_TRUE(Holds(Entry(a, "--type XX").out, "PL")) << "the codes known";
  EXPECT_FALSE(Registered());
  // A drawing number is kept with three digits: 07 is drawing number 007.
  EXPECT_TRUE(Ran(Entry(a, "--life D --ref 1 --type PL --page 07 --rev B"), 0));
  EXPECT_TRUE(Holds(Drawreg("list " + Quoted(folder)).out, "D1PL007B.dwg"));
}

TEST_F(Program, ConfigAndCatalogueFilesAreReadOnlyWhenRegular) {
  reg.MakeDir("config/drawreg");
  const std::string config = "XDG_CONFIG_HOME=" + Quoted(reg.dir.path() + "/config");
  reg.MakeFile("config/drawreg/config", "# the register\nroot = " + root + "\n");
  EXPECT_TRUE(Ran(Drawreg("tree", config), 0, {"  F/"}));
  // FIFOs in their place are refused at once, never waited on (a hang would end with 124).
  std::filesystem::remove(reg.dir.path() + "/config/drawreg/config");
  ASSERT_EQ(0, mkfifo((reg.dir.path() + "/config/drawreg/config").c_str(), 0600));
  EXPECT_TRUE(Ran(Drawreg("tree", config), 2, {"not a regular file"}));
  ASSERT_EQ(0, mkfifo((reg.dir.path() + "/catalogue").c_str(), 0600));
  reg.MakeFile("a.dwg");
  EXPECT_TRUE(
      Ran(Entry(reg.dir.path() + "/a.dwg", "--catalogue " + Quoted(reg.dir.path() + "/catalogue")),
          2, {"--catalogue"}));
}

TEST_F(Program, NamesCodePage932CannotHoldExactlyAreRefused) {
  // Latin letters it lacks, a character outside it, and one it holds only as a look-alike.
  for (const char8_t* name : {u8"müller.dwg", u8"図面😀.dwg", u8"〜.dwg"}) {
    const std::string path = reg.dir.path() + "/" + Utf8(name);
    WriteBytes(CString(path), "drawing");  // the bytes of the UTF-8 name
    EXPECT_TRUE(Ran(Entry(path, "--yes"), 2, {"FILE", "code page 932"}));
  }
  reg.MakeFile("a.dwg");
  EXPECT_TRUE(Ran(Drawreg("entry " + Quoted(reg.dir.path() + "/a.dwg") + " --root " + Quoted(root) +
                          " --to " + Quoted(root + Utf8(u8"/図面😀"))),
                  2, {"--to"}));
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
  EXPECT_TRUE(Ran(tree, 0, {"esc\\x1b[2J/"}));
  // A record another program wrote, whose file is there.
  reg.MakeFile("root/F/red\x1b[31m\ax.dwg");
  WriteBytes(CString(folder + "/FOLDERINF.$$$"),
             TestRegister::Record("red\x1b[31m\ax.dwg").ToString().Bytes() + "\r\n");
  const ProgramRun list = Drawreg("list " + Quoted(folder));
  EXPECT_TRUE(Ran(list, 0, {"red\\x1b[31m\\x07x.dwg "}));
  reg.MakeFile("tab\there\r.dwg");
  const ProgramRun entry = Entry(reg.dir.path() + "/tab\there\r.dwg", "--yes");
  EXPECT_TRUE(Holds(entry.out, "tab\\there\\r.dwg"));
  for (const ProgramRun* run : {&tree, &list, &entry}) {
    EXPECT_EQ(std::string::npos, run->out.find_first_of("\x1b\a\r\t")) << run->out;
  }
}

TEST_F(Program, FailuresNameTheFileTheCauseAndTheSystemsReason) {
  reg.MakeFile("big.dwg", std::string(256 * 1024, 'b'));
  // Past a file size limit the copy fails with a write error instead of killing the program.
  EXPECT_TRUE(Ran(Drawreg("entry " + Quoted(reg.dir.path() + "/big.dwg") + " --root " +
                              Quoted(root) + " --to " + Quoted(folder) + " --type PL",
                          "", "ulimit -f 16;"),
                  1, {folder + "/big.dwg: write error: " + std::strerror(EFBIG)}));
  // Lines the information file holds that are no record are named with the file.
  reg.MakeFile("a.dwg");
  ASSERT_EQ(0, Entry(reg.dir.path() + "/a.dwg", "--life D --type PL --page 2").status);
  std::ofstream(folder + "/FOLDERINF.$$$", std::ios::app) << "no record\r\n";
  EXPECT_TRUE(Ran(Drawreg("list " + Quoted(folder)), 0,
                  {folder + "/FOLDERINF.$$$: line 2 could not be read", "D0PL0020.dwg"}));
}

TEST_F(Program, ListAndTreeWaitForALockedFolder) {
  reg.MakeFile("a.dwg");
  ASSERT_EQ(0, Entry(reg.dir.path() + "/a.dwg", "--life D --type PL --page 1 --rev A").status);
  OtherUser other(reg.env, CString(folder.c_str()));
  ASSERT_TRUE(other.Locked());
  EXPECT_TRUE(Ran(Drawreg("list " + Quoted(folder) + " --wait 0.3"), 1, {"locked"}));
  EXPECT_TRUE(
      Ran(Drawreg("tree --files --root " + Quoted(root) + " --wait 0.3"), 1, {Utf8(u8"(編集中)")}));
  std::thread let_go([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    other.LetGo();
  });
  const auto start = std::chrono::steady_clock::now();
  const ProgramRun waited = Drawreg("list " + Quoted(folder) + " --wait 15");
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
  EXPECT_TRUE(Ran(waited, 0, {"D0PL001A.dwg"}));
  let_go.join();
}

TEST_F(Program, EntryThenListShowsTheRegisteredFile) {
  reg.MakeDir(CString("root/") + u8"平面図");
  reg.MakeDir("src");
  reg.MakeFile("src/plan.dwg", std::string(1536, 'x'));
  folder = root + "/" + Utf8(u8"平面図");
  EXPECT_TRUE(
      Ran(Entry(reg.dir.path() + "/src/plan.dwg", "--life D --type PF --page 7 --rev A"), 0));
  const ProgramRun list = Drawreg("list " + Quoted(folder));
  EXPECT_EQ(0, list.status) << list.out;
  const size_t row = list.out.find("\nplan.dwg ");
  ASSERT_NE(std::string::npos, row) << list.out;
  const std::string line = list.out.substr(row + 1, list.out.find('\n', row + 1) - row - 1);
  EXPECT_TRUE(Holds(line, " D0PF007A.dwg "));
  EXPECT_TRUE(Holds(line, " 1.50 KB "));
  // Refusals print the message box they answered and end with 1.
  EXPECT_TRUE(Ran(Entry(reg.dir.path() + "/src/plan.dwg"), 1, {Utf8(u8"[ファイルの上書き確認]")}));
  EXPECT_EQ(1, Drawreg("list --root " + Quoted(root) + " " + reg.dir.path() + "/src").status);
}

TEST_F(Program, TheNamingEditionIsSetPerRegisterAndAskedForWhenRecordsExist) {
  const std::string at_root = " --root " + Quoted(root);
  const std::string settings = root + "/drawreg.conf";
  // An empty register switches without a question; no settings file means 2004.
  EXPECT_TRUE(Ran(Drawreg("naming" + at_root), 0, {"2004"}));
  EXPECT_TRUE(Ran(Drawreg("naming 2017" + at_root), 0, {"2017"}));
  EXPECT_EQ("naming = 2017\n", ReadBytes(CString(settings)));
  EXPECT_TRUE(Ran(Drawreg("naming 2004" + at_root), 0));
  reg.MakeFile("a.dwg");
  ASSERT_TRUE(
      Ran(Entry(reg.dir.path() + "/a.dwg", "--life D --ref 1 --type PL --page 7 --rev B"), 0));
  const std::string info = ReadBytes(CString(folder + "/FOLDERINF.$$$"));
  // With records every name changes: only with --yes.
  EXPECT_TRUE(Ran(Drawreg("naming 2017" + at_root), 1, {"--yes"}));
  EXPECT_EQ("naming = 2004\n", ReadBytes(CString(settings)));
  EXPECT_TRUE(Ran(Drawreg("naming 2017 --yes" + at_root), 0));
  EXPECT_TRUE(Holds(Drawreg("list " + Quoted(folder)).out, " 007D1PLB.dwg "));
  EXPECT_EQ(info, ReadBytes(CString(folder + "/FOLDERINF.$$$"))) << "the records stay as they are";
  // A drawing named by the 2017 order brings its fields and its part.
  const std::string named = reg.dir.path() + "/" + Utf8(u8"001D0PLZ-平面図.P21");
  reg.MakeFile(CString(u8"001D0PLZ-平面図.P21"));
  ASSERT_TRUE(Ran(Entry(named), 0));
  EXPECT_TRUE(Holds(Drawreg("list " + Quoted(folder)).out, Utf8(u8" 001D0PLZ-平面図.P21 ")));
  EXPECT_TRUE(Holds(Drawreg("list --json " + Quoted(folder)).out, Utf8(u8"\"title\": \"平面図\"")));
  EXPECT_TRUE(Ran(Drawreg("naming 2004 --yes" + at_root), 0));
  EXPECT_TRUE(Holds(Drawreg("list " + Quoted(folder)).out, " D0PL001Z.P21 "));
  // A part no setter would take, written by another program, is reported by the check.
  std::ofstream(folder + "/FOLDERINF.$$$", std::ios::app)
      << "a.dwg\tD\t1\t0\t1\tPL\t007\tB\tabc\t\r\n";
  EXPECT_TRUE(Ran(Drawreg("check" + at_root), 1, {"user-defined part \"abc\""}));
  // A settings file that is a link, or names another edition, is refused before any work.
  std::filesystem::remove(settings);
  reg.MakeFile("elsewhere.conf", "naming = 2017\n");
  std::filesystem::create_symlink(reg.dir.path() + "/elsewhere.conf", settings);
  EXPECT_TRUE(Ran(Drawreg("tree" + at_root), 2, {"not a regular file"}));
  EXPECT_TRUE(Ran(Drawreg("naming 2017 --yes" + at_root), 2, {"not a regular file"}));
  EXPECT_TRUE(std::filesystem::is_symlink(settings));
  std::filesystem::remove(settings);
  WriteBytes(CString(settings), "naming = 2010\n");
  EXPECT_TRUE(Ran(Drawreg("list " + Quoted(folder)), 2, {"2004 or 2017"}));
  EXPECT_EQ(2, Drawreg("naming 2016" + at_root).status);
}

// The lines of out that hold text.
int LinesHolding(const std::string& out, const std::string& text) {
  int count = 0;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);)
    count += line.find(text) != std::string::npos ? 1 : 0;
  return count;
}

TEST_F(Program, CheckReportsEachPlantedProblemOnceAndNothingOnACleanRegister) {
  // A clean register: a drawing, and an SXF drawing with its attribute and raster files.
  reg.MakeDir("src");
  reg.MakeFile("src/a.dwg");
  reg.MakeFile("src/gone.dwg");
  reg.MakeFile("src/X.P21", "DATA;\n#10=EXTERNAL_IMAGE('$$RASTER$$pic.tif');\nENDSEC;\n");
  reg.MakeFile("src/X.SAF", "attributes");
  reg.MakeFile("src/pic.tif", "raster");
  reg.MakeFile("root/drawreg.conf", "naming = 2017\n");
  ASSERT_EQ(0, Entry(reg.dir.path() + "/src/a.dwg", "--life D --type PL --page 1").status);
  ASSERT_EQ(0, Entry(reg.dir.path() + "/src/gone.dwg", "--life D --type PL --page 2").status);
  ASSERT_EQ(0, Entry(reg.dir.path() + "/src/X.P21", "--life D --type PF --page 3").status);
  const std::string check = "check --root " + Quoted(root);
  EXPECT_TRUE(Ran(Drawreg(check), 0));
  EXPECT_EQ("", Drawreg(check).out);

  // One of each problem.
  std::filesystem::remove(folder + "/gone.dwg");
  std::filesystem::remove(folder + "/X.SAF");
  reg.MakeFile("root/F/stray.txt");
  reg.MakeFile("root/F/c.dwg");
  reg.MakeFile("root/F/r.dwg");
  reg.MakeFile("root/F/FOLDERINF.$$$.journal", "half a save");
  reg.MakeFile("root/F/.drawreg-copy-1234", "half a copy");
  std::ofstream(folder + "/FOLDERINF.$$$", std::ios::app)
      << "c.dwg\tD\t0\t0\t1\tPL\t001\t0\t\r\n"  // the deliverable name of a.dwg
      << "r.dwg\tx\t0\t0\t1\tPL\t001\tB\t\r\n"  // a life cycle no setter takes
      << "no record\r\n";
  const ProgramRun run = Drawreg(check);
  EXPECT_EQ(1, run.status) << run.out;
  // Each once, on a line of its own that names the folder and the file; nothing else.
  const std::string expected[] = {folder + "/gone.dwg: registered, but the file is missing",
                                  folder + "/stray.txt: no record lists it",
                                  // in the register's edition, 2017
                                  folder + "/001D0PL0.dwg: deliverable name given 2 times",
                                  folder + "/r.dwg: a record the register refuses: life cycle",
                                  folder + "/X.P21: its attribute file \"X.SAF\" is missing",
                                  folder + "/FOLDERINF.$$$: line 6 is no record",
                                  folder + "/FOLDERINF.$$$.journal: the journal",
                                  folder + "/.drawreg-copy-1234: a temporary copy"};
  for (const std::string& line : expected)
    EXPECT_EQ(1, LinesHolding(run.out, line)) << line << "\n" << run.out;
  EXPECT_EQ(8, LinesHolding(run.out, ""));
  // A check writes nothing: the journal is not replayed, the records of gone files stay.
  EXPECT_TRUE(std::filesystem::exists(folder + "/FOLDERINF.$$$.journal"));
  EXPECT_TRUE(Holds(ReadBytes(CString(folder + "/FOLDERINF.$$$")), "gone.dwg\t"));
  EXPECT_EQ(0, LinesHolding(run.out, "drawreg.conf"));

  // The same problems for scripts.
  const ProgramRun json = Drawreg(check + " --json");
  EXPECT_EQ(1, json.status);
  const nlohmann::json report = nlohmann::json::parse(json.out);
  EXPECT_EQ(root, report["root"]);
  EXPECT_EQ(1, report["folders"]);
  std::multiset<std::string> kinds;
  for (const auto& problem : report["problems"]) {
    kinds.insert(problem["kind"].get<std::string>());
    EXPECT_EQ(folder, problem["folder"]);
    EXPECT_EQ(problem["kind"] == "line", problem.contains("line"));
  }
  EXPECT_EQ((std::multiset<std::string>{"missing", "unlisted", "duplicate", "refused", "companion",
                                        "line", "leftover", "leftover"}),
            kinds);
  // And as a sheet: a byte order mark, a header row and a row each.
  const ProgramRun sheet = Drawreg(check + " --csv");
  EXPECT_EQ(0u,
            sheet.out.find("\xEF\xBB\xBF\"kind\",\"folder\",\"file\",\"line\",\"problem\"\r\n"));
  EXPECT_EQ(9, LinesHolding(sheet.out, "\r"));
}

TEST_F(Program, CheckReportsAndSkipsAFolderAnotherUserHolds) {
  reg.MakeDir("root/G");
  reg.MakeFile("a.dwg");
  ASSERT_EQ(0, Entry(reg.dir.path() + "/a.dwg", "--life D --type PL --page 1").status);
  reg.MakeFile("root/F/stray.txt");  // not seen: the folder is not checked
  OtherUser other(reg.env, CString(folder.c_str()));
  ASSERT_TRUE(other.Locked());
  const ProgramRun run = Drawreg("check --wait 0.3 --root " + Quoted(root));
  other.LetGo();
  EXPECT_TRUE(Ran(run, 1, {folder + "/FOLDERINF.$$$: locked by another user"}));
  EXPECT_EQ(1, LinesHolding(run.out, "")) << run.out;
  EXPECT_FALSE(std::filesystem::exists(root + "/G/FOLDERINF.$$$")) << "a check creates nothing";
  // Once let go, the folder is checked.
  EXPECT_TRUE(Ran(Drawreg("check --wait 0.3 --root " + Quoted(root)), 1, {"/stray.txt: "}));
}

}  // namespace

// Batches through the program: entry and setting of several files through the batch grid,
// filled from options and from a sheet, and the register to a spreadsheet and back.
#include <fstream>

#include "host/ProgramFixture.h"

namespace {

const std::string kBom = "\xEF\xBB\xBF";

class Batch : public Program {
 protected:
  // Makes files of these names under src and returns their paths, quoted, for a command line.
  std::string Sources(std::initializer_list<const char*> names) {
    reg.MakeDir("src");
    for (const char* name : names)
      reg.MakeFile(CString("src/") + name);
    return Paths(reg.dir.path() + "/src", names);
  }
  static std::string Paths(const std::string& dir, std::initializer_list<const char*> names) {
    std::string paths;
    for (const char* name : names)
      paths += " " + Quoted(dir + "/" + name);
    return paths;
  }
  std::string Sheet(const std::string& bytes) {
    const std::string path = reg.dir.path() + "/sheet.csv";
    std::ofstream(path, std::ios::binary) << bytes;
    return " --sheet " + Quoted(path);
  }
  ProgramRun Run(const std::string& command, const std::string& files, const std::string& options) {
    return Drawreg(command + files + " --root " + Quoted(root) +
                   (command == "entry" ? " --to " + Quoted(folder) : "") + " " + options);
  }
  std::string Csv() { return Drawreg("list --csv " + Quoted(folder)).out; }
};

std::string Row(const char* file, const char* fields, const char* name) {
  return "\"" + std::string(file) + "\"," + fields + ",\"" + name + "\"\r\n";
}

TEST_F(Batch, ARegisterGoesToASheetAndBackChangedExactlyWhereTheSheetWasChanged) {
  const std::string files = Sources({"a.dwg", "b.dwg", "c.dwg"});
  // Options for every row, numbers in grid order, and a row of its own for b (letter case
  // ignored); the files without a row are named.
  const ProgramRun entry =
      Run("entry", files, "--yes --life D --type PL --number 1" + Sheet("file,rev\nB.DWG,C\n"));
  EXPECT_TRUE(Ran(entry, 0, {"a.dwg: no row in the sheet", "c.dwg: no row in the sheet"}));
  const std::string header = kBom + Utf8(
                                        u8"\"元ファイル名\",\"ﾗｲﾌｻｲｸﾙ\",\"整理番号\",\"図面番号\","
                                        u8"\"改訂履歴\",\"図面種類\",\"ファイル名\"\r\n");
  const std::string a = Row("a.dwg", R"("D","0","001","0","PL")", "D0PL0010.dwg");
  const std::string c = Row("c.dwg", R"("D","0","003","0","PL")", "D0PL0030.dwg");
  ASSERT_EQ(header + a + Row("b.dwg", R"("D","0","002","C","PL")", "D0PL002C.dwg") + c, Csv());

  // A spreadsheet's changes to b come back; its stale name cell is ignored.
  const std::string registered = Paths(folder, {"a.dwg", "b.dwg", "c.dwg"});
  const std::string changed =
      header + a + Row("b.dwg", R"("C","0","2","A","PF")", "D0PL002C.dwg") + c;
  EXPECT_TRUE(Ran(Run("setting", registered, "--yes" + Sheet(changed)), 0, {"C0PF002A.dwg"}));
  const std::string b = Row("b.dwg", R"("C","0","002","A","PF")", "C0PF002A.dwg");
  EXPECT_EQ(header + a + b + c, Csv());

  // The same sheet saved in code page 932, headings and all, reads the same.
  const std::string cp932 = afx::FromUtf8(changed.substr(kBom.size())).Bytes();
  ASSERT_NE(cp932, changed.substr(kBom.size()));
  std::string again = cp932;
  again.replace(again.find("\"A\",\"PF\""), 8, "\"B\",\"PF\"");
  EXPECT_TRUE(Ran(Run("setting", registered, "--yes" + Sheet(again)), 0, {"C0PF002B.dwg"}));
  EXPECT_EQ(header + a + Row("b.dwg", R"("C","0","002","B","PF")", "C0PF002B.dwg") + c, Csv());
}

TEST_F(Batch, ABadSheetIsRefusedWithItsLineBeforeAnythingIsRegistered) {
  const std::string files = Sources({"a.dwg", "b.dwg"});
  struct Refused {
    const char* sheet;
    const char* line;
    const char* why;
  };
  const Refused refused[] = {{"file,type\na.dwg,PL\nb.dwg,XX\n", "line 3", "XX"},
                             {"file,life\r\na.dwg,D\r\nz.dwg,D\r\n", "line 3", "z.dwg"},
                             {"file,life\na.dwg,D\nA.DWG,C\n", "line 3", "line 2"},
                             {"file,rev\na.dwg,\"A\nb.dwg,B\n", "line 2", "quote"},
                             {"file,life\na.dwg,D,X\n", "line 2", "3 cells"},
                             {"file,colour\n", "line 1", "colour"},
                             {"life\nD\n", "line 1", "file"},
                             {"\xEF\xBB\xBF"
                              "file,page\na.dwg,1000\n",
                              "line 2", "1000"},
                             // This register composes 2004 names, which have no title.
                             {"file,title\na.dwg,PLAN\n", "line 2", "2004"}};
  for (const Refused& r : refused) {
    EXPECT_TRUE(Ran(Run("entry", files, "--yes --type PL" + Sheet(r.sheet)), 2, {r.line, r.why}))
        << r.sheet;
  }
  EXPECT_FALSE(Registered());
}

TEST_F(Batch, InThe2017EditionTheSheetCarriesEachDrawingsTitle) {
  std::ofstream(root + "/drawreg.conf") << "naming = 2017\n";
  const std::string files = Sources({"a.dwg", "b.dwg"});
  EXPECT_TRUE(Ran(Run("entry", files, "--yes --type PL" + Sheet("file,title\nb.dwg,pl\n")), 2,
                  {"line 2", "'pl'"}));  // half-width lower case is no part of a name
  EXPECT_FALSE(Registered());
  const std::string sheet = Utf8(u8"file,title\na.dwg,平面図\nb.dwg,\n");
  ASSERT_TRUE(Ran(Run("entry", files, "--yes --life D --type PL --number 1" + Sheet(sheet)), 0));
  const std::string csv = Csv();
  EXPECT_TRUE(Holds(csv, Utf8(u8"\"ファイル名\",\"図面名\"\r\n")));
  EXPECT_TRUE(Holds(csv, Utf8(u8"\"001D0PL0-平面図.dwg\",\"平面図\"\r\n")));
  EXPECT_TRUE(Holds(csv, "\"002D0PL0.dwg\",\"\"\r\n"));
}

TEST_F(Batch, AGridCheckOrAMissingFileGivesUpWithNothingRegistered) {
  const std::string files = Sources({"a.dwg", "b.dwg"});
  EXPECT_TRUE(Ran(Run("entry", files, "--yes"), 1,
                  {Utf8(u8"drawreg: [データエラー] 1行目の図面種類が設定されていません。")}));
  EXPECT_TRUE(Ran(Run("entry",
                      files + " " + Quoted(reg.dir.path() + "/none.dwg") + " " +
                          Quoted(reg.dir.path() + "/src"),
                      "--yes --type PL"),
                  1, {"none.dwg: no such file", "src: a directory"}));
  // Taking the lock made the list, empty; no file was copied.
  EXPECT_FALSE(Holds(Csv(), "a.dwg"));
  EXPECT_FALSE(std::filesystem::exists(folder + "/a.dwg"));
  // Numbers counting down; no room below 1 or above 999 is bad usage.
  EXPECT_EQ(2, Run("entry", files, "--yes --type PL --number 1:-").status);
  EXPECT_EQ(2, Run("entry", files, "--yes --type PL --number 999").status);
  EXPECT_EQ(2, Run("entry", files, "--yes --type PL --number 5 --page 5").status);
  EXPECT_TRUE(Ran(Run("entry", files, "--yes --type PL --number 9:-"), 0));
  EXPECT_TRUE(Holds(Csv(), "S0PL0090.dwg\"\r\n\"b.dwg\",\"S\",\"0\",\"008\""));
}

}  // namespace

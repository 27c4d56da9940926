// The program's views of templates, link boxes and the register: as text and as JSON, which
// the tests read back with a JSON parser.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "framework/CArchive.h"
#include "framework/CFile.h"
#include "host/ProgramFixture.h"
#include "templates/TovoLinkBox.h"
#include "templates/TovoTemplate.h"

namespace {

using nlohmann::json;

// Whether some line of text holds every piece, in order (columns are padded to line up).
bool LineHolds(const std::string& text, std::initializer_list<std::string> pieces) {
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = text.substr(start, end - start);
    size_t at = 0;
    bool all = true;
    for (const std::string& piece : pieces) {
      at = line.find(piece, at);
      if (at == std::string::npos) {
        all = false;
        break;
      }
      at += piece.size();
    }
    if (all) return true;
  }
  return false;
}

class Views : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DRAWREG_HOST")) GTEST_SKIP() << "DRAWREG_HOST names the program under test";
    std::filesystem::create_directories(dir.path() + "/base/TOVO/TEMPLATE");
  }

  // The program with arguments; standard output and standard error apart.
  ProgramRun Drawreg(const std::string& args) {
    return RunDrawreg(args, "", "", dir.path() + "/stderr");
  }

  json Json(const std::string& args, int status = 0) {
    const ProgramRun run = Drawreg(args + " --json");
    EXPECT_EQ(status, run.status) << run.err;
    return json::parse(run.out);
  }

  std::string TemplatePath(const char* file) const {
    return dir.path() + "/base/TOVO/TEMPLATE/" + file;
  }

  // A template with one folder holding a file box (with an auto-link record) and a sub-folder.
  void SaveTemplate(const std::string& path, const char8_t* name) {
    TovoTemplate tmpl;
    tmpl.Name(CString(name));
    tmpl.OutText(CString(u8"成果品"));
    tmpl.OutProgram("out.exe");
    tmpl.OutCmdLine("-o %s");
    TovoFolder* folder = TovoFolder::Create("DRAWING", CString(u8"図面"));
    TovoFileBox::CreateInfo info{0xF, "PLAN", CString(u8"平面図"), 3, "P21"};
    TovoFileBox* box = TovoFileBox::Create(info);
    box->AddAutoLink({1, 2, CString(u8"道路"), "T2"});
    folder->AddFileBox(box);
    folder->AddFolder(TovoFolder::Create("SUB", "sub"));
    tmpl.AddFolder(folder);
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    tmpl.Save(ar);
    ar.Close();
  }

  // A link box with two links, the second with group number -1, and a deleted link.
  std::string SaveLinkBox() {
    TovoFileBox::CreateInfo info{0x3, "PLAN", CString(u8"平面図"), 0, ""};
    std::unique_ptr<TovoFileBox> file_box(TovoFileBox::Create(info));
    std::unique_ptr<TovoLinkBox> box(TovoLinkBox::Create(*file_box));
    const char8_t* folders[] = {u8"測量図", u8"平面図面", u8"削除分"};
    for (int i = 0; i < 3; ++i) {
      TovoLink::LinkInfo where{i == 1 ? -1 : 7, CString(folders[i])};
      TovoLink* link = TovoLink::Create(&where);
      link->Name(CString(u8"図面") + CString(std::to_string(i).c_str()));
      link->SetExtension("P21");
      box->AddLink(link);
    }
    box->DelLink(2, 1);
    const std::string path = dir.path() + "/box.xml";
    EXPECT_EQ(1, box->Save(path.c_str()));
    return path;
  }

  TempDir dir;
};

TEST_F(Views, TemplateListNamesUserTemplatesFirstThenStandardOnes) {
  SaveTemplate(TemplatePath("Std.@FT"), u8"標準テンプレート");
  SaveTemplate(TemplatePath("Road.TFT"), u8"道路");
  const std::string base = " --templates '" + dir.path() + "/base'";
  const ProgramRun text = Drawreg("template list" + base);
  EXPECT_EQ(0, text.status) << text.err;
  EXPECT_TRUE(LineHolds(text.out, {Utf8(u8"ユーザー"), "Road.TFT", Utf8(u8"道路")})) << text.out;
  const json list = Json("template list" + base);
  ASSERT_EQ(2u, list["templates"].size());
  EXPECT_EQ("user", list["templates"][0]["kind"]);
  EXPECT_EQ(Utf8(u8"道路"), list["templates"][0]["name"]);
  EXPECT_EQ("standard", list["templates"][1]["kind"]);
  EXPECT_EQ(Utf8(u8"標準テンプレート"), list["templates"][1]["name"]);
  EXPECT_EQ(TemplatePath("Std.@FT"), list["templates"][1]["path"]);
}

TEST_F(Views, TemplateShowGivesSettingsFoldersAndFileBoxes) {
  SaveTemplate(TemplatePath("Road.TFT"), u8"道路");
  const std::string file = " '" + TemplatePath("Road.TFT") + "'";
  const ProgramRun text = Drawreg("template show" + file);
  EXPECT_EQ(0, text.status) << text.err;
  EXPECT_NE(std::string::npos, text.out.find(Utf8(u8"[PLAN]  平面図  桁数 3  拡張子 P21")))
      << text.out;
  const json tmpl = Json("template show" + file);
  EXPECT_EQ(Utf8(u8"道路"), tmpl["name"]);
  EXPECT_EQ(Utf8(u8"成果品"), tmpl["outText"]);
  EXPECT_EQ("-o %s", tmpl["outCmdLine"]);
  const json& folder = tmpl["folders"][0];
  EXPECT_EQ(Utf8(u8"図面"), folder["dispName"]);
  EXPECT_EQ("SUB", folder["folders"][0]["name"]);
  const json& box = folder["fileBoxes"][0];
  EXPECT_EQ(3, box["snDigit"]);
  EXPECT_EQ("P21", box["extension"]);
  EXPECT_EQ(2, box["autoLinks"][0]["param2"]);
  EXPECT_EQ(Utf8(u8"道路"), box["autoLinks"][0]["text1"]);
}

TEST_F(Views, LinkBoxShowGivesLinksAsTheBoxHoldsThem) {
  const std::string file = " '" + SaveLinkBox() + "'";
  const ProgramRun text = Drawreg("linkbox show" + file);
  EXPECT_EQ(0, text.status) << text.err;
  EXPECT_TRUE(LineHolds(text.out, {"1", "4294967295", Utf8(u8"平面図面"), Utf8(u8"図面1"), "P21"}))
      << text.out;
  const json box = Json("linkbox show" + file);
  EXPECT_EQ(Utf8(u8"平面図"), box["dispName"]);
  ASSERT_EQ(2u, box["links"].size());
  EXPECT_EQ(1, box["links"][1]["no"]);
  EXPECT_EQ(4294967295u, box["links"][1]["groupNo"]);
  EXPECT_EQ(Utf8(u8"平面図面"), box["links"][1]["folName"]);
  EXPECT_EQ(Utf8(u8"図面0"), box["links"][0]["name"]);
  ASSERT_EQ(1u, box["deletedLinks"].size());
  EXPECT_EQ(Utf8(u8"削除分"), box["deletedLinks"][0]["folName"]);
}

TEST_F(Views, DamagedOrUnreadableFilesAreNamedWithTheirProblem) {
  SaveTemplate(TemplatePath("Road.TFT"), u8"道路");
  const std::string good = ReadBytes(CString(TemplatePath("Road.TFT").c_str()));
  WriteBytes(CString(TemplatePath("Cut.TFT").c_str()), good.substr(0, good.size() / 2));
  // A folder count of two thousand million in a file of a few bytes.
  WriteBytes(CString(TemplatePath("Huge.@FT").c_str()),
             std::string("\x00\x03\x00\x00\x00\x00\x00\x00\xff\xff\xff\x7f", 12));
  const ProgramRun list = Drawreg("template list --templates '" + dir.path() + "/base'");
  EXPECT_EQ(1, list.status);
  EXPECT_NE(std::string::npos, list.out.find(Utf8(u8"道路"))) << "the readable ones are listed";
  EXPECT_NE(std::string::npos, list.err.find(TemplatePath("Cut.TFT") + ": damaged")) << list.err;
  EXPECT_NE(std::string::npos, list.err.find(TemplatePath("Huge.@FT") + ": damaged")) << list.err;
  const json listed = Json("template list --templates '" + dir.path() + "/base'", 1);
  for (const json& entry : listed["templates"]) {
    const bool readable = entry["fileName"] == "Road.TFT";
    EXPECT_EQ(readable, !entry["name"].is_null()) << entry;
    if (!readable) {
      EXPECT_NE(std::string::npos, entry["problem"].get<std::string>().find("damaged"));
    }
  }

  const std::string junk = dir.path() + "/junk.xml";
  WriteBytes(CString(junk.c_str()), "<TovoLinkBox Version=\"1.00\"><Links>");
  const std::string fifo = dir.path() + "/fifo.xml";
  ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
  // A template named with a character code page 932 does not define has no JSON form.
  const std::string undefined = dir.path() + "/undefined.TFT";
  WriteBytes(CString(undefined.c_str()), std::string("\x00\x03\x00\x00\x02\x85\x40\x00\x00\x00"
                                                     "\x00\x00\x00\x00",
                                                     14));
  const std::string link = dir.path() + "/link.TFT";
  std::filesystem::create_symlink(TemplatePath("Road.TFT"), link);
  const std::pair<std::string, std::string> refused[] = {
      {"template show '" + TemplatePath("Cut.TFT") + "'", TemplatePath("Cut.TFT") + ": damaged"},
      {"template show '" + link + "'", link + ": a symbolic link"},
      {"linkbox show '" + junk + "'", junk + ": not a well-formed XML file"},
      {"linkbox show '" + fifo + "'", fifo + ": not a regular file (a FIFO"},
      {"linkbox show '" + TemplatePath("Road.TFT") + "'", "Road.TFT: not a"},
      {"template show '" + undefined + "'", undefined + ": a name that code page 932 does not"}};
  for (const auto& [args, message] : refused) {
    const ProgramRun run = Drawreg(args + " --json");
    EXPECT_EQ(1, run.status) << args;
    EXPECT_NE(std::string::npos, run.err.find(message)) << run.err;
    EXPECT_EQ("", run.out) << args;
  }
}

TEST_F(Views, RegisterTreeAndListAsJson) {
  const std::string root = dir.path() + "/root";
  std::filesystem::create_directories(root + "/F/G");
  WriteBytes(CString((dir.path() + "/a.dwg").c_str()), "drawing");
  ASSERT_EQ(0, Drawreg("entry '" + dir.path() + "/a.dwg' --root '" + root + "' --to '" + root +
                       "/F' --life D --ref 1 --type PL --page 7 --rev B")
                   .status);
  const json list = Json("list '" + root + "/F' --root '" + root + "'");
  ASSERT_EQ(1u, list["files"].size());
  EXPECT_EQ("a.dwg", list["files"][0]["source"]);
  EXPECT_EQ("D1PL007B.dwg", list["files"][0]["name"]);
  EXPECT_EQ("PL", list["files"][0]["type"]);
  EXPECT_EQ(7, list["files"][0]["size"]);
  const json tree = Json("tree --files --root '" + root + "'");
  EXPECT_EQ(root, tree["root"]);
  EXPECT_EQ("F", tree["folders"][0]["name"]);
  EXPECT_EQ("loaded", tree["folders"][0]["state"]);
  EXPECT_EQ("a.dwg", tree["folders"][0]["files"][0]["source"]);
  EXPECT_EQ("G", tree["folders"][0]["folders"][0]["name"]);
  EXPECT_EQ("nothing", tree["folders"][0]["folders"][0]["state"]);
}

}  // namespace

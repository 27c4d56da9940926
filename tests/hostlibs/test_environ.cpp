// The environment object's paths and path helpers, and the file list gathered by extension,
// on a real temporary folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/FileSystem.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/environ/CSelFileList.h"
#include "support/Files.h"
#include "support/TempDir.h"

namespace {

std::vector<std::string> Names(const CSelFileList& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.GetCnt(); ++i)
    names.push_back(list.GetFileName(i).Bytes());
  return names;
}

TEST(EnvironObjPaths, KeepsThePathsItsOwnerSetsWithoutATrailingSeparatorAndJoinsWithOne) {
  CEnvironObj env;
  EXPECT_EQ(CString(""), env.GetPath(CEnvironObj::kDrawingRoot));
  env.SetPath(CEnvironObj::kDrawingRoot, "/srv/drawings/");
  env.SetPath(CEnvironObj::kTemplateBase, "/");
  EXPECT_EQ(CString("/srv/drawings"), env.GetPath(0x03130000));
  EXPECT_EQ(CString("/"), env.GetPath(0x02050000));
  const auto joined = [&env](CString path, const CString& name) {
    env.AddFileName(path, name);
    return path;
  };
  EXPECT_EQ(CString("/srv/drawings/FOLDERINF.$$$"), joined("/srv/drawings", "FOLDERINF.$$$"));
  EXPECT_EQ(CString("/*.*"), joined("/", "*.*"));
  // A trail byte 0x5C is part of its character, not a separator of any kind.
  EXPECT_EQ(CString(u8"/srv/表/表.P21"), joined(CString(u8"/srv/表"), CString(u8"表.P21")));
}

TEST(EnvironObjPaths, SplitsPathsAtTheLastSeparatorAndNamesAtTheLastDot) {
  const CEnvironObj env;
  EXPECT_EQ(CString("C.P21"), env.GetFileNameFromRelativePath("A/B/C.P21"));
  EXPECT_EQ(CString("A/B"), env.GetDirNameFromRelativePath("A/B/C.P21"));
  EXPECT_EQ(CString("C.P21"), env.GetFileNameFromRelativePath("C.P21"));
  EXPECT_EQ(CString(""), env.GetDirNameFromRelativePath("C.P21"));
  const CString name = u8"表\\能.P21";  // 0x95 0x5C, a backslash, 0x94 0x5C
  ASSERT_EQ(std::string("\x95\x5C\x5C\x94\x5C.P21"), name.Bytes());
  EXPECT_EQ(name, env.GetFileNameFromRelativePath(CString(u8"/srv/表/") + name));
  EXPECT_EQ(CString(u8"/srv/表"), env.GetDirNameFromRelativePath(CString(u8"/srv/表/") + name));
  EXPECT_EQ(CString("a.b"), env.GetBaseNameFromFileName("a.b.dwg"));
  EXPECT_EQ(CString(".dwg"), env.GetExtNameFromFileName("a.b.dwg"));
  EXPECT_EQ(CString("README"), env.GetBaseNameFromFileName("README"));
  EXPECT_EQ(CString(""), env.GetExtNameFromFileName("README"));
  EXPECT_EQ(CString(u8"表"), env.GetBaseNameFromFileName(u8"表.P21"));
  EXPECT_EQ(CString(".P21"), env.GetExtNameFromFileName(u8"表.P21"));
}

TEST(EnvironObjDisk, TellsFilesFromDirectoriesAndCreatesMissingFolders) {
  TempDir dir;
  const CEnvironObj env;
  WriteBytes(dir.File("file"), "x");
  EXPECT_EQ(0, env.IsExist(dir.File("file")));
  EXPECT_GT(env.IsExist(dir.Path()), 0);
  EXPECT_LT(env.IsExist(dir.File("missing")), 0);
  const CString deep = dir.Path() + CString(u8"/表/B/C");
  EXPECT_EQ(1, env.CreateDir(deep, 1));
  EXPECT_GT(env.IsExist(deep), 0);
  EXPECT_EQ(1, env.CreateDir(deep, 1));  // already there
}

class SelFileListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"b.TFT", "a.tft", "c.@FT", "d.@ft", "e.TFT.bak", "f.P21", "TFT"})
      WriteBytes(dir_.File(name), "x");
    WriteBytes(dir_.Path() + "/" + CString(u8"表.TFT"), "x");
    afx::CreateDirectories(dir_.File("folder.TFT"));
  }
  TempDir dir_;
  CEnvironObj env_;
};

TEST_F(SelFileListTest, GathersFilesOfEachFilterInTheOrderOfTheCallsAndNoneOfAMissingFolder) {
  CSelFileList list;
  EXPECT_EQ(-1,
            list.AddFileList(env_, dir_.File("missing"), "x|.TFT", nullptr, 0, nullptr, nullptr));
  EXPECT_EQ(0, list.GetCnt());
  EXPECT_EQ(3,
            list.AddFileList(env_, dir_.Path(), u8"ﾕｰｻﾞｰﾌｧｲﾙ|.TFT", nullptr, 0, nullptr, nullptr));
  EXPECT_EQ(2,
            list.AddFileList(env_, dir_.Path(), u8"標準ﾌｧｲﾙ|.@FT", nullptr, 0, nullptr, nullptr));
  const std::vector<std::string> want = {"a.tft", "b.TFT", "\x95\x5C.TFT", "c.@FT", "d.@ft"};
  EXPECT_EQ(want, Names(list));
  EXPECT_EQ(CString(""), list.GetFileName(5));
  EXPECT_EQ(CString(""), list.GetFileName(-1));
}

TEST_F(SelFileListTest, TheCallbackMayRefuseOrRenameAFile) {
  struct Seen {
    int calls = 0;
    CString dir;
  } seen;
  const auto keep_b_renamed = [](const CEnvironObj&, CString& name, const CString& dir,
                                 void* data) {
    auto* s = static_cast<Seen*>(data);
    ++s->calls;
    s->dir = dir;
    if (name != CString("b.TFT")) return 0;
    name = "renamed";
    return 1;
  };
  CSelFileList list;
  EXPECT_EQ(1, list.AddFileList(env_, dir_.Path(), "|.TFT", "title", 1, keep_b_renamed, &seen));
  EXPECT_EQ(3, seen.calls);
  EXPECT_EQ(dir_.Path(), seen.dir);
  EXPECT_EQ(std::vector<std::string>{"renamed"}, Names(list));
}

}  // namespace

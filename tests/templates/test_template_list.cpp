// The template list on a real folder: which files it lists, in which order, and its names.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/Files.h"
#include "support/TempDir.h"
#include "templates/TovoTemplateList.h"

namespace {

class TovoTemplateListTest : public testing::Test {
 protected:
  void SetUp() override { env_.SetPath(CEnvironObj::kTemplateBase, dir_.Path()); }
  // Creates TOVO/TEMPLATE with the given files (names in UTF-8, as on disk).
  void MakeFolder(std::initializer_list<const char*> names) {
    const std::filesystem::path folder = std::filesystem::path(dir_.path()) / "TOVO" / "TEMPLATE";
    std::filesystem::create_directories(folder);
    for (const char* name : names)
      WriteBytes(afx::FromUtf8((folder / name).string()), "x");
  }

  TempDir dir_;
  CEnvironObj env_;
};

TEST_F(TovoTemplateListTest, ListsUserTemplatesThenStandardOnesAndNothingOfAMissingFolder) {
  TovoTemplateList list(&env_);
  EXPECT_EQ(0, list.LoadList());
  MakeFolder({"Std.@FT", "Road.TFT", "notes.txt", "\xE6\xB2\xB3\xE5\xB7\x9D.tft"});
  std::filesystem::create_directory(std::filesystem::path(dir_.path()) / "TOVO/TEMPLATE/Dir.TFT");
  ASSERT_EQ(3, list.LoadList());
  EXPECT_EQ(dir_.Path() + "/TOVO/TEMPLATE/Road.TFT", list.GetPathName(0));
  EXPECT_EQ(CString("Road.TFT"), list.GetFileName(0));
  EXPECT_EQ(CString("Road"), list.GetDispName(0));
  EXPECT_EQ(CString(u8"河川"), list.GetDispName(1));
  EXPECT_EQ(CString("Std.@FT"), list.GetFileName(2));
  EXPECT_EQ(3, list.LoadList());  // rebuilt, not appended
  EXPECT_EQ(3, list.GetCnt());
  EXPECT_THROW(list.GetPathName(3), CInvalidArgException);
  EXPECT_THROW(list.GetDispName(-1), CInvalidArgException);
  list.Clear();
  EXPECT_EQ(0, list.GetCnt());
  ASSERT_EQ(3, list.LoadList());
  std::filesystem::remove_all(std::filesystem::path(dir_.path()) / "TOVO");
  EXPECT_EQ(0, list.LoadList());
  EXPECT_EQ(0, list.GetCnt());
}

}  // namespace

// Changing the name fields of registered files: the folder's own records edited in the
// setting dialogs, the information file written again, the files on disk left as they are.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "registration/BatchEntryFixture.h"
#include "registration/Messages.h"
#include "support/Process.h"

namespace {

using namespace drawreg;
using namespace registration;

struct Setting : BatchEntryFixture {
  Setting() {
    for (const char* name : {"D0PL001Z.dwg", "D0PL002Z.dwg"}) {
      reg.MakeFile(CString("root/F/") + name, name);
      CDrawingFile record;
      CDrawingManager::SetInfoFromFileName(name, record, reg.env, &draft);
      F()->AddFile(record);
      paths.Add(reg.Path(CString("root/F/") + name));
    }
    EXPECT_EQ(1, F()->SaveFiles(reg.env));
  }
  CStringArray paths;
};

TEST_F(Setting, OnePathOpensTheSingleDialogAndConfirmingWritesTheFolderEvenUnchanged) {
  CStringArray one;
  one.Add(paths[1]);
  WriteBytes(reg.Path("root/F/FOLDERINF.$$$"), "");  // so that a write shows
  ASSERT_EQ(1, manager.SettingFiles(one, &draft, nullptr));
  EXPECT_EQ(0, grids);
  EXPECT_EQ(CString("D0PL002Z.dwg"), preview);
  EXPECT_NE(std::string::npos, Info().find("D0PL002Z.dwg\t"));
  EXPECT_NE(std::string::npos, Info().find("D0PL001Z.dwg\t"));
  // A file the register does not list, alone or among others.
  one[0] = reg.Path("root/F/none.dwg");
  EXPECT_EQ(0, manager.SettingFile(one[0], &draft, nullptr));
  EXPECT_EQ(CString(kNoSuchFile), Messages().back());
  EXPECT_EQ(CString(kSettingCaption), driver.MessageBoxes().back().caption);
  paths.Add(one[0]);
  EXPECT_EQ(0, manager.SettingFiles(paths, &draft, nullptr));
  EXPECT_EQ(1u, Messages().size());
}

TEST_F(Setting, AChangedFieldChangesTheDeliverableNameOnlyAndALockHeldBeforeStays) {
  ASSERT_EQ(1, F()->LockFolder(reg.env));
  edit = [](afx::DialogSession& s) {
    s.ClickCell(IDC_SHEET, 1, 2);
    s.TypeIntoCell(IDC_SHEET, "C");
  };
  ASSERT_EQ(1, manager.SettingFiles(paths, &draft, nullptr));
  EXPECT_EQ(CString("D0PL001Z.dwg|D0PL002Z.dwg"), sources);
  const CDrawingFile* changed = manager.FindFile(paths[1]);
  ASSERT_NE(nullptr, changed);
  EXPECT_EQ(CString("C0PL002Z.dwg"), changed->Name(0));
  EXPECT_EQ(CString("D0PL002Z.dwg"), changed->Name(1));
  EXPECT_EQ("D0PL002Z.dwg", ReadBytes(paths[1]));
  EXPECT_TRUE(F()->IsLockFolder());
  ASSERT_EQ(1, F()->UnLockFolder());
  EXPECT_NE(std::string::npos, Info().find("D0PL002Z.dwg\tC\t"));
  // Cancel: nothing written.
  const std::string before = Info();
  confirm = false;
  EXPECT_EQ(0, manager.SettingFiles(paths, &draft, nullptr));
  EXPECT_EQ(before, Info());
}

TEST_F(Setting, ASaveThatFailsIsReported) {
  const std::string before = Info();
  edit = [](afx::DialogSession& s) {
    s.ClickCell(IDC_SHEET, 0, 2);
    s.TypeIntoCell(IDC_SHEET, "C");
  };
  const int status = InChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{10, 10};
    setrlimit(RLIMIT_FSIZE, &limit);
    const int done = manager.SettingFiles(paths, &draft, nullptr);
    const bool told = !Messages().empty() && Messages().back() == CString(kWriteFailed);
    return done == 0 && told ? 0 : 1;
  });
  EXPECT_EQ(0, status);
  EXPECT_EQ(before, Info());
}

}  // namespace

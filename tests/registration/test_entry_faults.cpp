// Registration under hostile names and failing disks: refused with its own message, the
// register's records kept, nothing left unlisted, and the cause kept for the host to show.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "registration/EntryFixture.h"
#include "registration/Messages.h"
#include "support/Faults.h"
#include "support/Process.h"

namespace {

using namespace registration;

bool Exists(const CString& path) {
  return afx::LookAt(path).error == 0;
}

TEST_F(EntryFixture, NamesWithControlCharactersAndSourcesThatAreNoFilesAreRefusedUnlocked) {
  for (const char* name : {"tab\there.dwg", "line\nfeed.dwg", "cr\r.dwg", "del\x7F.dwg"}) {
    reg.MakeFile(CString("src/") + name);
    EXPECT_EQ(0, Entry(name)) << name;
    EXPECT_EQ(afx::FileFault::badName, manager.GetLastProblem().fault);
  }
  ASSERT_EQ(0, mkfifo(reg.Path("src/pipe.dwg").GetString(), 0600));
  EXPECT_EQ(0, Entry("pipe.dwg"));  // at once, never waiting for a writer
  EXPECT_EQ(afx::FileFault::notRegular, manager.GetLastProblem().fault);
  std::vector<CString> expected(4, CString(kBadName));
  expected.push_back(CString(kNotRegularFile));
  EXPECT_EQ(expected, Messages());
  EXPECT_FALSE(Exists(reg.Path("root/F/FOLDERINF.$$$")));  // the folder was never locked
}

TEST_F(EntryFixture, AFolderThatCannotBeReadIsNeverRewritten) {
  for (int i = 0; i < 3000; ++i) {
    const CString name = CString("d") + CString(std::to_string(i).c_str()) + ".dwg";
    reg.MakeFile(CString("root/F/") + name);
    F()->AddFile(TestRegister::Record(name));
  }
  ASSERT_EQ(1, F()->SaveFiles(reg.env));
  const std::string before = Info();
  reg.MakeFile("src/new.dwg");
  {
    faults::ReadFault fault("/root/F/FOLDERINF.$$$", before.size() / 2);
    EXPECT_EQ(0, Entry("new.dwg"));
  }
  EXPECT_EQ(afx::FileFault::readError, manager.GetLastProblem().fault);
  EXPECT_EQ(EIO, manager.GetLastProblem().osError);
  EXPECT_EQ(CString(kReadFailed), Messages().back());
  EXPECT_EQ(before, Info());
  EXPECT_FALSE(Exists(reg.Path("root/F/new.dwg")));
}

TEST_F(EntryFixture, ASaveThatFailsIsReportedAndLeavesNoUnlistedCopy) {
  F()->AddFile(TestRegister::Record("old.dwg"));
  reg.MakeFile("root/F/old.dwg");
  ASSERT_EQ(1, F()->SaveFiles(reg.env));
  const std::string before = Info();
  reg.MakeFile("src/new.dwg", "drawing");
  const int status = InChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};  // room for the drawing, none for the journal
    setrlimit(RLIMIT_FSIZE, &limit);
    const int done = Entry("new.dwg");
    const bool told = !Messages().empty() && Messages().back() == CString(kWriteFailed);
    return done == 0 && told && manager.GetLastProblem().osError == EFBIG ? 0 : 1;
  });
  EXPECT_EQ(0, status);
  EXPECT_EQ(before, Info());
  EXPECT_FALSE(Exists(reg.Path("root/F/new.dwg")));
}

TEST_F(EntryFixture, ACompanionNeverOverwritesAnotherRecordsFile) {
  reg.MakeFile("root/F/plan.tif", "REGISTERED");
  F()->AddFile(TestRegister::Record("plan.tif"));
  ASSERT_EQ(1, F()->SaveFiles(reg.env));
  reg.MakeFile("src/S.P21", "'plan.tif'");
  reg.MakeFile("src/plan.tif", "RASTER");
  EXPECT_EQ(0, Entry("S.P21"));
  EXPECT_EQ(CString(kCompanionIsRegistered), Messages().back());
  EXPECT_EQ(reg.Path("root/F/plan.tif"), manager.GetLastProblem().path);
  EXPECT_EQ("REGISTERED", ReadBytes(reg.Path("root/F/plan.tif")));
  EXPECT_FALSE(Exists(reg.Path("root/F/S.P21")));
}

TEST_F(EntryFixture, TheFileGoesIntoTheDirectoryOfTheFolderThatRecordsIt) {
  reg.MakeDir("root/f");  // a sibling differing only in case, on a case-sensitive disk
  reg.MakeDir("root/Plan");
  manager.LoadFolders();
  reg.MakeFile("src/a.dwg");
  ASSERT_EQ(1, manager.EntryFile(reg.Path("src/a.dwg"), reg.Path("root/f"), &draft, nullptr));
  EXPECT_TRUE(Exists(reg.Path("root/f/a.dwg")));
  EXPECT_FALSE(Exists(reg.Path("root/F/a.dwg")));
  EXPECT_NE(std::string::npos, ReadBytes(reg.Path("root/f/FOLDERINF.$$$")).find("a.dwg\t"));
  ASSERT_EQ(1, manager.EntryFile(reg.Path("src/a.dwg"), reg.Path("root/plan"), &draft, nullptr));
  EXPECT_TRUE(Exists(reg.Path("root/Plan/a.dwg")));
  EXPECT_NE(std::string::npos, ReadBytes(reg.Path("root/Plan/FOLDERINF.$$$")).find("a.dwg\t"));
  EXPECT_FALSE(Exists(reg.Path("root/plan")));
}

TEST_F(EntryFixture, AFailedCopyNamesItsFileAndCause) {
  reg.MakeFile("src/Y.SFC", "'missing.tif'");
  EXPECT_EQ(0, Entry("Y.SFC"));
  EXPECT_EQ(CString(kCopyFailed), Messages().back());
  EXPECT_EQ(reg.Path("root/F/missing.tif"), manager.GetLastProblem().path);
  EXPECT_EQ(ENOENT, manager.GetLastProblem().osError);
}

}  // namespace

// Registering several files into one folder: one question, one grid, companions travelling
// with their drawings, and nothing recorded that was not copied.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "registration/BatchEntryFixture.h"
#include "registration/DrawingEntryFileInfo.h"
#include "registration/Messages.h"
#include "support/Process.h"

namespace {

using namespace drawreg;
using namespace registration;
using BatchEntry = BatchEntryFixture;

TEST_F(BatchEntry, ABatchOfOneDrawingIsTheSingleRegistration) {
  reg.MakeFile("src/D0PL001Z.dwg");
  ASSERT_EQ(1, Batch({"D0PL001Z.dwg"}));
  EXPECT_EQ(CString("D0PL001Z.dwg"), preview);
  // The attribute file chosen with its drawing travels with it: one drawing, single dialog.
  reg.MakeFile("src/X.P21", "ISO-10303-21;");
  reg.MakeFile("src/X.SAF", "attributes");
  ASSERT_EQ(1, Batch({"X.P21", "X.SAF"}));
  EXPECT_EQ(0, grids);
  EXPECT_EQ(CString("S0??0010.P21"), preview);  // the single dialog, for X.P21
  EXPECT_EQ("attributes", ReadBytes(reg.Path("root/F/X.SAF")));
  EXPECT_EQ(nullptr, manager.FindFile(reg.Path("root/F/X.SAF")));
  EXPECT_NE(nullptr, manager.FindFile(reg.Path("root/F/X.P21")));
  EXPECT_EQ(0, manager.EntryFiles(CStringArray(), Folder(), &draft, nullptr));
  EXPECT_EQ(0, manager.EntryFiles(0, nullptr, Folder(), &draft, nullptr));
  // One name twice (from two folders) would be copied over itself and recorded twice.
  reg.MakeDir("src/b");
  reg.MakeFile("src/b/d0pl001z.dwg");
  EXPECT_EQ(0, Batch({"D0PL001Z.dwg", "b/d0pl001z.dwg", "X.P21"}));
  EXPECT_EQ(CString(kSameNameTwice), Messages().back());
  EXPECT_EQ(0, grids);
}

TEST_F(BatchEntry, ExistingFilesAreAskedAboutOnceAndNoCopiesNothing) {
  reg.MakeFile("root/F/D0PL002Z.dwg", "old 2");
  reg.MakeFile("root/F/D0PL003Z.dwg", "old 3");
  for (const char* name : {"D0PL001Z.dwg", "D0PL002Z.dwg", "D0PL003Z.dwg"})
    reg.MakeFile(CString("src/") + name, "new");
  answer = IDNO;
  EXPECT_EQ(0, Batch({"D0PL001Z.dwg", "D0PL002Z.dwg", "D0PL003Z.dwg"}));
  EXPECT_EQ(1u, Messages().size());
  EXPECT_EQ(CString(kOverwrite), Messages()[0]);
  EXPECT_EQ(0, grids);
  EXPECT_FALSE(Exists("root/F/D0PL001Z.dwg"));  // the first, new, file is not copied either
  EXPECT_EQ("old 2", ReadBytes(reg.Path("root/F/D0PL002Z.dwg")));
  answer = IDYES;
  {
    // Another user holds the last destination: that is found before any copy takes its name.
    const int held = ::open(reg.Path("root/F/D0PL003Z.dwg"), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(0, ::flock(held, LOCK_EX));
    EXPECT_EQ(0, Batch({"D0PL001Z.dwg", "D0PL002Z.dwg", "D0PL003Z.dwg"}));
    ::close(held);
  }
  EXPECT_FALSE(Exists("root/F/D0PL001Z.dwg"));
  EXPECT_EQ("old 2", ReadBytes(reg.Path("root/F/D0PL002Z.dwg")));
  const size_t asked = Messages().size();
  ASSERT_EQ(1, Batch({"D0PL001Z.dwg", "D0PL002Z.dwg", "D0PL003Z.dwg"}));
  EXPECT_EQ(asked + 1, Messages().size());  // one question for both existing files
  EXPECT_EQ("new", ReadBytes(reg.Path("root/F/D0PL002Z.dwg")));
  EXPECT_EQ("new", ReadBytes(reg.Path("root/F/D0PL003Z.dwg")));
  EXPECT_EQ(3, F()->GetFileCount());
  EXPECT_FALSE(F()->IsLockFolder());
}

TEST_F(BatchEntry, RegisteredAndNewFilesShareOneGridAndNewOnesFollowInInputOrder) {
  for (const char* name : {"D0PL001Z.dwg", "D0PL002Z.dwg", "D0PL003Z.dwg"})
    reg.MakeFile(CString("src/") + name, name);
  ASSERT_EQ(1, Entry("D0PL002Z.dwg"));
  const std::string before = Info();
  confirm = false;
  EXPECT_EQ(0, Batch({"D0PL003Z.dwg", "D0PL002Z.dwg", "D0PL001Z.dwg"}));
  EXPECT_EQ(before, Info());
  EXPECT_FALSE(Exists("root/F/D0PL003Z.dwg"));
  confirm = true;
  edit = [](afx::DialogSession& s) {
    s.ClickCell(IDC_SHEET, 1, 2);  // the registered file's life cycle
    s.TypeIntoCell(IDC_SHEET, "C");
  };
  ASSERT_EQ(1, Batch({"D0PL003Z.dwg", "D0PL002Z.dwg", "D0PL001Z.dwg"}));
  EXPECT_EQ(CString("D0PL003Z.dwg|D0PL002Z.dwg|D0PL001Z.dwg"), sources);
  EXPECT_EQ(CString("D0PL003Z.dwg|C0PL002Z.dwg|D0PL001Z.dwg"), names);
  EXPECT_EQ(
      "D0PL002Z.dwg\tC\t0\t0\t1\tPL\t002\tZ\t\r\n"
      "D0PL003Z.dwg\tD\t0\t0\t1\tPL\t003\tZ\t\r\n"
      "D0PL001Z.dwg\tD\t0\t0\t1\tPL\t001\tZ\t\r\n",
      Info());
  EXPECT_EQ("D0PL003Z.dwg", ReadBytes(reg.Path("root/F/D0PL003Z.dwg")));
}

TEST_F(BatchEntry, TheRecordFormRegistersACompanionOfAnotherRecordToo) {
  reg.MakeFile("src/X.P21", "ISO-10303-21;");
  reg.MakeFile("src/X.SAF", "attributes");
  DrawingEntryFileInfo infos[2];
  infos[0].path = reg.Path("src/X.P21");
  infos[1].path = reg.Path("src/X.SAF");
  for (DrawingEntryFileInfo& info : infos) {
    info.fieldNo = 0;
    info.no = 4;
    info.code = "ST";
    info.life = "C";
  }
  infos[1].page = "2";
  ASSERT_EQ(1, manager.EntryFiles(2, infos, Folder(), &draft, nullptr));
  EXPECT_EQ(CString("X.P21|X.SAF"), sources);
  EXPECT_EQ(CString("C0ST0010.P21|C0ST0020.SAF"), names);
  EXPECT_EQ(2, F()->GetFileCount());
  EXPECT_EQ("attributes", ReadBytes(reg.Path("root/F/X.SAF")));
}

TEST_F(BatchEntry, CompanionsComeFromTheFirstDrawingsFolderAndAFailedCopyRecordsNothing) {
  reg.MakeDir("src/a");
  reg.MakeDir("src/b");
  reg.MakeFile("src/a/D0PL001Z.dwg");
  reg.MakeFile("src/b/Y.P21", "ISO-10303-21;");
  reg.MakeFile("src/b/Y.SAF", "b's attributes");
  edit = [](afx::DialogSession& s) {  // Y.P21 has no type yet: LC
    s.ClickCell(IDC_SHEET, 1, 6);
    s.Click(IDC_TYPE_SELECT);
  };
  EXPECT_EQ(0, Batch({"a/D0PL001Z.dwg", "b/Y.P21"}));
  EXPECT_EQ(CString(kCopyFailed), Messages().back());
  EXPECT_EQ(reg.Path("root/F/Y.SAF"), manager.GetLastProblem().path);
  EXPECT_EQ("", Info());  // only the lock's empty file: no record of what was not copied
  EXPECT_FALSE(Exists("root/F/D0PL001Z.dwg"));
  EXPECT_FALSE(Exists("root/F/Y.P21"));
  reg.MakeFile("src/a/Y.SAF", "a's attributes");
  ASSERT_EQ(1, Batch({"a/D0PL001Z.dwg", "b/Y.P21"}));
  EXPECT_EQ("a's attributes", ReadBytes(reg.Path("root/F/Y.SAF")));
  EXPECT_EQ(2, F()->GetFileCount());
}

TEST_F(BatchEntry, ASaveThatFailsIsReportedAndLeavesNoUnlistedCopy) {
  reg.MakeFile("src/D0PL001Z.dwg");
  reg.MakeFile("src/D0PL002Z.dwg");
  const int status = InChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};  // room for the drawings, none for the journal
    setrlimit(RLIMIT_FSIZE, &limit);
    const int done = Batch({"D0PL001Z.dwg", "D0PL002Z.dwg"});
    const bool told = !Messages().empty() && Messages().back() == CString(kWriteFailed);
    return done == 0 && told ? 0 : 1;
  });
  EXPECT_EQ(0, status);
  EXPECT_EQ("", Info());
  EXPECT_FALSE(Exists("root/F/D0PL001Z.dwg"));
  EXPECT_FALSE(Exists("root/F/D0PL002Z.dwg"));
}

}  // namespace

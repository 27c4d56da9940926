// The journaled rewrite in place: a rewrite killed at any point is finished by the next holder
// of the lock, or undone where it never began, and never replayed over someone else's save.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "framework/InPlaceRewrite.h"
#include "support/Faults.h"
#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace {

constexpr UINT kHold = CFile::modeReadWrite | CFile::shareExclusive;

class RewriteFixture : public ::testing::Test {
 protected:
  // Leaves a rewrite of the file from old_text to new_text killed after `after` bytes.
  void KilledRewrite(const std::string& old_text, const std::string& new_text, size_t after) {
    WriteBytes(path, old_text);
    const int status = InChild([&] {
      faults::DieWhileRewriting("/list.txt", after);
      CFile file(path, kHold);
      afx::RewriteInPlace(file, new_text);
      return 0;
    });
    ASSERT_EQ(-1, status) << "the child should have died mid-rewrite";
  }
  afx::JournalOutcome Recover() {
    CFile file(path, kHold);
    return afx::RecoverJournal(file);
  }
  bool Exists(const CString& p) const { return afx::LookAt(p).error == 0; }

  TempDir dir;
  const CString path = dir.File("list.txt");
  const std::string old_text = std::string(3000, 'o') + "\r\n";
  const std::string new_short = std::string(1000, 'n') + "\r\n";
  const std::string new_long = std::string(5000, 'N') + "\r\n";
};

TEST_F(RewriteFixture, RewritesInPlaceKeepingTheFileItselfAndLeavesNoJournal) {
  WriteBytes(path, old_text);
  chmod(path.GetString(), 0640);
  struct stat before;
  ASSERT_EQ(0, stat(path.GetString(), &before));
  {
    CFile file(path, kHold);
    afx::RewriteInPlace(file, new_short);
    afx::RewriteInPlace(file, new_long);
  }
  struct stat after;
  ASSERT_EQ(0, stat(path.GetString(), &after));
  EXPECT_EQ(before.st_ino, after.st_ino);
  EXPECT_EQ(before.st_mode, after.st_mode);
  EXPECT_EQ(new_long, ReadBytes(path));
  EXPECT_FALSE(Exists(afx::JournalPath(path)));
  EXPECT_EQ(afx::JournalOutcome::none, Recover());
}

TEST_F(RewriteFixture, AKilledRewriteIsFinishedByTheNextHolder) {
  for (const std::string* new_text : {&new_short, &new_long}) {
    for (size_t after : {size_t{0}, size_t{1}, size_t{999}, new_text->size() - 1}) {
      KilledRewrite(old_text, *new_text, after);
      ASSERT_TRUE(Exists(afx::JournalPath(path)));
      EXPECT_EQ(afx::JournalOutcome::finished, Recover()) << after;
      EXPECT_EQ(*new_text, ReadBytes(path)) << after;
      EXPECT_FALSE(Exists(afx::JournalPath(path)));
    }
  }
}

TEST_F(RewriteFixture, APartialJournalIsRemovedAndTheFileKept) {
  KilledRewrite(old_text, new_long, 10);
  const std::string journal = ReadBytes(afx::JournalPath(path));
  WriteBytes(path, old_text);  // the rewrite never began when its journal was cut short
  for (size_t cut : {size_t{0}, size_t{20}, journal.size() / 2, journal.size() - 1}) {
    WriteBytes(afx::JournalPath(path), journal.substr(0, cut));
    EXPECT_EQ(afx::JournalOutcome::removed, Recover()) << cut;
    EXPECT_EQ(old_text, ReadBytes(path));
    EXPECT_FALSE(Exists(afx::JournalPath(path)));
  }
  // A journal larger than any rewrite of files of the size asked for is not read at all.
  WriteBytes(afx::JournalPath(path), journal);
  {
    CFile file(path, kHold);
    try {
      afx::RecoverJournal(file, 100);
      ADD_FAILURE() << "an oversized journal was read";
    } catch (const CFileException& e) {
      EXPECT_EQ(EFBIG, e.m_lOsError);
    }
  }
  EXPECT_EQ(old_text, ReadBytes(path));
  std::string flipped = journal;  // whole in length, but a byte changed on the way
  flipped[flipped.size() / 2] ^= 1;
  WriteBytes(afx::JournalPath(path), flipped);
  EXPECT_EQ(afx::JournalOutcome::removed, Recover());
  EXPECT_EQ(old_text, ReadBytes(path));
}

TEST_F(RewriteFixture, AJournalOvertakenByAnotherProgramsSaveIsSetAsideNeverReplayed) {
  KilledRewrite(old_text, new_short, 500);
  const std::string other = "saved by a copy that knows no journal\r\n";
  WriteBytes(path, other);
  EXPECT_EQ(afx::JournalOutcome::setAside, Recover());
  EXPECT_EQ(other, ReadBytes(path));
  EXPECT_FALSE(Exists(afx::JournalPath(path)));
  EXPECT_TRUE(Exists(afx::StaleJournalPath(path)));
  // A symbolic link where the journal belongs is never read or followed.
  const CString outside = dir.File("outside.txt");
  WriteBytes(outside, "outside");
  ASSERT_EQ(0, symlink(outside.GetString(), afx::JournalPath(path).GetString()));
  EXPECT_EQ(afx::JournalOutcome::setAside, Recover());
  EXPECT_EQ("outside", ReadBytes(outside));
  EXPECT_EQ(other, ReadBytes(path));
}

}  // namespace

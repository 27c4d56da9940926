// What reading a template may take: a read stops at its budget with the template as it was,
// files of millions of empty records or of hostile counts are refused within eight times
// their size plus 64 MiB, and a template is read from a path only from a regular file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "ArchiveBytes.h"
#include "PeakMemory.h"
#include "framework/FileSystem.h"
#include "support/Files.h"
#include "support/TempDir.h"
#include "templates/TovoTemplate.h"

namespace {

const ArchiveBytes kHead = ArchiveBytes().Int(0x300).Str("").Str("").Str("").Str("");

// Three folders, each with a sub-folder and a box of two auto-link records, texts long
// enough to take heap blocks of their own.
std::string SampleTemplate() {
  const std::string text(40, 'T');
  ArchiveBytes b = ArchiveBytes().Int(0x300).Str(text).Str("o").Str("p").Str("").Int(3);
  for (int f = 0; f < 3; ++f) {
    b.Str("F").Str(text).Int(1).Str("B").Str("").Int(3).Str("PDF").Int(2);
    b.Int(1).Int(2).Str(text).Str("").Int(3).Int(4).Str("t").Str(text);
    b.Int(1).Str("S").Str("").Int(0).Int(0);
  }
  return b.bytes;
}

void HoldSomething(TovoTemplate& t) {
  t.Name("keep");
  t.AddFolder(TovoFolder::Create("kept", nullptr));
}

bool HoldsJustThat(const TovoTemplate& t) {
  return t.Name() == "keep" && t.GetFolderCnt() == 1 && t.GetFolder(0)->Name() == "kept";
}

TEST(TovoTemplateLoadBounds, AReadStopsAtItsBudgetAndLeavesTheTemplateAsItWas) {
  const std::string bytes = SampleTemplate();
  const auto load = [&](TovoTemplate& t, LoadBudget& budget, size_t length) {
    Loaded(bytes.substr(0, length), [&](CArchive& ar) { t.Load(ar, budget); });
  };
  LoadBudget unlimited(ULLONG_MAX);
  TovoTemplate whole;
  load(whole, unlimited, bytes.size());
  const ULONGLONG needed = unlimited.Charged();
  EXPECT_LT(6 * TovoFolder::EmptyBytes() + 3 * TovoFileBox::EmptyBytes(), needed);
  for (ULONGLONG budget = 0; budget < needed; budget += needed / 40 + 1) {
    TovoTemplate t;
    HoldSomething(t);
    LoadBudget short_budget(budget);
    EXPECT_THROW(load(t, short_budget, bytes.size()), CMemoryException) << budget;
    EXPECT_TRUE(HoldsJustThat(t)) << budget;
  }
  EXPECT_EQ(0x300, TemplateFileVersion);
  TovoTemplate t;
  LoadBudget exact(needed);
  load(t, exact, bytes.size());
  EXPECT_EQ(3, t.GetFolderCnt());
  // Damage, unlike the budget, keeps what was whole before it: here the first folder.
  HoldSomething(t);
  LoadBudget enough(ULLONG_MAX);
  EXPECT_THROW(load(t, enough, bytes.size() / 2), CArchiveException);
  EXPECT_EQ(5, t.GetFolderCnt());
}

// Reads path in place of a template that holds something: 1 read; refused for memory 2,
// as damaged 3, as not a regular file or over 1 GiB 4; 5 when a refusal changed the
// template.
int LoadFileOutcome(const CString& path) {
  alarm(20);
  TovoTemplate t;
  HoldSomething(t);
  int outcome = 1;
  try {
    t.LoadFile(path);
  } catch (const CMemoryException&) {
    outcome = 2;
  } catch (const CArchiveException&) {
    outcome = 3;
  } catch (const CFileException& e) {
    outcome = e.m_cause == CFileException::notRegularFile || e.m_lOsError == EFBIG ? 4 : 6;
  }
  return outcome != 1 && !HoldsJustThat(t) ? 5 : outcome;
}

// Each file is read in a child whose peak memory is measured: within eight times the file's
// size plus 64 MiB whatever it claims, and what is not a regular file is never read at all.
TEST(TovoTemplateLoadBounds, FilesAreReadWithinTheBoundOrRefused) {
  TempDir dir;
  ArchiveBytes empty_folders = ArchiveBytes(kHead).Int(5000000);
  for (int i = 0; i < 5000000; ++i)
    empty_folders.Str("").Str("").Int(0).Int(0);
  ArchiveBytes named_folders = ArchiveBytes(kHead).Int(50000);
  for (int i = 0; i < 50000; ++i)
    named_folders.Str(CString(u8"フォルダ").Bytes() + std::to_string(i)).Str("").Int(0).Int(0);
  // Counts near the largest an int holds: folders, and a box's records beyond the bytes left.
  ArchiveBytes claims = ArchiveBytes(kHead).Int(INT_MAX).Str("").Str("").Int(2);
  claims.Str("").Str("").Int(0).Str("").Int(0).Str("B").Str("").Int(0).Str("").Int(INT_MAX);
  // A folder whose name claims 0xFFFFFFFF bytes and has a megabyte of them.
  const std::string long_name =
      ArchiveBytes(kHead).Int(1).bytes + "\xFF\xFF\xFF\xFF\xFF\xFF\xFF" + std::string(1 << 20, 'x');
  const std::string sample = SampleTemplate();
  const CString real = dir.File("real.TFT"), symlink = dir.File("symlink.TFT");
  const CString fifo = dir.File("fifo.TFT"), huge = dir.File("huge.TFT");
  ASSERT_EQ(0, ::symlink(afx::ToUtf8(real).c_str(), afx::ToUtf8(symlink).c_str()));
  ASSERT_EQ(0, ::mkfifo(afx::ToUtf8(fifo).c_str(), 0600));
  WriteBytes(huge, sample);  // over 1 GiB without taking the disk's room
  ASSERT_EQ(0, ::truncate(afx::ToUtf8(huge).c_str(), (1LL << 30) + 1));
  const struct {
    std::string bytes;  // written to real.TFT first
    CString path;
    int outcome;
  } cases[] = {{empty_folders.bytes, real, 2},
               {named_folders.bytes, real, 1},
               {claims.bytes, real, 3},
               {long_name, real, 3},
               {sample, real, 1},
               {sample.substr(0, 90), real, 3},
               {sample, symlink, 4},
               {sample, fifo, 4},
               {sample, dir.Path(), 4},
               {sample, huge, 4},
               {sample, "/dev/zero", 4}};
  for (const auto& c : cases) {
    WriteBytes(real, c.bytes);
    const PeakUse use = PeakUseOf([&] { return LoadFileOutcome(c.path); });
    EXPECT_EQ(c.outcome, use.result) << c.path << ", " << c.bytes.size() << " bytes";
    ASSERT_LE(0, use.grownBytes);
    if (!kSanitizedHeap) {
      EXPECT_LE(use.grownBytes, 8LL * static_cast<long long>(c.bytes.size()) + (64LL << 20));
    }
  }
  TovoTemplate t;
  HoldSomething(t);
  t.LoadFile(real);
  EXPECT_EQ(sample, Stored([&](CArchive& ar) { t.Save(ar); }));  // in place of what it held
}

}  // namespace

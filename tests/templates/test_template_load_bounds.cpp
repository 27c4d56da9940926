// What reading a template may take: every object and text is charged to the read's budget
// before the budget runs out, the charges cover what a read template really holds, a file
// of millions of empty records or of hostile counts is refused within eight times its size
// plus 64 MiB, and a template is read from a path only when it is a regular file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "ArchiveBytes.h"
#include "PeakMemory.h"
#include "framework/FileSystem.h"
#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "templates/TovoTemplate.h"

namespace {

const std::string kLongText(40, 'T');  // beyond what a string keeps inside itself

// folders top-level folders, each with a sub-folder and boxes boxes of two auto-link records.
std::string SampleTemplate(int folders, int boxes) {
  ArchiveBytes b;
  b.Int(0x300)
      .Str(CString(u8"道路").Bytes() + kLongText)
      .Str("out")
      .Str("prog")
      .Str("")
      .Int(folders);
  for (int f = 0; f < folders; ++f) {
    b.Str("F" + std::to_string(f)).Str(kLongText).Int(boxes);
    for (int x = 0; x < boxes; ++x) {
      b.Str("B").Str("").Int(3).Str("PDF").Int(2);
      b.Int(1).Int(2).Str(kLongText).Str("").Int(3).Int(4).Str("t").Str(kLongText);
    }
    b.Int(1).Str("S").Str("").Int(0).Int(0);
  }
  return b.bytes;
}

// A template that already holds something, to see whether a failed read changed it.
void HoldSomething(TovoTemplate& t) {
  t.Name("keep");
  t.AddFolder(TovoFolder::Create("kept", nullptr));
}

bool HoldsJustThat(const TovoTemplate& t) {
  return t.Name() == "keep" && t.GetFolderCnt() == 1 && t.GetFolder(0)->Name() == "kept";
}

void LoadWithin(TovoTemplate& t, const std::string& bytes, LoadBudget& budget) {
  Loaded(bytes, [&](CArchive& ar) { t.Load(ar, budget); });
}

TEST(TovoTemplateLoadBounds, AReadStopsAtItsBudgetAndLeavesTheTemplateAsItWas) {
  const std::string bytes = SampleTemplate(3, 2);
  LoadBudget unlimited(ULLONG_MAX);
  TovoTemplate whole;
  LoadWithin(whole, bytes, unlimited);
  const ULONGLONG needed = unlimited.Charged();
  // Every folder and box costs more than its record in the file.
  EXPECT_LT(3 * (TovoFolder::EmptyBytes() * 2 + TovoFileBox::EmptyBytes() * 2), needed);
  for (ULONGLONG budget = 0; budget < needed; budget += needed / 50 + 1) {
    TovoTemplate t;
    HoldSomething(t);
    LoadBudget short_budget(budget);
    EXPECT_THROW(LoadWithin(t, bytes, short_budget), CMemoryException) << budget;
    EXPECT_TRUE(HoldsJustThat(t)) << budget;
    EXPECT_EQ(0x300, TemplateFileVersion);
  }
  TovoTemplate t;
  HoldSomething(t);
  LoadBudget exact(needed);
  LoadWithin(t, bytes, exact);
  EXPECT_EQ(4, t.GetFolderCnt());
  EXPECT_EQ(0u, exact.Left());
  // Damage, unlike a budget, keeps what was whole before it (here the first folder).
  TovoTemplate damaged;
  HoldSomething(damaged);
  LoadBudget enough(ULLONG_MAX);
  EXPECT_THROW(LoadWithin(damaged, bytes.substr(0, bytes.size() / 2), enough), CArchiveException);
  EXPECT_EQ(2, damaged.GetFolderCnt());
  EXPECT_NE(CString("keep"), damaged.Name());
}

size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

TEST(TovoTemplateLoadBounds, ChargesCoverWhatAReadTemplateHolds) {
  if (kSanitizedHeap) GTEST_SKIP() << "the sanitizer's heap is not the C library's";
  for (const auto& [folders, boxes] : {std::pair{2000, 0}, std::pair{500, 20}}) {
    const std::string bytes = SampleTemplate(folders, boxes);
    LoadBudget budget(ULLONG_MAX);
    auto* t = new TovoTemplate;
    const size_t before = HeapInUse();
    LoadWithin(*t, bytes, budget);
    const size_t held = HeapInUse() - before;
    EXPECT_LE(held, budget.Charged()) << folders << " folders, " << boxes << " boxes";
    // Nor is the charge far above it, which would refuse templates that fit.
    EXPECT_LE(budget.Charged(), 2 * held) << folders << " folders, " << boxes << " boxes";
    delete t;
  }
}

// Reads the file at path in a child: 1 read, 2 refused for memory, 3 damaged, 4 refused as
// a file; 5 when a refusal changed the template.
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
  } catch (const CFileException&) {
    outcome = 4;
  }
  return outcome != 1 && !HoldsJustThat(t) ? 5 : outcome;
}

TEST(TovoTemplateLoadBounds, HugeFilesAndCountsAreRefusedWithinTheBound) {
  TempDir dir;
  const ArchiveBytes head = ArchiveBytes().Int(0x300).Str("").Str("").Str("").Str("");
  ArchiveBytes empty_folders = head;
  empty_folders.Int(5000000);
  for (int i = 0; i < 5000000; ++i)
    empty_folders.Str("").Str("").Int(0).Int(0);
  ArchiveBytes named_folders = head;
  named_folders.Int(50000);
  for (int i = 0; i < 50000; ++i)
    named_folders.Str(CString(u8"フォルダ").Bytes() + std::to_string(i)).Str("").Int(0).Int(0);
  // Counts near the largest an int holds, a text claiming 4 GiB, and a box claiming more
  // records than the file has bytes.
  ArchiveBytes claims = head;
  claims.Int(INT_MAX).Str("").Str("").Int(INT_MAX).Str("").Str("").Int(0).Str("").Int(0);
  claims.Int(INT_MAX).Str("").Str("").Int(1).Str("B").Str("").Int(0).Str("").Int(INT_MAX);
  // One folder whose name claims 0xFFFFFFFF bytes and has a megabyte of them.
  std::string long_text = ArchiveBytes(head).Int(1).bytes + "\xFF\xFF\xFF\xFF\xFF\xFF\xFF";
  long_text += std::string(1 << 20, 'x');
  const struct {
    const char* what;
    std::string bytes;
    int outcome;
  } cases[] = {
      {"5 million empty folders", empty_folders.bytes, 2},
      {"50 thousand named folders", named_folders.bytes, 1},
      {"hostile counts", claims.bytes, 3},
      {"a text claiming 4 GiB", long_text, 3},
  };
  for (const auto& c : cases) {
    const CString path = dir.File("t.TFT");
    WriteBytes(path, c.bytes);
    const PeakUse use = PeakUseOf([&] { return LoadFileOutcome(path); });
    EXPECT_EQ(c.outcome, use.result) << c.what;
    ASSERT_LE(0, use.grownBytes) << c.what;
    const long long bound = 8LL * static_cast<long long>(c.bytes.size()) + (64LL << 20);
    if (!kSanitizedHeap) {
      EXPECT_LE(use.grownBytes, bound) << c.what;
    }
    std::printf("%s: %zu bytes, peak %lld bytes\n", c.what, c.bytes.size(), use.grownBytes);
  }
}

TEST(TovoTemplateLoadBounds, LoadFileReadsOnlyARegularFileOfAtMost1GiB) {
  TempDir dir;
  const std::string bytes = SampleTemplate(2, 1);
  const CString real = dir.File("real.TFT");
  WriteBytes(real, bytes);
  TovoTemplate t;
  HoldSomething(t);
  t.LoadFile(real);
  EXPECT_EQ(2, t.GetFolderCnt());  // in place of what it held
  EXPECT_EQ(bytes, Stored([&](CArchive& ar) { t.Save(ar); }));

  const auto os = [](const CString& path) { return afx::ToUtf8(path); };
  const CString symlink = dir.File("symlink.TFT");
  ASSERT_EQ(0, ::symlink(os(real).c_str(), os(symlink).c_str()));
  const CString fifo = dir.File("fifo.TFT");
  ASSERT_EQ(0, ::mkfifo(os(fifo).c_str(), 0600));
  const CString folder = dir.File("folder.TFT");
  ASSERT_TRUE(afx::CreateDirectories(folder));
  // Over 1 GiB without taking the disk room: refused before a byte is read.
  const CString huge = dir.File("huge.TFT");
  WriteBytes(huge, bytes);
  ASSERT_EQ(0, ::truncate(os(huge).c_str(), (1LL << 30) + 1));
  for (const CString& path : {symlink, fifo, folder, huge, CString("/dev/zero")})
    EXPECT_EQ(4, InChild([&] { return LoadFileOutcome(path); })) << path;
  try {
    TovoTemplate refused;
    refused.LoadFile(huge);
    ADD_FAILURE() << "a file over 1 GiB was read";
  } catch (const CFileException& e) {
    EXPECT_EQ(CFileException::invalidFile, e.m_cause);
    EXPECT_EQ(EFBIG, e.m_lOsError);
  }
  // A damaged file leaves the template as it was, unlike a read from an archive.
  WriteBytes(real, bytes.substr(0, bytes.size() - 3));
  EXPECT_EQ(3, LoadFileOutcome(real));
}

}  // namespace

// Template files: the bytes Save writes, loading of all three file versions, the module-wide
// version after every load, damaged and hostile files, and deep copies of templates.
#include <gtest/gtest.h>

#include "ArchiveBytes.h"
#include "templates/TovoTemplate.h"

namespace {

void LoadBytes(TovoTemplate& t, const std::string& bytes) {
  Loaded(bytes, [&](CArchive& ar) { t.Load(ar); });
}

std::string SaveBytes(const TovoTemplate& t) {
  return Stored([&](CArchive& ar) { t.Save(ar); });
}

TEST(TovoTemplateFile, SaveWritesTheFileLayout) {
  TovoTemplate t;
  EXPECT_EQ(std::string("\x00\x03\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00", 12), SaveBytes(t));
  t.Name(u8"道路");
  t.OutText("out");
  t.OutProgram("prog.exe");
  t.OutCmdLine("-x");
  TovoFolder* folder = TovoFolder::Create("F", "f");
  TovoFileBox* box = new TovoFileBox;
  box->Extension("PDF");
  folder->AddFileBox(box);
  EXPECT_EQ(0, t.AddFolder(folder));
  ArchiveBytes expected;
  expected.Int(0x300).Str("\x93\xB9\x98\x48").Str("out").Str("prog.exe").Str("-x");
  expected.Int(1).Str("F").Str("f").Int(1).Str("").Str("").Int(0).Str("PDF").Int(0).Int(0);
  EXPECT_EQ(expected.bytes, SaveBytes(t));
  TovoTemplate loaded;
  LoadBytes(loaded, expected.bytes);
  EXPECT_EQ(CString(u8"道路"), loaded.Name());
  EXPECT_EQ(expected.bytes, SaveBytes(loaded));
}

TEST(TovoTemplateFile, Version200HasNoCommandLine) {
  ArchiveBytes file;
  file.Int(0x200).Str("T").Str("o").Str("p").Int(1).Str("F").Str("").Int(1);
  file.Str("B").Str("").Int(5).Str("PDF").Int(2).Int(1).Int(2).Str("a").Str("b");
  file.Int(3).Int(4).Str("c").Str("d").Int(0);
  TovoTemplate t;
  t.OutCmdLine("kept");
  LoadBytes(t, file.bytes);
  EXPECT_EQ(0x300, TemplateFileVersion);
  EXPECT_EQ(CString("kept"), t.OutCmdLine());
  EXPECT_EQ(CString("p"), t.OutProgram());
  const TovoFileBox* box = t.GetFolder(0)->GetFileBox(0);
  ASSERT_EQ(2, box->GetAutoLinkCnt());
  EXPECT_EQ(CString("d"), box->GetAutoLink(1)->Text2);
}

// Version 0x100: folder "F" with a box whose single record is blank and a box with a real
// one, then an empty folder "G" that starts at *g_at.
std::string Version100File(size_t* g_at) {
  ArchiveBytes file;
  file.Int(0x100).Str("T").Str("o").Str("p").Int(2).Str("F").Str("").Int(2);
  file.Str("blank").Str("").Int(0).Str("").Int(0).Int(0).Str("").Str("");
  file.Str("one").Str("").Int(0).Str("").Int(0).Int(0).Str("").Str("t2").Int(0);
  *g_at = file.bytes.size();
  return file.Str("G").Str("").Int(0).Int(0).bytes;
}

TEST(TovoTemplateFile, Version100BoxesHoldAtMostOneRecord) {
  size_t g_at = 0;
  TovoTemplate t;
  LoadBytes(t, Version100File(&g_at));
  EXPECT_EQ(0x300, TemplateFileVersion);
  ArchiveBytes saved;
  saved.Int(0x300).Str("T").Str("o").Str("p").Str("").Int(2).Str("F").Str("").Int(2);
  saved.Str("blank").Str("").Int(0).Str("").Int(0);
  saved.Str("one").Str("").Int(0).Str("").Int(1).Int(0).Int(0).Str("").Str("t2").Int(0);
  saved.Str("G").Str("").Int(0).Int(0);
  EXPECT_EQ(saved.bytes, SaveBytes(t));
}

TEST(TovoTemplateFile, EveryTruncationThrowsAndKeepsWhatWasComplete) {
  size_t g_at = 0;
  const std::string file = Version100File(&g_at);
  for (size_t cut = 0; cut < file.size(); ++cut) {
    TovoTemplate t;
    EXPECT_THROW(LoadBytes(t, file.substr(0, cut)), CArchiveException) << cut;
    EXPECT_EQ(0x300, TemplateFileVersion) << cut;
    EXPECT_EQ(cut >= g_at ? 1 : 0, t.GetFolderCnt()) << cut;
  }
}

int LoadFailure(const std::string& bytes) {
  try {
    TovoTemplate t;
    LoadBytes(t, bytes);
  } catch (const CArchiveException& e) {
    return e.m_cause;
  }
  return CArchiveException::none;
}

TEST(TovoTemplateFile, HostileCountsAndNestingEndTheLoad) {
  const ArchiveBytes head = ArchiveBytes().Int(0x300).Str("").Str("").Str("").Str("");
  // More records than the file has bytes for is refused before the list is allocated
  // (at this count, allocating would fail with a memory error instead).
  ArchiveBytes links = head;
  links.Int(1).Str("F").Str("").Int(1).Str("B").Str("").Int(0).Str("").Int(0x7FFFFFF0);
  EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(links.Int(0).Int(0).bytes));
  EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(ArchiveBytes(head).Int(0x7FFFFFFF).bytes));
  // A chain of folders, each the only sub-folder of the one before.
  auto chain = [&](int depth) {
    ArchiveBytes b = head;
    b.Int(1);
    for (int i = 1; i < depth; ++i)
      b.Str("").Str("").Int(0).Int(1);
    return b.Str("").Str("").Int(0).Int(0).bytes;
  };
  EXPECT_EQ(CArchiveException::none, LoadFailure(chain(TovoFolder::kMaxLoadDepth)));
  EXPECT_EQ(CArchiveException::genericException, LoadFailure(chain(TovoFolder::kMaxLoadDepth + 1)));
  EXPECT_EQ(0x300, TemplateFileVersion);
}

TEST(TovoTemplate, CopiesAreDeep) {
  TovoTemplate source;
  source.Name("src");
  source.AddFolder(TovoFolder::Create("F", nullptr));
  TovoTemplate copy(source);
  TovoTemplate assigned;
  assigned.AddFolder(TovoFolder::Create("old", nullptr));
  assigned = source;
  const TovoTemplate& same = assigned;
  assigned = same;
  source.DelFolder(source.GetFolder(0));
  source.Name("changed");
  ASSERT_EQ(1, assigned.GetFolderCnt());
  EXPECT_EQ(CString("F"), assigned.GetFolder(0)->Name());
  EXPECT_EQ(CString("src"), copy.Name());
  assigned.DelFolder(copy.GetFolder(0));  // not one of its own: ignored
  EXPECT_EQ(1, assigned.GetFolderCnt());
}

}  // namespace

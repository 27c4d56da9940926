// File boxes and folders: auto-link comparisons, deep copies that share no node, deleting
// children, and the folder record's bytes.
#include <gtest/gtest.h>

#include <memory>

#include "ArchiveBytes.h"
#include "templates/TovoFolder.h"

namespace {

using AutoLink = TovoFileBox::AutoLinkInfo;

TEST(TovoFileBox, AutoLinkRecordsAndListsCompareExactly) {
  const AutoLink a{1, 2, "Road", "x"};
  EXPECT_EQ(1, (a == AutoLink{1, 2, "Road", "x"}));
  EXPECT_EQ(1, (a != AutoLink{1, 2, "road", "x"}));
  EXPECT_EQ(1, (a != AutoLink{1, 3, "Road", "x"}));
  TVector<AutoLink> one, same, longer;
  one.Append(a);
  same.Append(a);
  longer = one;
  longer.Append(a);
  EXPECT_EQ(1, one == same);
  EXPECT_EQ(0, one != same);
  EXPECT_EQ(0, one == longer);
  EXPECT_EQ(1, one != longer);
  same[0].Text2 = "y";
  EXPECT_EQ(0, one == same);
  EXPECT_EQ(1, TVector<AutoLink>() == TVector<AutoLink>(16));
}

// Folder "F" holding box "B" (with one auto-link record) and an empty sub-folder "S".
std::unique_ptr<TovoFolder> SampleFolder() {
  auto folder = std::make_unique<TovoFolder>("F", CString(u8"フォルダ"));
  TovoFileBox::CreateInfo info;
  info.Mask = info.kName | info.kSNDigit;  // the extension stays empty
  info.Name = "B";
  info.SNDigit = 2;
  info.Extension = "SFC";
  TovoFileBox* box = TovoFileBox::Create(info);
  box->AddAutoLink({7, -1, "t1", ""});
  EXPECT_EQ(0, folder->AddFileBox(box));
  EXPECT_EQ(0, folder->AddFolder(TovoFolder::Create("S", nullptr)));
  return folder;
}

TEST(TovoFolder, RecordIsNamesBoxesThenSubFolders) {
  ArchiveBytes record;
  record.Str("F").Str(CString(u8"フォルダ").Bytes()).Int(1).Str("B").Str("").Int(2).Str("");
  record.Int(1).Int(7).Int(0xFFFFFFFF).Str("t1").Str("").Int(1).Str("S").Str("").Int(0).Int(0);
  const std::string& expected = record.bytes;
  auto folder = SampleFolder();
  EXPECT_EQ(expected, Stored([&](CArchive& ar) { folder->Serialize(ar); }));
  TovoFolder loaded;
  Loaded(expected, [&](CArchive& ar) { loaded.Serialize(ar); });
  EXPECT_EQ(expected, Stored([&](CArchive& ar) { loaded.Serialize(ar); }));
  EXPECT_EQ(-1, loaded.GetFileBox(0)->GetAutoLink(0)->Param2);
  EXPECT_EQ(nullptr, loaded.GetFileBox(0)->GetAutoLink(1));
}

TEST(TovoFolder, CopiesShareNoNode) {
  auto source = SampleFolder();
  TovoFolder copy(*source);
  TovoFolder assigned;
  assigned.AddFolder(new TovoFolder("old", nullptr));
  assigned = *source;
  ASSERT_EQ(1, assigned.GetFolderCnt());
  source->GetFileBox(0)->GetAutoLink(0)->Text1 = "changed";
  EXPECT_EQ(CString("t1"), copy.GetFileBox(0)->GetAutoLink(0)->Text1);
  source.reset();
  EXPECT_EQ(CString("S"), copy.GetFolder(0)->Name());
  EXPECT_EQ(CString("t1"), assigned.GetFileBox(0)->GetAutoLink(0)->Text1);
  // Assigning a folder its own descendant must copy before the old subtree goes.
  assigned = *assigned.GetFolder(0);
  EXPECT_EQ(CString("S"), assigned.Name());
  EXPECT_EQ(0, assigned.GetFolderCnt() + assigned.GetFileBoxCnt());
}

TEST(TovoFolder, DeletesOnlyItsDirectChildren) {
  auto a = SampleFolder();
  auto b = SampleFolder();
  a->DelFolder(b->GetFolder(0));
  a->DelFileBox(b->GetFileBox(0));
  EXPECT_EQ(2, a->GetFolderCnt() + a->GetFileBoxCnt());
  a->DelFolder(a->GetFolder(0));
  a->DelFileBox(a->GetFileBox(0));
  EXPECT_EQ(0, a->GetFolderCnt() + a->GetFileBoxCnt());
  EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(TovoFolder, b->GetFileBox(0)));
  EXPECT_STREQ("TovoFileBox", b->GetFileBox(0)->GetRuntimeClass()->m_lpszClassName);
}

}  // namespace

// Deliverables: building one from a template, link folders with their hidden boxes and deep
// copies, and combining deliverables by the matching rules.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "templates/TovoSeika.h"

namespace {

using Groups = std::vector<int>;

TovoFileBox* NewFileBox(const CString& name, int digits, const CString& extension) {
  TovoFileBox::CreateInfo info{0xF, name, name + u8"の表示", digits, extension};
  return TovoFileBox::Create(info);
}

// One top-level folder "A" with the boxes DRAWING (3, P21) and PHOTO (4, JPG) and a
// sub-folder "S" with the box DOC (3, PDF).
std::unique_ptr<TovoSeika> NewSeika(const CString& program = "out.exe",
                                    const CString& cmd_line = "/x", const CString& name = "T") {
  TovoTemplate t;
  t.Name(name);
  t.OutText(name);
  t.OutProgram(program);
  t.OutCmdLine(cmd_line);
  TovoFolder* a = TovoFolder::Create("A", CString(u8"図面"));
  a->AddFileBox(NewFileBox("DRAWING", 3, "P21"));
  a->AddFileBox(NewFileBox("PHOTO", 4, "JPG"));
  TovoFolder* s = TovoFolder::Create("S", nullptr);
  s->AddFileBox(NewFileBox("DOC", 3, "PDF"));
  a->AddFolder(s);
  t.AddFolder(a);
  return std::unique_ptr<TovoSeika>(TovoSeika::FromTemplate(t));
}

TovoLink* NewLink(int group, const char* text = "") {
  TovoLink::LinkInfo info{group, "F"};
  TovoLink* link = TovoLink::Create(&info);
  link->SetAddText(text);
  return link;
}

Groups GroupsOf(const TovoLinkBox& box) {
  Groups groups;
  for (int i = 0; i < box.GetLinkCnt(); ++i)
    groups.push_back(box.GetLink(i)->GetLinkInfo().GroupNo);
  return groups;
}

void ExpectHiddenBox(const TovoLinkFolder& folder) {
  const TovoLinkBox* hidden = folder.GetHideLinkBox();
  ASSERT_NE(nullptr, hidden);
  EXPECT_EQ(CString("HIDEBOX"), hidden->Name());
  EXPECT_EQ(CString("HIDEBOX"), hidden->GetTemplate().DispName());
  EXPECT_EQ(3, hidden->GetTemplate().SNDigit());
  EXPECT_EQ(CString("PDF"), hidden->GetTemplate().Extension());
}

TEST(TovoSeikaBuild, FromTemplateMirrorsTheFoldersWithEmptyBoxes) {
  auto seika = NewSeika("out.exe", "/x", u8"成果品");  // the template is gone by now
  EXPECT_EQ(CString(u8"成果品"), seika->Name());
  EXPECT_EQ(CString("/x"), seika->OutCmdLine());
  ASSERT_EQ(1, seika->GetFolderCnt());
  const TovoLinkFolder* a = seika->GetFolder(0);
  EXPECT_EQ(CString(u8"図面"), a->DispName());
  ASSERT_EQ(2, a->GetLinkBoxCnt());
  EXPECT_EQ(CString("DRAWING"), a->GetLinkBox(0)->Name());
  EXPECT_EQ(CString(u8"PHOTOの表示"), a->GetLinkBox(1)->DispName());
  EXPECT_EQ(4, a->GetLinkBox(1)->GetTemplate().SNDigit());
  EXPECT_EQ(0, a->GetLinkBox(0)->GetLinkCnt());
  ASSERT_NE(nullptr, a->GetTemplate());
  EXPECT_EQ(2, a->GetTemplate()->GetFileBoxCnt());
  ExpectHiddenBox(*a);
  ASSERT_EQ(1, a->GetFolderCnt());
  EXPECT_EQ(CString("DOC"), a->GetFolder(0)->GetLinkBox(0)->Name());
  ExpectHiddenBox(*a->GetFolder(0));
  std::unique_ptr<TovoLinkFolder> named(TovoLinkFolder::Create("N", nullptr));
  EXPECT_TRUE(named->DispName().IsEmpty());
  EXPECT_EQ(0, named->GetLinkBoxCnt());
  EXPECT_EQ(nullptr, named->GetTemplate());
  ExpectHiddenBox(*named);
}

TEST(TovoSeikaBuild, CopiesAreDeep) {
  auto seika = NewSeika();
  TovoLinkFolder* a = seika->GetFolder(0);
  a->GetLinkBox(0)->AddLink(NewLink(1, "note"));
  a->GetHideLinkBox()->AddLink(NewLink(2));
  a->GetHideLinkBox()->DelLink(0, 1);
  std::unique_ptr<TovoLinkFolder> copy(a->Copy());
  EXPECT_NE(a->GetTemplate(), copy->GetTemplate());
  EXPECT_TRUE(copy->GetLinkBox(0)->GetLink(0)->GetAddText().IsEmpty());
  EXPECT_EQ(0, copy->GetHideLinkBox()->GetDelLinkCnt());
  // A folder can take the contents of one of its own sub-folders.
  *copy = *copy->GetFolder(0);
  EXPECT_EQ(CString("S"), copy->Name());
  EXPECT_EQ(0, copy->GetFolderCnt());
  EXPECT_EQ(CString("DOC"), copy->GetLinkBox(0)->Name());
  ExpectHiddenBox(*copy);
  // So are a whole deliverable's copies and assignments.
  TovoSeika whole(*seika);
  a->GetLinkBox(0)->AddLink(NewLink(3));
  EXPECT_EQ(1, whole.GetFolder(0)->GetLinkBox(0)->GetLinkCnt());
  whole = *NewSeika("other.exe");
  EXPECT_EQ(CString("other.exe"), whole.OutProgram());
  EXPECT_EQ(0, whole.GetFolder(0)->GetLinkBox(0)->GetLinkCnt());
}

TEST(TovoSeikaCombine, OnlyOtherOutputSettingsAreRefusedAndOnlyAddBringsMissingFoldersAndBoxes) {
  auto seika = NewSeika("out.exe", "/x");
  auto other_case = NewSeika("out.exe", "/X");
  other_case->GetFolder(0)->GetLinkBox(0)->AddLink(NewLink(1));
  EXPECT_EQ(0, seika->AddSeika(*other_case));
  EXPECT_EQ(0, seika->MergeSeika(*NewSeika("OUT.EXE", "/x")));
  EXPECT_EQ(0, seika->GetFolder(0)->GetLinkBox(0)->GetLinkCnt());
  auto other = NewSeika("out.exe", "/x", "other name");  // another name is no obstacle
  TovoLinkFolder* b = TovoLinkFolder::Create("B", nullptr);
  b->GetHideLinkBox()->AddLink(NewLink(5));
  other->AddFolder(b);
  // "a" is folder "A" in other letters; a box with another digit count is another box.
  TovoLinkFolder* a = other->GetFolder(0);
  a->Name("a");
  std::unique_ptr<TovoFileBox> more_digits(NewFileBox("drawing", 5, "p21"));
  a->AddLinkBox(TovoLinkBox::Create(*more_digits));
  a->GetLinkBox(2)->AddLink(NewLink(6));
  ASSERT_EQ(1, seika->MergeSeika(*other));
  EXPECT_EQ(1, seika->GetFolderCnt());
  EXPECT_EQ(2, seika->GetFolder(0)->GetLinkBoxCnt());
  ASSERT_EQ(1, seika->AddSeika(*other));
  ASSERT_EQ(2, seika->GetFolderCnt());
  EXPECT_NE(b, seika->GetFolder(1));
  EXPECT_EQ(Groups{5}, GroupsOf(*seika->GetFolder(1)->GetHideLinkBox()));
  ASSERT_EQ(3, seika->GetFolder(0)->GetLinkBoxCnt());
  EXPECT_EQ(Groups{6}, GroupsOf(*seika->GetFolder(0)->GetLinkBox(2)));
  EXPECT_EQ(CString("a"), other->GetFolder(0)->Name());  // the other one is not changed
}

TEST(TovoSeikaCombine, MatchingBoxesTakeCopiesAsItemsOfTheirOwn) {
  auto seika = NewSeika();
  TovoLinkBox* target = seika->GetFolder(0)->GetLinkBox(0);
  for (int g = 0; g < 3; ++g)
    target->AddLink(NewLink(g));
  target->UniteLinks(0, 1);  // numbered 0, 0, 1
  target->AddLink(NewLink(9));
  target->DelLink(3, 1);  // link 9 is now a deleted link
  auto other = NewSeika();
  // Made from "drawing" / 3 / "p21": the same box as DRAWING / 3 / P21.
  TovoLinkFolder* a = other->GetFolder(0);
  std::unique_ptr<TovoFileBox> same(NewFileBox("drawing", 3, "p21"));
  a->AddLinkBox(TovoLinkBox::Create(*same));
  a->GetLinkBox(0)->AddLink(NewLink(7, "note"));
  a->GetLinkBox(0)->AddLink(NewLink(9));
  a->GetLinkBox(0)->UniteLinks(0, 1);
  a->GetLinkBox(2)->AddLink(NewLink(8));
  a->GetHideLinkBox()->AddLink(NewLink(4));
  ASSERT_EQ(1, seika->MergeSeika(*other));
  EXPECT_EQ((Groups{0, 1, 2, 7, 9, 8}), GroupsOf(*target));
  for (int i = 0; i < target->GetLinkCnt(); ++i)
    EXPECT_EQ(i < 2 ? 0 : i - 1, target->GetLink(i)->GetDataNo());
  EXPECT_TRUE(target->GetLink(3)->GetAddText().IsEmpty());
  EXPECT_EQ(0, target->GetDelLinkCnt());  // the merged link 9 took its place
  EXPECT_EQ(Groups{4}, GroupsOf(*seika->GetFolder(0)->GetHideLinkBox()));
  EXPECT_EQ(CString("note"), a->GetLinkBox(0)->GetLink(0)->GetAddText());
}

TEST(TovoSeikaCombine, CombiningTheSameLinksTwiceDoublesThem) {
  auto seika = NewSeika();
  TovoLinkFolder* s = seika->GetFolder(0)->GetFolder(0);
  s->GetLinkBox(0)->AddLink(NewLink(1));
  s->GetHideLinkBox()->AddLink(NewLink(2));
  TovoSeika same(*seika);
  ASSERT_EQ(1, seika->AddSeika(same));
  EXPECT_EQ(1, seika->GetFolderCnt());
  EXPECT_EQ((Groups{1, 1}), GroupsOf(*s->GetLinkBox(0)));
  EXPECT_EQ((Groups{2, 2}), GroupsOf(*s->GetHideLinkBox()));
  // Combined with itself, a deliverable takes in what it held at the start and stops.
  ASSERT_EQ(1, seika->AddSeika(*seika));
  EXPECT_EQ((Groups{1, 1, 1, 1}), GroupsOf(*s->GetLinkBox(0)));
  EXPECT_EQ(3, s->GetHideLinkBox()->GetLink(3)->GetDataNo());
}

}  // namespace

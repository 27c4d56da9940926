// Link boxes: the data-number rules, the deleted links, copies, and the box's XML file with
// its file-time guard and its refusal of damaged or hostile files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "LinkBoxFields.h"
#include "framework/CFile.h"
#include "support/Files.h"
#include "support/TempDir.h"
#include "templates/TovoLinkBox.h"

namespace {

using Numbers = std::vector<int>;

std::unique_ptr<TovoLinkBox> NewBox() {
  TovoFileBox file_box;
  file_box.Name(u8"図面");
  file_box.Extension("P21");
  return std::unique_ptr<TovoLinkBox>(TovoLinkBox::Create(file_box));
}

TovoLink* NewLink(int group, const CString& folder) {
  TovoLink::LinkInfo info{group, folder};
  TovoLink* link = TovoLink::Create(&info);
  link->Name(folder + ".P21");
  return link;
}

// A box whose links (groups 0, 1, ...) carry the given data numbers.
std::unique_ptr<TovoLinkBox> BoxNumbered(const Numbers& numbers) {
  auto box = NewBox();
  for (size_t i = 0; i < numbers.size(); ++i) {
    TovoLink* link = NewLink(static_cast<int>(i), "F");
    box->AddLink(link);
    TovoLinkBox::SetLinkDataNo(link, numbers[i]);
  }
  return box;
}

Numbers NumbersOf(const TovoLinkBox& box) {
  Numbers numbers;
  for (int i = 0; i < box.GetLinkCnt(); ++i)
    numbers.push_back(box.GetLink(i)->GetDataNo());
  return numbers;
}

TEST(TovoLinkBoxNumbers, AddLinkAppendsItemsAndForgetsTheMatchingDeletedLink) {
  auto box = NewBox();
  EXPECT_EQ(0, box->AddLink(NewLink(7, "Dir")));
  EXPECT_EQ(1, box->AddLink(NewLink(8, "Dir")));
  box->DelLink(0, 1);
  EXPECT_NE(nullptr, box->SrchDelLink({7, "DIR"}));
  EXPECT_EQ(nullptr, box->SrchDelLink({8, "Dir"}));
  box->AddLink(NewLink(7, "dir"));  // the same link: folder names match ignoring case
  EXPECT_EQ(0, box->GetDelLinkCnt());
  EXPECT_EQ((Numbers{0, 1}), NumbersOf(*box));
  EXPECT_EQ(box->GetLink(1), box->SrchLink({7, "DIR"}));
  EXPECT_EQ(nullptr, box->SrchLink({9, "Dir"}));
  box->AddLink(NewLink(1, u8"ｆｏｌｄ"));
  EXPECT_EQ(nullptr, box->SrchLink({1, u8"ＦＯＬＤ"}));  // full-width letters are not folded
}

TEST(TovoLinkBoxNumbers, UniteAndDevideKeepRunsAndRenumberTheTail) {
  const struct {
    Numbers start;
    char op;  // 'U' unites a..b, 'D' divides at a
    int a, b;
    Numbers expected;
  } cases[] = {
      {{0, 1, 2, 3, 4}, 'U', 1, 3, {0, 1, 1, 1, 2}},
      {{0, 1, 1, 1, 2}, 'D', 2, 0, {0, 1, 2, 3, 4}},
      {{0, 1, 2, 3, 3}, 'U', 0, 1, {0, 0, 1, 2, 2}},
      {{0, 0, 0, 1, 1}, 'D', 0, 0, {0, 1, 2, 3, 3}},
      {{0, 1, 2, 3, 4}, 'U', 2, 2, {0, 1, 2, 3, 4}},
      {{0, 1, 2, 3, 4}, 'U', 3, 1, {0, 1, 2, 3, 4}},
      {{0, 1, 2, 2, 3}, 'D', 1, 0, {0, 1, 2, 2, 3}},
      // The first link after the range always starts a new item.
      {{0, 1, 1, 5, 5}, 'U', 0, 1, {0, 0, 1, 2, 2}},
      {{3, 3, 3}, 'D', 2, 0, {3, 4, 5}},
  };
  for (const auto& c : cases) {
    auto box = BoxNumbered(c.start);
    if (c.op == 'U') {
      box->UniteLinks(c.a, c.b);
    } else {
      box->DevideLinks(c.a);
    }
    EXPECT_EQ(c.expected, NumbersOf(*box)) << c.op << c.a << "," << c.b;
  }
}

TEST(TovoLinkBoxNumbers, InsertAndDeleteRenumberFromZero) {
  auto box = BoxNumbered({0, 1});
  TovoLink* first = NewLink(9, "New");
  box->InsLink(0, first);
  EXPECT_EQ(first, box->GetLink(0));
  EXPECT_EQ((Numbers{0, 1, 2}), NumbersOf(*box));
  std::unique_ptr<TovoLink> refused(NewLink(10, "X"));
  box->InsLink(box->GetLinkCnt(), refused.get());  // at the count: not inserted
  box->InsLink(-1, refused.get());
  EXPECT_EQ(3, box->GetLinkCnt());

  box = BoxNumbered({0, 1, 2, 3, 4});
  const TovoLink* second = box->GetLink(1);
  box->DelLink(1, 2);
  EXPECT_EQ((Numbers{0, 1, 2}), NumbersOf(*box));
  ASSERT_EQ(2, box->GetDelLinkCnt());
  EXPECT_EQ(second, box->GetDelLink(0));

  box = BoxNumbered({4, 4, 9, -1, -1});
  box->DelLink(0, 0);  // moves nothing, yet renumbers
  EXPECT_EQ((Numbers{0, 0, 1, 2, 3}), NumbersOf(*box));
}

TEST(TovoLinkBoxCopy, CopiesLinksWithoutAdditionalTextsDeletedLinksOrFileTime) {
  TempDir dir;
  auto box = BoxNumbered({0, 0, 1});
  box->GetLink(0)->SetAddText("note");
  box->DelLink(2, 1);
  ASSERT_EQ(1, box->Save(dir.File("a.xml")));
  std::unique_ptr<TovoLinkBox> copy(box->Copy());
  EXPECT_EQ((Numbers{0, 0}), NumbersOf(*copy));
  EXPECT_NE(box->GetLink(0), copy->GetLink(0));
  EXPECT_TRUE(copy->GetLink(0)->GetAddText().IsEmpty());
  EXPECT_EQ(0, copy->GetDelLinkCnt() + copy->GetFileTime());
  *copy = *BoxNumbered({0});  // assignment keeps the target's deleted links
  box->AddLink(NewLink(0, "A"));
  *box = *copy;
  EXPECT_EQ(1, box->GetLinkCnt());
  EXPECT_EQ(1, box->GetDelLinkCnt());
  TovoLink link;
  link.SetAddText("mine");
  link = *copy->GetLink(0);  // an assigned link keeps its own text
  EXPECT_EQ(CString("mine"), link.GetAddText());
}

// ---- The XML file ----

// Trail bytes 0x5C and 0x7C, half-width katakana and characters that XML must escape.
const CString kName = u8"ソ表ポ能ｱｲｳ";
const CString kText = CString(u8"予定表\\") + " a&b<c>\"d'\te\r\nf";

std::unique_ptr<TovoLinkBox> SampleBox() {
  auto box = NewBox();
  box->Name(kName);
  box->DispName(kText);
  TovoLink* a = NewLink(-1, kName);
  a->DispName(kText);
  a->SetExtension("P21");
  a->SetAddText(kText);
  box->AddLink(a);
  box->AddLink(NewLink(5, "B"));
  box->AddLink(NewLink(6, "C"));
  box->UniteLinks(1, 2);
  box->GetLink(1)->SetAddText(u8"二");
  box->AddLink(NewLink(3, u8"削除"));
  box->GetLink(3)->SetAddText("kept");
  box->DelLink(3, 1);
  return box;
}

void ExpectSameLink(const TovoLink& a, const TovoLink& b) {
  EXPECT_EQ(a.Name(), b.Name());
  EXPECT_EQ(a.DispName(), b.DispName());
  EXPECT_EQ(a.GetLinkInfo().GroupNo, b.GetLinkInfo().GroupNo);
  EXPECT_EQ(a.GetLinkInfo().FolName, b.GetLinkInfo().FolName);
  EXPECT_EQ(a.GetExtension(), b.GetExtension());
  EXPECT_EQ(a.GetDataNo(), b.GetDataNo());
  EXPECT_EQ(a.GetAddText(), b.GetAddText());
}

TEST(TovoLinkBoxFile, SaveThenLoadKeepsEverythingByteForByte) {
  TempDir dir;
  const CString path = dir.Path() + "/" + CString(u8"成果.xml");
  auto box = SampleBox();
  ASSERT_EQ(1, box->Save(path));
  const std::string bytes = ReadBytes(path);
  EXPECT_NE(std::string::npos, bytes.find("GroupNo=\"4294967295\""));
  EXPECT_NE(std::string::npos, bytes.find("Version=\"1.00\""));
  auto loaded = NewBox();
  ASSERT_EQ(1, loaded->Load(path));
  EXPECT_EQ(kName, loaded->Name());
  EXPECT_EQ(kText, loaded->DispName());
  ASSERT_EQ(3, loaded->GetLinkCnt());
  for (int i = 0; i < 3; ++i)
    ExpectSameLink(*box->GetLink(i), *loaded->GetLink(i));
  EXPECT_EQ((Numbers{0, 1, 1}), NumbersOf(*loaded));
  ASSERT_EQ(1, loaded->GetDelLinkCnt());
  ExpectSameLink(*box->GetDelLink(0), *loaded->GetDelLink(0));
  ASSERT_EQ(1, loaded->Save(path));
  EXPECT_EQ(bytes, ReadBytes(path));  // written again, the same to the byte

  if (access("/usr/bin/xmllint", X_OK) != 0) GTEST_SKIP() << "xmllint is not installed";
  const std::string command = "/usr/bin/xmllint --noout '" + afx::ToUtf8(path) + "'";
  EXPECT_EQ(0, std::system(command.c_str()));
}

std::string BoxFile(const std::string& version, const std::string& links) {
  return "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<TovoLinkBox Version=\"" + version +
         "\" Name=\"N\" DispName=\"D\">\n<Links>" + links + "</Links>\n<DeletedLinks/>\n" +
         "</TovoLinkBox>\n";
}

// A Link element with all required attributes but the one left out.
std::string LinkElement(const std::string& extra, const std::string& left_out = "") {
  std::string text = "<Link";
  for (const char* attr : {"Name", "DispName", "GroupNo", "FolName", "Extension"}) {
    if (left_out != attr) text += std::string(" ") + attr + "=\"1\"";
  }
  return text + extra + "/>";
}

std::string ManyLinks(int n) {
  std::string links;
  for (int i = 0; i < n; ++i)
    links += LinkElement("");
  return links;
}

TEST(TovoLinkBoxFile, MissingNumbersCountOnGivenNumbersStayAndNoVersionAboveOneLoads) {
  TempDir dir;
  const CString path = dir.File("box.xml");
  const struct {
    std::string links;
    Numbers expected;
  } cases[] = {
      {LinkElement("") + LinkElement("") + LinkElement(""), {0, 1, 2}},
      {LinkElement(" No=\"4\"") + LinkElement(" No=\"4\"") + LinkElement(" No=\"7\""), {4, 4, 7}},
      {LinkElement(" No=\"5\"") + "<Other/>" + LinkElement("") + LinkElement(" No=\"-3\""),
       {5, 6, 7}},
  };
  for (const auto& c : cases) {
    WriteBytes(path, BoxFile("1.00", c.links));
    auto box = NewBox();
    ASSERT_EQ(1, box->Load(path)) << c.links;
    EXPECT_EQ(c.expected, NumbersOf(*box)) << c.links;
  }
  // A version above 1 is refused.
  for (const char* accepted : {"1.00", "1.0", "0.FF", "101.0"}) {
    WriteBytes(path, BoxFile(accepted, LinkElement("")));
    EXPECT_EQ(1, NewBox()->Load(path)) << accepted;
  }
  for (const char* refused : {"1.01", "2.0", "2.00", "1", "", "x.0", "-1.0", "99999999999.0"}) {
    WriteBytes(path, BoxFile(refused, LinkElement("")));
    EXPECT_EQ(0, NewBox()->Load(path)) << refused;
  }
}

TEST(TovoLinkBoxFile, SaveRefusesWhileTheFileChangedAndAcceptsAfterLoading) {
  TempDir dir;
  const CString path = dir.File("box.xml");
  auto box = SampleBox();
  ASSERT_EQ(1, box->Save(path));
  auto other = NewBox();
  ASSERT_EQ(1, other->Load(path));
  // Another program rewrites the file.
  if (fork() == 0) {
    auto writer = NewBox();
    writer->Load(path);
    writer->AddLink(NewLink(42, "Other"));
    writer->Save(path);
    // File systems stamp times with a coarse clock; make sure the change shows as later.
    const timespec later[2] = {{0, UTIME_OMIT},
                               {static_cast<time_t>(writer->GetFileTime() / 1000000000 + 2), 0}};
    _exit(utimensat(AT_FDCWD, afx::ToUtf8(path).c_str(), later, 0) == 0 ? 0 : 1);
  }
  int status = 0;
  wait(&status);
  ASSERT_EQ(0, status);
  const std::string changed = ReadBytes(path);
  EXPECT_EQ(-1, box->Save(path));
  EXPECT_EQ(-1, other->Save(path));
  EXPECT_EQ(changed, ReadBytes(path));
  ASSERT_EQ(1, other->Load(path));
  EXPECT_EQ(4, other->GetLinkCnt());
  EXPECT_EQ(1, other->Save(path));
  EXPECT_EQ(1, NewBox()->Save(path));  // a box that never read the file overwrites it
}

TEST(TovoLinkBoxFile, SaveFailsWithoutLosingTheFile) {
  TempDir dir;
  auto box = SampleBox();
  EXPECT_EQ(0, box->Save(dir.File("missing/box.xml")));
  const CString path = dir.File("box.xml");
  WriteBytes(path, "previous");
  CFile holder;
  ASSERT_TRUE(holder.Open(path, CFile::modeRead | CFile::shareExclusive));
  EXPECT_EQ(0, box->Save(path));
  holder.Close();
  EXPECT_EQ("previous", ReadBytes(path));
}

TEST(TovoLinkBoxFile, DamagedOrHostileFilesLoadNothing) {
  TempDir dir;
  const CString path = dir.File("box.xml");
  ASSERT_EQ(1, SampleBox()->Save(path));
  const std::string good = ReadBytes(path);
  auto root = [](const std::string& attrs, const std::string& body) {
    return "<TovoLinkBox" + attrs + ">" + body + "</TovoLinkBox>";
  };
  const std::string names = " Version=\"1.00\" Name=\"n\" DispName=\"d\"";
  const std::string lists = "<Links/><DeletedLinks/>";
  const std::string laughs =
      "<!DOCTYPE TovoLinkBox [<!ENTITY a \"aaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;\">"
      "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]>" +
      root(" Version=\"1.00\" Name=\"&c;\" DispName=\"d\"", lists);
  std::vector<std::string> cases = {
      "",
      good.substr(0, good.size() - 20),
      "<LinkBox" + names + ">" + lists + "</LinkBox>",
      "<tovolinkbox" + names + ">" + lists + "</tovolinkbox>",
      root(" Name=\"n\" DispName=\"d\"", lists),
      root(" Version=\"1.00\" DispName=\"d\"", lists),
      root(" Version=\"1.00\" Name=\"n\"", lists),
      root(names, ""),
      root(names, "<Links/>"),
      laughs,
      root(" Version=\"1.00\" Name=\"" + std::string(1 << 20, 'N') + "\" DispName=\"d\"", lists),
  };
  for (const char* attr : {"Name", "DispName", "GroupNo", "FolName", "Extension"})
    cases.push_back(BoxFile("1.00", LinkElement("") + LinkElement("", attr)));
  for (const std::string& bytes : cases) {
    auto box = SampleBox();
    ASSERT_EQ(1, box->Save(dir.File("own.xml")));
    WriteBytes(path, bytes);
    EXPECT_EQ(0, box->Load(path)) << bytes.substr(0, 80);
    EXPECT_EQ(0, box->GetLinkCnt() + box->GetDelLinkCnt()) << bytes.substr(0, 80);
    EXPECT_EQ(0u, box->GetFileTime());
  }
  EXPECT_EQ(0, NewBox()->Load(dir.File("absent.xml")));
}

TEST(TovoLinkBoxFile, AnOverlongValueAnywhereInALargeFileLoadsNothingAndLoadedLinksAreOwned) {
  TempDir dir;
  const CString path = dir.File("box.xml");
  const std::string links = ManyLinks(2000);
  const std::string longest(65535, 'x');
  const std::string overlong(65536, 'x');
  std::string quotes;  // other quotes throughout: no gap between quotes gives it away
  while (quotes.size() <= 65536)
    quotes += "\"x";
  for (const std::string& extra :
       {" AddText=\"" + overlong + "\"", " AddText='" + overlong + "'",
        " AddText=\"" + overlong + "\" No=\"1\"", " AddText='" + quotes + "'"}) {
    WriteBytes(path, BoxFile("1.00", links + LinkElement(extra) + links));
    auto box = SampleBox();
    EXPECT_EQ(0, box->Load(path)) << extra.substr(0, 12);
    EXPECT_EQ(0, box->GetLinkCnt() + box->GetDelLinkCnt());
  }
  WriteBytes(path, BoxFile("1.00", links + LinkElement(" AddText=\"" + longest + "\"") + links));
  auto box = NewBox();
  ASSERT_EQ(1, box->Load(path));
  EXPECT_EQ(4001, box->GetLinkCnt());
  EXPECT_EQ(CString(longest.c_str()), box->GetLink(2000)->GetAddText());
  // Loaded links are the box's own: a copy outlives the box and its loading again.
  std::unique_ptr<TovoLinkBox> copy(box->Copy());
  ASSERT_EQ(1, box->Load(path));  // the first load's links are gone
  box.reset();
  EXPECT_EQ(4001, copy->GetLinkCnt());
  WriteBytes(path, BoxFile("1.00", links + LinkElement("", "Name")));
  EXPECT_EQ(0, NewBox()->Load(path));  // the links read before the bad one are freed
}

// What a box reads from text, through a file as Load reads it: the box, or null when it
// loads nothing, and then it is left empty and without a file time.
std::unique_ptr<TovoLinkBox> Read(const TempDir& dir, const std::string& text) {
  const CString path = dir.File("read.xml");
  // A new file each time: the file system writes a file cut short and filled again through
  // to the disk when it is closed.
  std::remove(afx::ToUtf8(path).c_str());
  WriteBytes(path, text);
  auto box = NewBox();
  if (box->Load(path)) return box;
  EXPECT_EQ(0, box->GetLinkCnt() + box->GetDelLinkCnt()) << text;
  EXPECT_EQ(0u, box->GetFileTime()) << text;
  return nullptr;
}

// The names of box as one link, and each of its links and deleted links, appended to into
// with every text they hold.
void AddEveryText(const TovoLinkBox& box, TovoLinkBox& into) {
  const auto add = [&into](const TovoLink& link) {
    TovoLink* copy = link.Copy();
    copy->SetAddText(link.GetAddText());  // a copy starts without it
    into.AddLink(copy);
  };
  TovoLink names;
  names.Name(box.Name());
  names.DispName(box.DispName());
  add(names);
  for (int i = 0; i < box.GetLinkCnt(); ++i)
    add(*box.GetLink(i));
  for (int i = 0; i < box.GetDelLinkCnt(); ++i)
    add(*box.GetDelLink(i));
}

TEST(TovoLinkBoxFile, EveryFormOfTheSameBoxReadsTheSame) {
  TempDir dir;
  const std::string names = " Version=\"1.00\" Name=\"n\" DispName=\"d\"";
  const std::string link =
      "<Link Name='a&apos;' DispName=\"&#x41;&#065;\" GroupNo=\"7\" "
      "FolName=\"f\" Extension=\"e\" No=\"3\"></Link>";
  const std::string body = "<Links>\n " + link + "\n</Links><DeletedLinks/>";
  const std::string plain = "<TovoLinkBox" + names + ">" + body + "</TovoLinkBox>\n";
  const std::string fields = "n|d\na'|AA|7|f|e|3|\n--";
  for (const std::string& text : {
           plain,
           "<!-- a -->" + plain + "<!--b-->",
           "<?xml version='1.0' encoding='sjis'?><!DOCTYPE x>" + plain,
           "\xEF\xBB\xBF" + plain,
           "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + plain,
           plain + "<?editor saved?>",
           "<TovoLinkBox" + names + " Other=\"1\">" + body + "</TovoLinkBox>",
           "<TovoLinkBox" + names + ">text" + body + "</TovoLinkBox>",
           "<TovoLinkBox" + names + "><![CDATA[x]]>" + body + "</TovoLinkBox>",
           "<TovoLinkBox" + names + ">" + body + "<Links/></TovoLinkBox>",
       }) {
    const auto box = Read(dir, text);
    ASSERT_NE(nullptr, box) << text;
    EXPECT_EQ(fields, Describe(*box)) << text;
  }
  for (const std::string& text : {
           "<!DOCTYPE TovoLinkBox [<!ENTITY e \"x\">]>" + plain,
           "<!DOCTYPE ENTITY>" + plain,
           plain + "<!-- open",
           "<TovoLinkBox" + names + "><Links>" + link + "</Links></TovoLinkBox>",
       }) {
    EXPECT_FALSE(Read(dir, text)) << text;
  }
}

TEST(TovoLinkBoxFile, AnyTextLoadsWholeOrNotAtAllAndWhatLoadsSavesAsRead) {
  TempDir dir;
  const CString path = dir.File("box.xml");
  ASSERT_EQ(1, SampleBox()->Save(path));
  const std::string saved = ReadBytes(path);
  // Every cut, and every byte changed to each of the characters that matter to XML. Every
  // text read from them is gathered in one box, which must save as it holds them: read back
  // the same, and saved again the same to the byte.
  auto read = NewBox();
  int loaded = 0;
  for (size_t length = 0; length < saved.size(); ++length)
    loaded += Read(dir, saved.substr(0, length)) != nullptr;
  EXPECT_EQ(1, loaded);  // only the last line feed can go: a shorter cut leaves the root open
  for (size_t at = 0; at < saved.size(); ++at) {
    for (const char c : std::string("<>&\"' \n\t\0/=?!x#;\x82", 18)) {
      std::string changed = saved;
      changed[at] = c;
      if (const auto box = Read(dir, changed)) {
        ++loaded;
        AddEveryText(*box, *read);
      }
    }
  }
  EXPECT_LT(saved.size(), static_cast<size_t>(loaded));
  ASSERT_EQ(1, read->Save(dir.File("gathered.xml")));
  const std::string bytes = ReadBytes(dir.File("gathered.xml"));
  auto again = NewBox();
  ASSERT_EQ(1, again->Load(dir.File("gathered.xml")));
  EXPECT_EQ(Describe(*read), Describe(*again));
  ASSERT_EQ(1, again->Save(dir.File("again.xml")));
  EXPECT_EQ(bytes, ReadBytes(dir.File("again.xml")));
}

}  // namespace

// The drawing file record: setters and their validation, the deliverable file name, copies
// that never take the parent link, and the record line written and read back.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "register/CDrawingFile.h"
#include "register/CDrawingFolder.h"

namespace {

CDrawingFile TypedRecord() {
  CDrawingFile f;
  f.Name(u8"表.P21");
  EXPECT_EQ(1, f.Life("D"));
  EXPECT_EQ(1, f.Arrangement("Z"));
  f.SetTypeInfo({0, 2, "PF"});
  EXPECT_EQ(1, f.Page("42"));
  EXPECT_EQ(1, f.History("3"));
  return f;
}

void ExpectSameFields(const CDrawingFile& want, const CDrawingFile& got) {
  EXPECT_EQ(want.Name(1), got.Name(1));
  EXPECT_EQ(want.Life(), got.Life());
  EXPECT_EQ(want.Arrangement(), got.Arrangement());
  EXPECT_EQ(want.GetTypeInfo().fieldNo, got.GetTypeInfo().fieldNo);
  EXPECT_EQ(want.GetTypeInfo().no, got.GetTypeInfo().no);
  EXPECT_EQ(want.GetTypeInfo().code, got.GetTypeInfo().code);
  EXPECT_EQ(want.Page(), got.Page());
  EXPECT_EQ(want.History(), got.History());
}

TEST(DrawingFileSetters, AcceptOnlyTheNamingRuleAndKeepTheFieldOtherwise) {
  CDrawingFile f;
  EXPECT_EQ(0, f.Life("s"));
  EXPECT_EQ(0, f.Life("SD"));
  EXPECT_EQ(0, f.Life(CString("S\0", 2)));
  EXPECT_EQ(1, f.Life("M"));
  EXPECT_EQ(CString("M"), f.Life());

  for (const char* bad : {"a", "AB", "", "-"}) {
    EXPECT_EQ(0, f.Arrangement(bad)) << bad;
    EXPECT_EQ(0, f.History(bad)) << bad;
  }
  EXPECT_EQ(0, f.Arrangement(u8"Ａ"));  // one double-byte character is two bytes long
  EXPECT_EQ(CString("0"), f.Arrangement());
  EXPECT_EQ(1, f.Arrangement("9"));
  EXPECT_EQ(1, f.History("Z"));
  EXPECT_EQ(CString("Z"), f.History());

  for (const char* bad : {"0", "000", "1000", "", "1a", "+5", " 5", "-1"}) {
    EXPECT_EQ(0, f.Page(bad)) << bad;
  }
  EXPECT_EQ(CString("001"), f.Page());
  for (const auto& [typed, kept] : {std::pair("5", "005"), {"042", "042"}, {"999", "999"}}) {
    EXPECT_EQ(1, f.Page(typed));
    EXPECT_EQ(CString(kept), f.Page());
  }
}

TEST(DrawingFileName, ComposesTheDeliverableNameFromTheFieldsAsTheyStand) {
  CDrawingFile f;
  EXPECT_EQ(CString("S0??0010"), f.Name(0));
  f.Name("A.P21");
  EXPECT_EQ(CString("S0??0010.P21"), f.Name(0));
  f.Name("a.b.dwg");
  EXPECT_EQ(CString("S0??0010.dwg"), f.Name(0));
  EXPECT_EQ(CString("a.b.dwg"), f.Name(1));

  f.SetTypeInfo({3, -1, "ST"});
  EXPECT_EQ(CString("S0??0010.dwg"), f.Name(0));
  f.SetTypeInfo({0, 0, ""});
  EXPECT_EQ(CString("S00010.dwg"), f.Name(0));
  EXPECT_EQ(CString("DZPF0423.P21"), TypedRecord().Name(0));
  // Empty fields show as question marks, parsed fields as they stand.
  ASSERT_EQ(1, f.Parse("x.sfc\t\t\t1\t1\tLC\t\t\t"));
  EXPECT_EQ(CString("??LC????.sfc"), f.Name(0));
  ASSERT_EQ(1, f.Parse("x\tsurvey\t12\t1\t1\tLONG\t7\tr\t"));
  EXPECT_EQ(CString("survey12LONG7r"), f.Name(0));
}

TEST(DrawingFileCopy, CopiesEveryFieldButNeverTheParentLink) {
  CDrawingFolder folder_a, folder_b;
  const CDrawingFile& a = *folder_a.AddFile(TypedRecord());
  ASSERT_EQ(&folder_a, a.GetParentFolder());

  const CDrawingFile copy(a);
  EXPECT_EQ(nullptr, copy.GetParentFolder());
  ExpectSameFields(a, copy);
  const std::unique_ptr<CDrawingFile> clone(a.Clone());
  EXPECT_EQ(nullptr, clone->GetParentFolder());
  ExpectSameFields(a, *clone);

  CDrawingFile& b = *folder_b.AddFile(CDrawingFile());
  b = a;
  EXPECT_EQ(&folder_b, b.GetParentFolder());
  ExpectSameFields(a, b);
  const CDrawingFile& self = b;
  b = self;
  EXPECT_EQ(&folder_b, b.GetParentFolder());
  ExpectSameFields(a, b);
}

TEST(DrawingFileLine, WritesEightFieldsEachClosedByATabAndParsesThemBack) {
  EXPECT_EQ(CString("\tS\t0\t-1\t-1\t\t001\t0\t"), CDrawingFile().ToString());
  const std::string line = TypedRecord().ToString().Bytes();
  EXPECT_EQ("\x95\x5C.P21\tD\tZ\t0\t2\tPF\t042\t3\t", line);
  CDrawingFile extremes = TypedRecord();
  extremes.SetTypeInfo({-2147483647 - 1, 2147483647, ""});
  EXPECT_EQ("\x95\x5C.P21\tD\tZ\t-2147483648\t2147483647\t\t042\t3\t", extremes.ToString().Bytes());
  // Parsed back: every field but the parent link.
  CDrawingFolder folder;
  CDrawingFile& read = *folder.AddFile(CDrawingFile());
  ASSERT_EQ(1, read.Parse(extremes.ToString()));
  ExpectSameFields(extremes, read);
  EXPECT_EQ(&folder, read.GetParentFolder());
  EXPECT_EQ(CString(u8"表.P21"), read.Name(1));
}

TEST(DrawingFileLine, NeedsEightFieldsAndIgnoresWhatFollows) {
  const CString line = TypedRecord().ToString();
  CDrawingFile f;
  EXPECT_EQ(0, f.Parse(line.Left(line.GetLength() - 1)));
  EXPECT_EQ(0, f.Parse(""));
  EXPECT_EQ(0, f.Parse("only\tthree\tfields\t"));
  ExpectSameFields(CDrawingFile(), f);  // a refused line changes nothing

  ASSERT_EQ(1, f.Parse(line + "extra\tmore\t" + "tail without tab"));
  ExpectSameFields(TypedRecord(), f);
  ASSERT_EQ(1, f.Parse("\t\t\t\t\t\t\t\t"));
  EXPECT_EQ(CString(""), f.Life());
  EXPECT_EQ(0, f.GetTypeInfo().fieldNo);
}

TEST(DrawingFileLine, ReadsNumbersAsAtoiDoes) {
  CDrawingFile f;
  const auto numbers = [&](const char* field_no, const char* no) {
    const CString line = CString("n\tS\t0\t") + field_no + "\t" + no + "\tPL\t001\t0\t";
    EXPECT_EQ(1, f.Parse(line));
    return std::pair(f.GetTypeInfo().fieldNo, f.GetTypeInfo().no);
  };
  EXPECT_EQ(std::pair(0, 0), numbers("x", ""));
  EXPECT_EQ(std::pair(12, -3), numbers("  12abc", "\n-3"));
  EXPECT_EQ(std::pair(5, 0), numbers("+5", "- 3"));
  EXPECT_EQ(std::pair(2147483647, -2147483647 - 1), numbers("99999999999", "-99999999999"));
}

TEST(DrawingFileLine, KeepsBinaryAndNulBytesInsideFields) {
  std::string bytes;
  for (int c = 0; c < 256; ++c) {
    if (c != '\t') bytes += static_cast<char>(c);
  }
  CDrawingFile f;
  f.Name(CString(std::string_view(bytes)));
  f.SetTypeInfo({1, 1, CString(std::string_view("P\0F", 3))});
  const CString line = f.ToString();
  EXPECT_EQ(static_cast<int>(bytes.size()) + 19, line.GetLength());

  CDrawingFile read;
  ASSERT_EQ(1, read.Parse(line));
  EXPECT_EQ(bytes, read.Name(1).Bytes());
  EXPECT_EQ(std::string("P\0F", 3), read.GetTypeInfo().code.Bytes());

  // A NUL never ends the line early: eight TABs stand behind it.
  ASSERT_EQ(1, read.Parse(CString(std::string_view("a\0b\tS\t0\t1\t2\tPL\t001\t0\t", 21))));
  EXPECT_EQ(std::string("a\0b", 3), read.Name(1).Bytes());
  EXPECT_EQ(2, read.GetTypeInfo().no);
  ASSERT_EQ(1, read.Parse(CString(std::string_view("\t\t\t\t\t\t\t\0\t", 9))));
  EXPECT_EQ(std::string(1, '\0'), read.History().Bytes());
  EXPECT_EQ(0, read.Parse(CString(std::string_view("\t\t\t\t\t\t\t\0", 8))));
}

TEST(DrawingFileLine, HandlesAMegabyteLongName) {
  const std::string name(1 << 20, '\x81');  // lead bytes only, with nothing to pair with
  CDrawingFile f;
  f.Name(CString(std::string_view(name)));
  CDrawingFile read;
  ASSERT_EQ(1, read.Parse(f.ToString()));
  EXPECT_EQ(name, read.Name(1).Bytes());
  EXPECT_EQ(0, read.Parse(CString(std::string_view(name))));
}

}  // namespace

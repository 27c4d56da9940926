// Deliverable names by the edition of the naming rule: the 2004 order, the 2017 order with its
// user-defined part, and the record line that carries the part so that older readers still
// read it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "register/CDrawingFolder.h"
#include "support/Register.h"

namespace {

std::string Repeat(const char8_t* character, int times) {
  std::string out;
  for (int i = 0; i < times; ++i)
    out += CString(character).Bytes();
  return out;
}

// The first eight fields of a record line, as any earlier version splits it.
std::vector<std::string> EightFields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t tab; fields.size() < 8 && (tab = line.find('\t', start)) != std::string::npos;
       start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  return fields;
}

TEST(NamingEdition, NamesFollowTheEditionsOrderAndThe2017PartComesAfterTheRevision) {
  CDrawingFile f = TestRegister::Drawing("a.P21", NamingEdition::k2004);
  EXPECT_EQ(CString("D0PL001Z.P21"), f.Name(0));
  ASSERT_EQ(1, f.Title(CString(u8"平面図")));
  EXPECT_EQ(CString("D0PL001Z.P21"), f.Name(0)) << "the 2004 order has no user-defined part";
  EXPECT_EQ(CString(u8"001D0PLZ-平面図.P21"), f.Name(0, NamingEdition::k2017));
  f.Naming(NamingEdition::k2017);
  EXPECT_EQ(CString(u8"001D0PLZ-平面図.P21"), f.Name(0));
  ASSERT_EQ(1, f.Title(""));
  EXPECT_EQ(CString("001D0PLZ.P21"), f.Name(0));
  // Copies compose as the original does; unset fields still show as question marks.
  EXPECT_EQ(CString("001D0PLZ.P21"), CDrawingFile(f).Name(0));
  CDrawingFile fresh;
  fresh.Naming(NamingEdition::k2017);
  EXPECT_EQ(CString("001S0??0"), fresh.Name(0));
}

TEST(NamingEdition, ThePartTakesFullWidthAndUpperCaseAlphanumericsWithinItsLimits) {
  CDrawingFile f = TestRegister::Drawing("a.P21", NamingEdition::k2017);
  const std::string kanji52 = Repeat(u8"図", 52);
  // 8 + 1 + 51 + 4 = 64 characters in all: the most a name may have.
  EXPECT_EQ(1, f.Title(CString(Repeat(u8"図", 51))));
  EXPECT_EQ(0, f.Title(CString(kanji52))) << "65 characters with .P21";
  EXPECT_EQ(CString(Repeat(u8"図", 51)), f.Title()) << "a refused part keeps the old one";
  CDrawingFile bare = TestRegister::Drawing("a", NamingEdition::k2017);  // no extension: 52 fit
  EXPECT_EQ(1, bare.Title(CString(kanji52)));
  EXPECT_EQ(0, bare.Title(CString(kanji52 + "A"))) << "53 characters";
  EXPECT_EQ(1, bare.Title(CString(std::string(52, 'A'))));
  EXPECT_EQ(0, bare.Title(CString(std::string(53, '9'))));
  for (const char8_t* refused : {u8"abc", u8"A-B", u8"A B", u8"ｱｲｳ", u8"A\tB", u8"A.B"})
    EXPECT_EQ(0, f.Title(CString(refused))) << reinterpret_cast<const char*>(refused);
  EXPECT_EQ(1, f.Title(CString(u8"ＡＢ１２平面図ZX9")));
  // A lead byte without its trail byte, and a pair code page 932 leaves unassigned.
  EXPECT_EQ(0, f.Title(CString(std::string("\x95", 1))));
  EXPECT_EQ(0, f.Title(CString(std::string("\x85\x40", 2))));
}

TEST(NamingEdition, TheNinthFieldCarriesThePartAndEightFieldReadersKeepTheirFields) {
  CDrawingFile plain = TestRegister::Drawing(CString(u8"表.P21"), NamingEdition::k2017);
  const std::string eight = plain.ToString().Bytes();
  ASSERT_EQ(1, plain.Title(CString(u8"平面図")));
  const std::string nine = plain.ToString().Bytes();
  EXPECT_EQ(eight + CString(u8"平面図").Bytes() + "\t", nine);
  // An eight-field reader sees the same eight fields in both lines.
  EXPECT_EQ(EightFields(eight), EightFields(nine));
  EXPECT_EQ(8u, EightFields(nine).size());
  CDrawingFile read;
  ASSERT_EQ(1, read.Parse(CString(nine)));
  EXPECT_EQ(CString(u8"平面図"), read.Title());
  EXPECT_EQ(nine, read.ToString().Bytes());
  ASSERT_EQ(1, read.Parse(CString(eight)));
  EXPECT_EQ(CString(""), read.Title()) << "a line without the part clears it";
  EXPECT_EQ(eight, read.ToString().Bytes());
  // A part without its closing TAB is no field.
  ASSERT_EQ(1, read.Parse(CString(eight + "X")));
  EXPECT_EQ(CString(""), read.Title());
}

TEST(NamingEdition, AFolderGivesLoadedRecordsTheRegistersEditionAndWritesThePartBack) {
  TestRegister reg;
  reg.MakeDir("A");
  reg.MakeFile(CString(u8"A/表.P21"));
  reg.MakeFile("A/b.dwg");
  CDrawingFile titled = TestRegister::Drawing(CString(u8"表.P21"), NamingEdition::k2004);
  ASSERT_EQ(1, titled.Title(CString(u8"平面図")));
  const std::string bytes = titled.ToString().Bytes() + "\r\n" +
                            TestRegister::Record("b.dwg").ToString().Bytes() + "\r\n";
  WriteBytes(reg.Path("A/FOLDERINF.$$$"), bytes);
  CDrawingFolder folder;
  folder.Name("A");
  reg.env.SetNaming(NamingEdition::k2017);
  ASSERT_EQ(1, folder.LoadFiles(reg.env, 0));
  ASSERT_EQ(2, folder.GetFileCount());
  EXPECT_EQ(CString(u8"001D0PLZ-平面図.P21"), folder.GetFile(0)->Name(0));
  EXPECT_EQ(CString("001S0??0.dwg"), folder.GetFile(1)->Name(0));
  EXPECT_EQ(0, folder.FindFile(CString(u8"001d0plz-平面図.p21"), 0));
  ASSERT_EQ(1, folder.SaveFiles(reg.env));
  EXPECT_EQ(bytes, ReadBytes(reg.Path("A/FOLDERINF.$$$")));
  reg.env.SetNaming(NamingEdition::k2004);
  ASSERT_EQ(1, folder.LoadFiles(reg.env, 0));
  EXPECT_EQ(CString("D0PL001Z.P21"), folder.GetFile(0)->Name(0));
}

}  // namespace

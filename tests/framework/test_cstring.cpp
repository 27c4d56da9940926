// Double-byte awareness of CString: no operation may treat a trail byte as a character.
#include <gtest/gtest.h>

#include "framework/CString.h"

namespace {

// 0x83 0x41 is katakana "a" (trail byte 'A'); 0x83 0x61 is another katakana (trail 'a').
const CString kKanaTrailA("\x83\x41");
const CString kKanaTrailLowerA("\x83\x61");

TEST(CStringText, CaseInsensitiveComparisonNeverFoldsTrailBytes) {
  EXPECT_NE(0, kKanaTrailA.CompareNoCase(kKanaTrailLowerA));
  EXPECT_NE(0, (kKanaTrailA + "X").CompareNoCase(kKanaTrailLowerA + "x"));
  EXPECT_EQ(0, (kKanaTrailA + "abc").CompareNoCase(kKanaTrailA + "ABC"));
  EXPECT_EQ(0, CString("Drawing.P21").CompareNoCase("DRAWING.p21"));
  EXPECT_LT(CString("a").CompareNoCase("B"), 0);
  EXPECT_GT(CString("ab").CompareNoCase("A"), 0);
  EXPECT_LT(CString("").CompareNoCase("A"), 0);
}

TEST(CStringText, UpperAndLowerCaseLeaveTrailBytesAlone) {
  CString s = kKanaTrailLowerA + "ab" + kKanaTrailA;
  s.MakeUpper();
  EXPECT_EQ(s, kKanaTrailLowerA + "AB" + kKanaTrailA);
  s.MakeLower();
  EXPECT_EQ(s, kKanaTrailLowerA + "ab" + kKanaTrailA);
}

TEST(CStringText, SearchesSkipTrailBytes) {
  const CString hyo(u8"表");  // 0x95 0x5C: its trail byte is the backslash
  ASSERT_EQ(hyo, CString("\x95\x5C"));
  const CString path = CString("dir\\") + hyo;
  EXPECT_EQ(3, path.ReverseFind('\\'));
  EXPECT_EQ(-1, hyo.ReverseFind('\\'));
  EXPECT_EQ(-1, hyo.Find('\\'));
  EXPECT_EQ(3, path.Find('\\'));
  EXPECT_EQ(-1, (hyo + "x").Find("\\x"));  // a match may not start on a trail byte
  EXPECT_EQ(2, (hyo + "x").Find("x"));
  // A lone lead byte at the end is a character by itself and does not swallow past the end.
  EXPECT_EQ(1, CString("a\x95").ReverseFind('\x95'));
  CString tail("a\x95");
  EXPECT_EQ(tail.MakeUpper(), CString("A\x95"));
}

TEST(CStringText, SubstringsClampToTheText) {
  const CString s("ABCDE");
  EXPECT_EQ(s.Left(2), "AB");
  EXPECT_EQ(s.Left(99), "ABCDE");
  EXPECT_EQ(s.Right(2), "DE");
  EXPECT_EQ(s.Mid(3), "DE");
  EXPECT_EQ(s.Mid(1, 2), "BC");
  EXPECT_EQ(s.Mid(9), "");
  EXPECT_EQ(s.Left(-1), "");
  CString f;
  f.Format("%s\t%03d", "x", 7);
  EXPECT_EQ(f, "x\t007");
  EXPECT_EQ(CString('c', 3), "ccc");
}

TEST(CStringText, Utf8ConversionAtTheEdges) {
  const CString caption(u8"データエラー");
  EXPECT_EQ(12, caption.GetLength());
  EXPECT_EQ(afx::ToUtf8(caption), std::string(reinterpret_cast<const char*>(u8"データエラー")));
  CString back;
  ASSERT_TRUE(afx::TryFromUtf8("\xE5\x9B\xB3\xE9\x9D\xA2", back));  // 図面
  EXPECT_EQ(back, CString(u8"図面"));
  // An emoji has no code page 932 form: the strict conversion refuses it.
  CString untouched("keep");
  EXPECT_FALSE(afx::TryFromUtf8("\xF0\x9F\x98\x80", untouched));
  EXPECT_EQ(untouched, "keep");
  std::string out;
  EXPECT_FALSE(afx::TryToUtf8(CString("\x81"), out));  // a lead byte without its trail
  const char16_t wide[] = {0x56F3, 0x9762};
  EXPECT_EQ(afx::FromUtf16(wide, 2), CString(u8"図面"));
}

}  // namespace

// The archive's byte encodings: integers, the string length prefixes at every boundary, the
// wide form, and end-of-file on truncated input.
#include <gtest/gtest.h>

#include "framework/CArchive.h"
#include "framework/CMemFile.h"

namespace {

std::string Store(const CString& s) {
  CMemFile file;
  CArchive ar(&file, CArchive::store);
  ar << s;
  ar.Close();
  return std::string(file.Contents());
}

CString Load(const std::string& bytes) {
  CMemFile file(bytes.data(), bytes.size());
  CArchive ar(&file, CArchive::load);
  CString s;
  ar >> s;
  return s;
}

std::string Prefix(std::initializer_list<int> bytes) {
  std::string out;
  for (int b : bytes)
    out += static_cast<char>(b);
  return out;
}

TEST(CArchiveEncoding, IntegersAreLittleEndianTwosComplement) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    ar << std::int32_t{-2} << std::uint32_t{0x01020304};
    ar.Close();
  }
  EXPECT_EQ(Prefix({0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01}), file.Contents());
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  std::int32_t a = 0;
  std::uint32_t b = 0;
  ar >> a >> b;
  EXPECT_EQ(-2, a);
  EXPECT_EQ(0x01020304u, b);
  EXPECT_THROW(ar >> a, CArchiveException);
}

TEST(CArchiveEncoding, StringPrefixesAtEveryBoundary) {
  struct Case {
    int length;
    std::string prefix;
  };
  const Case cases[] = {
      {0, Prefix({0x00})},
      {254, Prefix({0xFE})},
      {255, Prefix({0xFF, 0xFF, 0x00})},
      {65533, Prefix({0xFF, 0xFD, 0xFF})},
      {65534, Prefix({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
      {70000, Prefix({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
  };
  for (const Case& c : cases) {
    const CString s('k', c.length);
    const std::string bytes = Store(s);
    EXPECT_EQ(c.prefix, bytes.substr(0, c.prefix.size())) << c.length;
    EXPECT_EQ(c.prefix.size() + static_cast<size_t>(c.length), bytes.size()) << c.length;
    EXPECT_EQ(s, Load(bytes)) << c.length;
  }
}

TEST(CArchiveEncoding, WideStringsAreReadAndConverted) {
  // 0xFF 0xFFFE marks the wide form; then a 2-character prefix and 図面 in UTF-16LE.
  const std::string wide = Prefix({0xFF, 0xFE, 0xFF, 0x02, 0xF3, 0x56, 0x62, 0x97});
  EXPECT_EQ(CString(u8"図面"), Load(wide));
  // A long wide string uses the 16-bit prefix after the marker.
  std::string long_wide = Prefix({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01});
  for (int i = 0; i < 300; ++i)
    long_wide += Prefix({'a', 0});
  EXPECT_EQ(CString('a', 300), Load(long_wide));
}

TEST(CArchiveEncoding, TruncatedInputEndsWithEndOfFile) {
  const std::string good = Store(CString('x', 300));
  for (size_t cut : {size_t{0}, size_t{1}, size_t{2}, size_t{3}, size_t{100}, good.size() - 1}) {
    try {
      Load(good.substr(0, cut));
      ADD_FAILURE() << "no exception at " << cut;
    } catch (const CArchiveException& e) {
      EXPECT_EQ(CArchiveException::endOfFile, e.m_cause) << cut;
    }
  }
  // A hostile 4 GB length fails at the end of the data instead of allocating for it.
  const std::string hostile = Prefix({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF}) + "short";
  EXPECT_THROW(Load(hostile), CArchiveException);
}

}  // namespace

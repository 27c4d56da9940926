// Raster references of SXF drawings: found once each, in order, and only as plain names.
#include <gtest/gtest.h>

#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/sxf/CSxfImageName.h"
#include "support/Files.h"
#include "support/TempDir.h"

namespace {

std::vector<std::string> Rasters(const TempDir& dir, const std::string& content) {
  WriteBytes(dir.File("d.p21"), content);
  CEnvironObj env;
  CSxfImageName images;
  images.SetEnvObj(env);
  CStringArray names;
  names.Add("D.SAF");
  const int added = images.RasterFiles(dir.File("d.p21"), names);
  std::vector<std::string> out;
  for (int i = 1; i < names.GetSize(); ++i)
    out.push_back(afx::ToUtf8(names[i]));
  EXPECT_EQ(static_cast<int>(out.size()), added);
  return out;
}

TEST(SxfRasterFiles, FindsEachRasterOnceAsAPlainName) {
  TempDir dir;
  EXPECT_EQ((std::vector<std::string>{"a.tif", "B.JPEG", "c.jpg", "y.tif", "x.tiff"}),
            Rasters(dir,
                    "#1=IMAGE('$$RASTER$$a.tif');#2=X('B.JPEG','A.TIF','note.txt');"
                    "#3=Y('dir/sub/c.jpg','C:\\\\x\\\\y.tif','../../x.tiff','/etc/passwd',"
                    "'it''s.doc','..','$$RASTER$$')"));
  // A quote doubled inside a literal belongs to the name.
  EXPECT_EQ(std::vector<std::string>{"it's.tif"}, Rasters(dir, "#1=I('it''s.tif');"));
  // An unterminated literal or a literal too long for a name gives nothing.
  EXPECT_TRUE(Rasters(dir, "#1=I('open.tif").empty());
  EXPECT_TRUE(Rasters(dir, "#1=I('" + std::string(5000, 'x') + ".tif')").empty());
  CEnvironObj env;
  CSxfImageName images;
  CStringArray names;
  EXPECT_EQ(-1, images.RasterFiles(dir.File("missing.p21"), names));
}

TEST(SxfRasterFiles, LiteralsAcrossTheReadBufferAreWhole) {
  TempDir dir;
  for (size_t before : {(1u << 20) - 4, (1u << 20) - 1, (1u << 20) + 0u}) {
    const std::string content = std::string(before, ' ') + "'big''gest.tif' 'two.jpg'";
    EXPECT_EQ((std::vector<std::string>{"big'gest.tif", "two.jpg"}), Rasters(dir, content))
        << before;
  }
}

}  // namespace

// Resources through the module chain: the guard that makes a module current, and bitmaps.
#include <gtest/gtest.h>

#include "hostlibs/reslib/CSetInstance.h"
#include "hostlibs/reslib/ResLibBitmap.h"

namespace {

// An 80 x 16 PNG header (four 20-pixel strips) and a 3 x 2 top-down BMP header.
const unsigned char kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                              'I',  'H', 'D', 'R', 0,    0,    0,    80,   0, 0, 0, 16};
const unsigned char kBmp[] = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0,    0,    0,    0,
                              0,   40,  0, 0, 0, 3, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF};
const unsigned char kJunk[] = {'G', 'I', 'F', '8', '9', 'a'};
constexpr UINT kJunkId = 29999;
// Ids no other module of the process has (the library's own module may be in the chain).
constexpr UINT kImageId = 29998;

TEST(ResLibBitmapTest, FoundInTheCurrentModuleThenAlongTheChain) {
  afx::ResourceModule chained("chained");
  afx::ResourceModule own("own");
  chained.AddBitmap({kImageId, kBmp, sizeof kBmp});
  own.AddBitmap({kImageId, kPng, sizeof kPng});
  own.AddBitmap({kJunkId, kJunk, sizeof kJunk});
  afx::AddToModuleChain(&chained);
  ResLibBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadBitmap(kImageId));
  EXPECT_EQ(3, bitmap.GetWidth());
  EXPECT_EQ(2, bitmap.GetHeight());
  {
    CSetInstance guard(&own);  // the library's own module is searched first
    ASSERT_TRUE(bitmap.LoadBitmap(kImageId));
    EXPECT_EQ(80, bitmap.GetWidth());
    EXPECT_EQ(16, bitmap.GetHeight());
    EXPECT_FALSE(bitmap.LoadBitmap(kJunkId));  // not an image it can read
    EXPECT_FALSE(bitmap.IsLoaded());
  }
  EXPECT_EQ(nullptr, afx::GetResourceHandle());  // the guard put back what was there
  EXPECT_FALSE(bitmap.LoadBitmap(kJunkId));
  afx::RemoveFromModuleChain(&chained);
  EXPECT_FALSE(bitmap.LoadBitmap(kImageId));
}

}  // namespace

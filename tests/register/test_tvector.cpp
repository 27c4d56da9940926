// The growable array: linear growth by whole steps, insert, resize, erase and assignment,
// for a vector of plain numbers (raw moves) and of strings (element-wise copies).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <type_traits>

#include "framework/CString.h"
#include "register/TVector.h"

namespace {

// Appends count elements, each holding its own index (as a number or as text).
template <typename T>
void AppendNumbers(TVector<T>& v, int count) {
  for (int k = 0; k < count; ++k) {
    if constexpr (std::is_same_v<T, CString>)
      v.Append(CString(std::to_string(v.GetCnt()).c_str()));
    else
      v.Append(v.GetCnt());
  }
}

TEST(TVectorGrowth, StartsWithOneStepAndGrowsOneStepAtATime) {
  TVector<int> v;
  EXPECT_EQ(8, v.GetStep());
  EXPECT_EQ(8, v.GetCapacity());
  EXPECT_EQ(0, v.GetCnt());
  for (int n = 1; n <= 17; ++n) {
    v.Append(n - 1);
    EXPECT_EQ((n + 7) / 8 * 8, v.GetCapacity()) << n;  // 8, 16 from the 9th, 24 from the 17th
  }
  EXPECT_EQ(17, v.GetCnt());
  for (int i = 0; i < v.GetCnt(); ++i)
    EXPECT_EQ(i, v[i]);
  TVector<int> odd(3);
  AppendNumbers(odd, 4);
  EXPECT_EQ(6, odd.GetCapacity());
  EXPECT_EQ(1, TVector<int>(0).GetStep());  // a step below 1 would never grow
}

TEST(TVectorInsert, MovesTheTailUpAndGrowsWhenFull) {
  TVector<CString> v;
  AppendNumbers(v, 8);
  v.Insert(0, "first");
  EXPECT_EQ(9, v.GetCnt());
  EXPECT_EQ(16, v.GetCapacity());
  EXPECT_EQ(CString("first"), v[0]);
  for (int i = 1; i < 9; ++i)
    EXPECT_EQ(i - 1, std::atoi(v[i]));
  v.Insert(4, v[8]);  // an element of the vector, inserted before its own old place
  EXPECT_EQ(CString("7"), v[4]);
  EXPECT_EQ(CString("3"), v[5]);
  EXPECT_EQ(CString("7"), v[9]);
  AppendNumbers(v, 6);
  v.Append(v[5]);  // full: the array moves while the argument still refers into it
  EXPECT_EQ(24, v.GetCapacity());
  EXPECT_EQ(CString("3"), v[16]);
}

TEST(TVectorResize, GrowingClearsEverySlotPastCountAndRoundsUpToAStep) {
  TVector<int> v;
  AppendNumbers(v, 8);
  v.Resize(2);  // shrinking keeps the array, with the old values behind count
  EXPECT_EQ(8, v.GetCapacity());
  v.Resize(5);
  EXPECT_EQ(5, v.GetCnt());
  EXPECT_EQ(8, v.GetCapacity());
  EXPECT_EQ(1, v[1]);
  v.Resize(17);  // past the capacity: the old values in slots 5 to 7 are cleared as well
  EXPECT_EQ(17, v.GetCnt());
  EXPECT_EQ(24, v.GetCapacity());
  EXPECT_EQ(1, v[1]);
  for (int i = 2; i < 17; ++i)
    EXPECT_EQ(0, v[i]) << "slot " << i;
  v.Resize(0);
  EXPECT_EQ(0, v.GetCapacity());
  EXPECT_EQ(0, v.GetCnt());
  v.Append(5);
  EXPECT_EQ(8, v.GetCapacity());
}

TEST(TVectorErase, RemovesARangeAndReleasesTheArrayWhenEmpty) {
  TVector<CString> v;
  AppendNumbers(v, 6);
  v.Erase(1, 3);
  ASSERT_EQ(4, v.GetCnt());
  EXPECT_EQ(CString("0"), v[0]);
  EXPECT_EQ(CString("3"), v[1]);
  EXPECT_EQ(CString("5"), v[3]);
  v.Erase(2, 2);  // an empty range changes nothing
  v.Erase(3, 1);
  EXPECT_EQ(4, v.GetCnt());
  v.Erase(0, 4);
  EXPECT_EQ(0, v.GetCapacity());
  EXPECT_EQ(8, v.GetStep());
  v.Append("again");
  EXPECT_EQ(8, v.GetCapacity());
  EXPECT_EQ(CString("again"), v[0]);
}

TEST(TVectorAssign, TakesStepAndCountAndRoundsTheCapacity) {
  TVector<CString> src;
  AppendNumbers(src, 9);
  TVector<CString> dst(4);
  AppendNumbers(dst, 2);
  dst = src;
  EXPECT_EQ(8, dst.GetStep());
  EXPECT_EQ(9, dst.GetCnt());
  EXPECT_EQ(16, dst.GetCapacity());
  for (int i = 0; i < 9; ++i)
    EXPECT_EQ(src[i], dst[i]);
  dst[0] = "changed";
  EXPECT_EQ(CString("0"), src[0]);  // the copy has an array of its own
  const TVector<CString>& self = dst;
  dst = self;  // self-assignment keeps everything
  EXPECT_EQ(9, dst.GetCnt());
  EXPECT_EQ(CString("8"), dst[8]);
  const TVector<CString> empty(5);
  TVector<CString> copy(empty);
  EXPECT_EQ(0, copy.GetCapacity());
  EXPECT_EQ(5, copy.GetStep());
  copy.Append("x");
  EXPECT_EQ(5, copy.GetCapacity());
}

}  // namespace

// The item buffer's ownership rule (only FreeItem and FreeAllItems delete), its index rules
// and its growth.
#include <gtest/gtest.h>

#include "templates/TovoItemBuff.h"

namespace {

// An item that counts live instances, to see exactly which calls delete.
struct Probe : TovoItem {
  Probe() { ++live; }
  ~Probe() override { --live; }
  static inline int live = 0;
};

TEST(TovoItemBuff, RemovingClearingAndCopyingNeverDelete) {
  Probe probes[5];
  TovoItemBuff buff;
  for (Probe& p : probes)
    buff.AddItem(&p);
  const int live = Probe::live;
  {
    TovoItemBuff copy(buff);
    TovoItemBuff assigned(2);
    assigned = buff;
    EXPECT_EQ(8, assigned.GetCapacity());
    EXPECT_EQ(&probes[4], copy.GetItem(4));
    EXPECT_EQ(&probes[4], assigned.GetItem(4));
  }
  buff.DelItem(5, 1);  // starts past the end
  buff.DelItem(1, 0);
  EXPECT_EQ(5, buff.GetCnt());
  buff.DelItem(2, 10);  // cut to the end
  ASSERT_EQ(2, buff.GetCnt());
  EXPECT_EQ(&probes[1], buff.GetItem(1));
  buff.Clear();
  EXPECT_EQ(0, buff.GetCapacity());
  EXPECT_EQ(live, Probe::live);
}

TEST(TovoItemBuff, FreeDeletesOnlyTheRangeAndSkipsNullEntries) {
  Probe::live = 0;
  Probe keep;
  TovoItemBuff buff;
  buff.AddItem(new Probe);
  buff.AddItem(nullptr);
  buff.AddItem(new Probe);
  EXPECT_EQ(3, buff.AddItem(&keep));
  buff.FreeItem(0, 3);
  EXPECT_EQ(1, Probe::live);
  ASSERT_EQ(1, buff.GetCnt());
  EXPECT_EQ(&keep, buff.GetItem(0));
  buff.DelItem(0, 1);
  buff.AddItem(new Probe);
  buff.FreeAllItems();
  EXPECT_EQ(1, Probe::live);
  EXPECT_EQ(0, buff.GetCapacity());
  buff.AddItem(nullptr);
  EXPECT_EQ(8, buff.GetCapacity());  // one growth step again
}

TEST(TovoItemBuff, InsertsOnlyBeforeExistingEntriesAndFindsTheFirst) {
  Probe probes[8], extra;
  TovoItemBuff buff(8);
  for (Probe& p : probes)
    buff.AddItem(&p);
  buff.InsItem(8, &extra);  // equal to the count
  buff.InsItem(-1, &extra);
  EXPECT_EQ(-1, buff.FindItem(&extra));
  buff.InsItem(3, &extra);
  EXPECT_EQ(16, buff.GetCapacity());
  EXPECT_EQ(&probes[3], buff.GetItem(4));
  buff.AddItem(&extra);
  EXPECT_EQ(3, buff.FindItem(&extra));
  EXPECT_EQ(-1, TovoItemBuff().FindItem(&extra));
}

}  // namespace

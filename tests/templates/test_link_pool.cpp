// The memory of links read from a file: one block for many links, given back with the last.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <thread>
#include <vector>

#include "templates/TovoLink.h"
#include "templates/TovoLinkPool.h"

namespace {

std::vector<TovoLink*> NewLinks(int n) {
  std::vector<TovoLink*> links;
  for (int i = 0; i < n; ++i) {
    links.push_back(TovoLink::Create());
    links.back()->Name(CString(std::to_string(i)));
  }
  return links;
}

void Delete(const std::vector<TovoLink*>& links) {
  for (TovoLink* link : links)
    delete link;
}

TEST(TovoLinkPool, LinksShareABlockThatLeavesWithTheLastOfThem) {
  const size_t base = TovoLinkPool::BlocksInUse();
  std::vector<TovoLink*> pooled;
  TovoLink* beyond = nullptr;
  {
    TovoLinkPool pool(1000, sizeof(TovoLink));
    EXPECT_EQ(base + 1, TovoLinkPool::BlocksInUse());
    pooled = NewLinks(1000);
    beyond = TovoLink::Create();  // no room left: from the heap
  }
  EXPECT_EQ(base + 1, TovoLinkPool::BlocksInUse());  // the links keep it
  for (int i = 0; i < 1000; ++i)
    EXPECT_EQ(CString(std::to_string(i)), pooled[i]->Name());

  std::shuffle(pooled.begin(), pooled.end(), std::mt19937(7));
  const std::vector<TovoLink*> half(pooled.begin() + 500, pooled.end());
  pooled.resize(500);
  std::thread other([&] { Delete(half); });  // links may die on any thread
  Delete(pooled);
  other.join();
  EXPECT_EQ(base, TovoLinkPool::BlocksInUse());
  EXPECT_EQ(CString(), beyond->Name());
  delete beyond;
}

TEST(TovoLinkPool, SmallCountsAndNestedPools) {
  const size_t base = TovoLinkPool::BlocksInUse();
  std::vector<TovoLink*> links;
  {
    TovoLinkPool few(3, sizeof(TovoLink));
    EXPECT_EQ(base, TovoLinkPool::BlocksInUse());  // a few links are not worth a block
    links = NewLinks(3);
  }
  Delete(links);
  {
    TovoLinkPool outer(1000, sizeof(TovoLink));
    {
      TovoLinkPool inner(1000, sizeof(TovoLink));
      EXPECT_EQ(base + 2, TovoLinkPool::BlocksInUse());
      links = NewLinks(10);
    }
    Delete(links);
    EXPECT_EQ(base + 1, TovoLinkPool::BlocksInUse());  // the inner block went with its links
    links = NewLinks(10);                              // the outer pool serves again
  }
  EXPECT_EQ(base + 1, TovoLinkPool::BlocksInUse());
  Delete(links);
  EXPECT_EQ(base, TovoLinkPool::BlocksInUse());
  EXPECT_EQ(base, (Delete(NewLinks(5)), TovoLinkPool::BlocksInUse()));  // no pool: the heap
}

TEST(TovoLinkPool, AGrowingPoolTakesNewBlocksAndEachLeavesWithItsLinks) {
  const size_t base = TovoLinkPool::BlocksInUse();
  std::vector<TovoLink*> links;
  {
    TovoLinkPool pool(sizeof(TovoLink));
    Delete(NewLinks(1));  // a link that dies at once leaves the open block alone
    links = NewLinks(5000);
    EXPECT_LT(base + 2, TovoLinkPool::BlocksInUse());
  }
  for (size_t i = 0; i < links.size(); ++i)
    ASSERT_EQ(CString(std::to_string(i)), links[i]->Name());
  TovoLink* last = links.back();
  links.pop_back();
  Delete(links);
  EXPECT_EQ(base + 1, TovoLinkPool::BlocksInUse());  // only the block of the last link stays
  delete last;
  EXPECT_EQ(base, TovoLinkPool::BlocksInUse());
}

}  // namespace

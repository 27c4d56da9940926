// A link box's file against what a shared drive can hold at its name (symbolic links, hard
// links, FIFOs, devices), against saves killed at random moments, and against files that
// would make a reader take far more memory than their size.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <random>
#include <string>

#include "LinkBoxFields.h"
#include "PeakMemory.h"
#include "framework/FileSystem.h"
#include "framework/InPlaceRewrite.h"
#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace {

std::unique_ptr<TovoLinkBox> BoxOf(int links, int seed = 0) {
  std::unique_ptr<TovoLinkBox> box(TovoLinkBox::Create(TovoFileBox()));
  for (int i = 0; i < links; ++i) {
    TovoLink::LinkInfo info{seed * 100000 + i, CString(u8"フォルダ") + CString(std::to_string(i))};
    TovoLink* link = TovoLink::Create(&info);
    link->Name(info.FolName + ".P21");
    box->AddLink(link);
  }
  return box;
}

std::string Os(const CString& path) {
  return afx::ToUtf8(path);
}

TEST(TovoLinkBoxFileSafety, OnlyARegularFileOfItsOwnNameIsReadOrWritten) {
  TempDir dir;
  const CString target = dir.File("target.xml"), nowhere = dir.File("nowhere.xml");
  ASSERT_EQ(1, BoxOf(2)->Save(target));
  const std::string bytes = ReadBytes(target);
  const CString symlink = dir.File("symlink.xml"), dangling = dir.File("dangling.xml");
  const CString hard = dir.File("hard.xml"), fifo = dir.File("fifo.xml");
  ASSERT_EQ(0, ::symlink(Os(target).c_str(), Os(symlink).c_str()));
  ASSERT_EQ(0, ::symlink(Os(nowhere).c_str(), Os(dangling).c_str()));
  ASSERT_EQ(0, ::link(Os(target).c_str(), Os(hard).c_str()));
  ASSERT_EQ(0, ::mkfifo(Os(fifo).c_str(), 0600));
  // Each in a child that an alarm ends: a save or load that waits fails instead of stalling.
  const auto save = [](const CString& path) {
    return InChild([&] {
      alarm(5);
      return BoxOf(3)->Save(path);
    });
  };
  const auto load = [](const CString& path) {
    return InChild([&] {
      alarm(5);
      TovoLinkBox* box = BoxOf(1).release();
      return box->Load(path) + 2 * box->GetLinkCnt();
    });
  };
  for (const CString& path : {symlink, dangling, hard, fifo, dir.Path()}) {
    EXPECT_EQ(0, save(path)) << path;
    EXPECT_EQ(afx::PathKind::missing, afx::GetPathKind(afx::JournalPath(path))) << path;
  }
  EXPECT_EQ(bytes, ReadBytes(target));
  EXPECT_EQ(afx::PathKind::missing, afx::GetPathKind(nowhere));
  EXPECT_TRUE(afx::LookAt(symlink).isLink);
  for (const CString& path : {symlink, fifo, dir.Path(), CString("/dev/zero")})
    EXPECT_EQ(0, load(path)) << path;  // refused, and the box left empty
  EXPECT_EQ(1 + 2 * 2, load(hard));    // reading another name of a file writes nothing
  ASSERT_EQ(0, ::unlink(Os(target).c_str()));
  EXPECT_EQ(1, save(hard));  // its own name alone again
}

// Every save runs in a child killed at a random moment around the time a save takes. The
// next load gives the box before that save or the box after it, whole: never a mix, and
// never a journal left behind or set aside.
TEST(TovoLinkBoxFileSafety, ASaveKilledAtAnyMomentLeavesTheOldBoxOrTheNew) {
  TempDir dir;
  const CString path = dir.File("box.xml");
  constexpr int kMostLinks = 1500;
  const auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(1, BoxOf(kMostLinks)->Save(path));
  const long save_us = static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(
                                             std::chrono::steady_clock::now() - started)
                                             .count());
  std::string on_disk = Describe(*BoxOf(kMostLinks));
  const unsigned seed = static_cast<unsigned>(time(nullptr));
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> link_count(0, kMostLinks);
  std::uniform_int_distribution<long> delay(0, 3 * save_us / 2 + 200);
  int kept_old = 0, took_new = 0, journals = 0;
  for (int round = 0; round < 500; ++round) {
    auto next = BoxOf(link_count(random), round);
    const std::string wanted = Describe(*next);
    const pid_t pid = fork();
    if (pid == 0) _exit(next->Save(path) == 1 ? 0 : 1);
    const long wait_us = delay(random);
    const timespec pause{0, wait_us * 1000};
    nanosleep(&pause, nullptr);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    journals += afx::LookAt(afx::JournalPath(path)).error == 0;
    auto loaded = BoxOf(0);
    const std::string where = "round " + std::to_string(round) + ", killed after " +
                              std::to_string(wait_us) + " us, seed " + std::to_string(seed);
    ASSERT_EQ(1, loaded->Load(path)) << where;
    const std::string now = Describe(*loaded);
    ASSERT_TRUE(now == on_disk || now == wanted) << where;
    ASSERT_EQ(afx::PathKind::missing, afx::GetPathKind(afx::JournalPath(path))) << where;
    ASSERT_EQ(afx::PathKind::missing, afx::GetPathKind(afx::StaleJournalPath(path))) << where;
    (now == wanted && now != on_disk ? took_new : kept_old) += 1;
    on_disk = now;
  }
  EXPECT_LT(0, kept_old);  // the moments spread over the whole save
  EXPECT_LT(0, took_new);
  std::printf("save %ld us: %d old, %d new, %d journals recovered\n", save_us, kept_old, took_new,
              journals);
}

std::string BoxText(const std::string& piece, size_t times, const std::string& before = "") {
  std::string text =
      "<TovoLinkBox Version=\"1.00\" Name=\"N\" DispName=\"D\">" + before + "<Links>";
  for (size_t i = 0; i < times; ++i)
    text += piece;
  return text + "</Links><DeletedLinks/></TovoLinkBox>\n";
}

// What costs a reader most for its size: empty elements (a parsed "<a/>" takes sixteen times
// its bytes), the least a link can be and a usual one, in a file as Save writes it and with
// text that another program put in. Each is read within eight times its size plus 64 MiB, or
// refused. The sanitizer's builds read a tenth as much and check only that each ends whole.
TEST(TovoLinkBoxFileSafety, ReadingHoldsAtMostEightTimesTheFileSizePlus64MiB) {
  TempDir dir;
  const size_t n = kSanitizedHeap ? 10 : 1;
  const std::string least = "<Link Name='' DispName='' GroupNo='' FolName='' Extension=''/>";
  const std::string usual =
      "<Link Name=\"S0001.P21\" DispName=\"S0001\" GroupNo=\"12\" FolName=\"DRAWING/S0001\" "
      "Extension=\"P21\" No=\"7\" AddText=\"\"/>\n";
  const struct {
    std::string text;
    int loads;
  } cases[] = {{BoxText("<a/>", 4000000 / n), 0},
               {BoxText(least, 600000 / n), 1},
               {BoxText(least, 600000 / n, "text"), 1},
               {BoxText(usual, 300000 / n, "text"), 1}};
  for (const auto& c : cases) {
    const CString path = dir.File("box.xml");
    WriteBytes(path, c.text);
    const PeakUse use = PeakUseOf([&] { return BoxOf(0).release()->Load(path); });
    const std::string what = c.text.substr(50, 70);
    ASSERT_LE(0, use.grownBytes) << what;
    if (kSanitizedHeap) {
      EXPECT_TRUE(use.result == 0 || use.result == 1) << what;
    } else {
      EXPECT_EQ(c.loads, use.result) << what;
      EXPECT_LE(use.grownBytes, 8LL * static_cast<long long>(c.text.size()) + (64LL << 20));
    }
    std::printf("%zu bytes: peak %lld\n", c.text.size(), use.grownBytes);
  }
}

}  // namespace

// A link box's file against what a shared drive can hold at its name: symbolic links, hard
// links, FIFOs and devices; saves killed at random moments; and files whose contents would
// make a reader take far more memory than their size.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <random>
#include <string>

#include "PeakMemory.h"
#include "framework/FileSystem.h"
#include "framework/InPlaceRewrite.h"
#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "support/TwoWayLinkBox.h"
#include "templates/TovoLinkBox.h"

namespace {

std::unique_ptr<TovoLinkBox> BoxOf(int links, int seed = 0) {
  TovoFileBox file_box;
  file_box.Name(u8"図面");
  std::unique_ptr<TovoLinkBox> box(TovoLinkBox::Create(file_box));
  for (int i = 0; i < links; ++i) {
    TovoLink::LinkInfo info{seed * 100000 + i, CString(u8"フォルダ") + CString(std::to_string(i))};
    TovoLink* link = TovoLink::Create(&info);
    link->Name(info.FolName + ".P21");
    link->SetAddText(CString(std::to_string(seed).c_str()));
    box->AddLink(link);
  }
  return box;
}

std::string Os(const CString& path) {
  return afx::ToUtf8(path);
}

// Load in a child that an alarm ends should it wait: a reader that blocks fails the test
// instead of stalling it. The child's result: 0 refused, 1 loaded.
int LoadWithin5Seconds(const CString& path) {
  return InChild([&] {
    alarm(5);
    TovoLinkBox* box = BoxOf(0).release();
    return box->Load(path) == 0 && box->GetLinkCnt() == 0 ? 0 : 1;
  });
}

TEST(TovoLinkBoxFileSafety, SaveNeverWritesThroughALinkNamedLikeItsFile) {
  TempDir dir;
  const CString target = dir.File("target.xml");
  WriteBytes(target, "target");
  const CString symlink = dir.File("symlink.xml");
  ASSERT_EQ(0, ::symlink(Os(target).c_str(), Os(symlink).c_str()));
  const CString dangling = dir.File("dangling.xml");
  const CString nowhere = dir.File("nowhere.xml");
  ASSERT_EQ(0, ::symlink(Os(nowhere).c_str(), Os(dangling).c_str()));
  const CString hard = dir.File("hard.xml");
  ASSERT_EQ(0, ::link(Os(target).c_str(), Os(hard).c_str()));
  const CString fifo = dir.File("fifo.xml");
  ASSERT_EQ(0, ::mkfifo(Os(fifo).c_str(), 0600));
  const CString folder = dir.File("folder.xml");
  ASSERT_TRUE(afx::CreateDirectories(folder));

  auto box = BoxOf(3);
  for (const CString& path : {symlink, dangling, hard, folder}) {
    EXPECT_EQ(0, box->Save(path)) << path;
    EXPECT_EQ(afx::PathKind::missing, afx::GetPathKind(afx::JournalPath(path))) << path;
  }
  EXPECT_EQ(0, InChild([&] {
              alarm(5);
              return BoxOf(3)->Save(fifo) == 0 ? 0 : 1;
            }));
  EXPECT_EQ("target", ReadBytes(target));
  EXPECT_EQ(afx::PathKind::missing, afx::GetPathKind(nowhere));
  EXPECT_TRUE(afx::LookAt(symlink).isLink);
  EXPECT_TRUE(afx::LookAt(dangling).isLink);

  // Once the other name is gone, the file is the box's own again.
  ASSERT_EQ(0, ::unlink(Os(target).c_str()));
  EXPECT_EQ(1, box->Save(hard));
  auto loaded = BoxOf(0);
  ASSERT_EQ(1, loaded->Load(hard));
  EXPECT_EQ(Describe(*box), Describe(*loaded));
}

TEST(TovoLinkBoxFileSafety, LoadRefusesAtOnceWhatIsNotARegularFile) {
  TempDir dir;
  const CString real = dir.File("real.xml");
  ASSERT_EQ(1, BoxOf(2)->Save(real));
  const CString symlink = dir.File("symlink.xml");
  ASSERT_EQ(0, ::symlink(Os(real).c_str(), Os(symlink).c_str()));
  const CString fifo = dir.File("fifo.xml");
  ASSERT_EQ(0, ::mkfifo(Os(fifo).c_str(), 0600));
  const CString folder = dir.File("folder.xml");
  ASSERT_TRUE(afx::CreateDirectories(folder));
  for (const CString& path : {symlink, fifo, folder, CString("/dev/zero"), CString("/dev/null")})
    EXPECT_EQ(0, LoadWithin5Seconds(path)) << path;
  EXPECT_EQ(1, LoadWithin5Seconds(real));
}

// Every save runs in a child killed at a random moment around the time a save takes. The
// next load must give the box before that save or the box after it, whole: never a mix,
// never a failure, and never a journal left behind.
TEST(TovoLinkBoxFileSafety, ASaveKilledAtAnyMomentLeavesTheOldBoxOrTheNew) {
  TempDir dir;
  const CString path = dir.File("box.xml");
  constexpr int kMostLinks = 1500;
  const auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(1, BoxOf(kMostLinks)->Save(path));
  const auto save_time = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::steady_clock::now() - started)
                             .count();
  std::string on_disk;
  {
    auto loaded = BoxOf(0);
    ASSERT_EQ(1, loaded->Load(path));
    on_disk = Describe(*loaded);
  }
  const unsigned seed = static_cast<unsigned>(time(nullptr));
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> link_count(0, kMostLinks);
  std::uniform_int_distribution<long> delay(0, 3 * save_time / 2 + 200);
  int kept_old = 0, took_new = 0, journals = 0;
  for (int round = 0; round < 500; ++round) {
    auto next = BoxOf(link_count(random), round);
    const std::string wanted = Describe(*next);
    const pid_t pid = fork();
    if (pid == 0) _exit(next->Save(path) == 1 ? 0 : 1);
    const long wait = delay(random);
    const timespec pause{0, wait * 1000};
    nanosleep(&pause, nullptr);
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    journals += afx::LookAt(afx::JournalPath(path)).error == 0;
    auto loaded = BoxOf(0);
    ASSERT_EQ(1, loaded->Load(path)) << "round " << round << ", seed " << seed;
    const std::string now = Describe(*loaded);
    ASSERT_TRUE(now == on_disk || now == wanted)
        << "round " << round << ", killed after " << wait << " us, seed " << seed;
    ASSERT_EQ(afx::PathKind::missing, afx::GetPathKind(afx::JournalPath(path)));
    // A journal of our own save always fits the file it left: none is ever set aside.
    ASSERT_EQ(afx::PathKind::missing, afx::GetPathKind(afx::StaleJournalPath(path)))
        << "round " << round << ", killed after " << wait << " us, seed " << seed;
    (now == wanted && now != on_disk ? took_new : kept_old) += 1;
    on_disk = now;
  }
  // The moments spread over the whole save: some kills came before the rewrite, some after.
  EXPECT_LT(0, kept_old);
  EXPECT_LT(0, took_new);
  RecordProperty("journals_found", journals);
  std::printf("save %lld us: %d old, %d new, %d journals recovered\n",
              static_cast<long long>(save_time), kept_old, took_new, journals);
}

std::string BoxText(const std::string& links, const std::string& before_links = "") {
  return "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<TovoLinkBox Version=\"1.00\" "
         "Name=\"N\" DispName=\"D\">" +
         before_links + "<Links>" + links + "</Links><DeletedLinks/></TovoLinkBox>\n";
}

std::string Repeated(const std::string& piece, size_t times) {
  std::string text;
  text.reserve(piece.size() * times);
  for (size_t i = 0; i < times; ++i)
    text += piece;
  return text;
}

// Files that cost a reader most for their size: millions of empty elements (a parsed
// element takes sixteen times "<a/>"), the least a link can be, and links only the parser
// reads. Each is read within eight times its size plus 64 MiB, or refused.
TEST(TovoLinkBoxFileSafety, ReadingHoldsAtMostEightTimesTheFileSizePlus64MiB) {
  TempDir dir;
  // The sanitizer's builds read files a tenth the size, and check only that each is read or
  // refused whole.
  const size_t n = kSanitizedHeap ? 10 : 1;
  const std::string least_link =
      "<Link Name=\"\" DispName=\"\" GroupNo=\"\" FolName=\"\" Extension=\"\"/>";
  const struct {
    const char* what;
    std::string text;
    int loads;
  } cases[] = {
      {"empty elements", BoxText(Repeated("<a/>", 4000000 / n)), 0},
      {"least links, read tag by tag", BoxText(Repeated(least_link, 600000 / n)), 1},
      {"least links, parsed", BoxText(Repeated(least_link, 600000 / n), "text"), 0},
      {"links of the usual size, parsed",
       BoxText(Repeated("<Link Name=\"S0001.P21\" DispName=\"S0001\" GroupNo=\"12\" "
                        "FolName=\"DRAWING/S0001\" Extension=\"P21\" No=\"7\" AddText=\"\"/>\n",
                        300000 / n),
               "text"),
       1},
  };
  for (const auto& c : cases) {
    const CString path = dir.File("box.xml");
    WriteBytes(path, c.text);
    const PeakUse use = PeakUseOf([&] {
      TovoLinkBox* box = BoxOf(0).release();
      return box->Load(path);
    });
    const long long bound = 8LL * static_cast<long long>(c.text.size()) + (64LL << 20);
    ASSERT_LE(0, use.grownBytes) << c.what;
    if (kSanitizedHeap) {
      EXPECT_TRUE(use.result == 0 || use.result == 1) << c.what;  // a smaller file may fit
    } else {
      EXPECT_EQ(c.loads, use.result) << c.what;
      EXPECT_LE(use.grownBytes, bound) << c.what;
    }
    std::printf("%s: %zu bytes, peak %lld bytes (%.1f times)\n", c.what, c.text.size(),
                use.grownBytes, static_cast<double>(use.grownBytes) / c.text.size());
  }
}

}  // namespace

// Saving and loading a link box of 10,000 links, far more than a real box holds, each
// measured against pugixml alone writing and parsing the same document in the same run: both
// sides take turns in every iteration, once with a cold heap and once with a warm one (see
// Heap). Each row gives both processor times per iteration and their ratio, ours to
// pugixml's. Loading is meant to take at most three times pugixml's parse.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <time.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <pugixml.hpp>
#include <string>

#include "templates/TovoLinkBox.h"

namespace {

constexpr int kLinks = 10000;

// Both sides are timed in the thread's processor time (user and system, page faults
// included), so that other work on the machine does not tilt the ratio.
double Now() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Fixture {
  std::unique_ptr<TovoLinkBox> box;
  std::string dir;

  Fixture() {
    char pattern[] = "/tmp/drawreg-bench-XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    dir = pattern;
    TovoFileBox file_box;
    file_box.Name("DRAWING");
    file_box.DispName(u8"図面");
    box.reset(TovoLinkBox::Create(file_box));
    for (int i = 0; i < kLinks; ++i) {
      TovoLink::LinkInfo info{i % 500, CString(u8"工区") + CString(std::to_string(i / 500))};
      TovoLink* link = TovoLink::Create(&info);
      link->Name(CString("D") + CString(std::to_string(i)) + ".P21");
      link->DispName(CString(u8"平面図 ") + CString(std::to_string(i)));
      link->SetExtension("P21");
      if (i % 10 == 0) link->SetAddText(u8"備考 & 注記");
      box->AddLink(link);
    }
    box->UniteLinks(10, 20);
  }
  ~Fixture() {
    std::remove(Path("drawreg.xml").c_str());
    std::remove(Path("pugixml.xml").c_str());
    rmdir(dir.c_str());
  }
  std::string Path(const char* name) const { return dir + "/" + name; }
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void AddLinkNode(pugi::xml_node list, const TovoLink& link) {
  pugi::xml_node node = list.append_child("Link");
  node.append_attribute("Name").set_value(link.Name());
  node.append_attribute("DispName").set_value(link.DispName());
  node.append_attribute("GroupNo").set_value(static_cast<unsigned>(link.GetLinkInfo().GroupNo));
  node.append_attribute("FolName").set_value(link.GetLinkInfo().FolName);
  node.append_attribute("Extension").set_value(link.GetExtension());
  node.append_attribute("No").set_value(link.GetDataNo());
  node.append_attribute("AddText").set_value(link.GetAddText());
}

// pugixml alone: the same document built from the same box, saved as raw bytes.
void PugixmlSave(const TovoLinkBox& box, const std::string& path) {
  pugi::xml_document doc;
  pugi::xml_node decl = doc.append_child(pugi::node_declaration);
  decl.append_attribute("version").set_value("1.0");
  decl.append_attribute("encoding").set_value("Shift_JIS");
  pugi::xml_node root = doc.append_child("TovoLinkBox");
  root.append_attribute("Version").set_value("1.00");
  root.append_attribute("Name").set_value(box.Name());
  root.append_attribute("DispName").set_value(box.DispName());
  pugi::xml_node links = root.append_child("Links");
  for (int i = 0; i < box.GetLinkCnt(); ++i)
    AddLinkNode(links, *box.GetLink(i));
  root.append_child("DeletedLinks");
  if (!doc.save_file(path.c_str(), "", pugi::format_raw, pugi::encoding_utf8)) std::abort();
}

// Processor time body takes, in seconds.
template <typename Body>
double Time(Body body) {
  const double start = Now();
  body();
  return Now() - start;
}

// How the heap stands when each side starts. Cold: all memory freed before was given back to
// the system, as in a host that loads a box now and then, so each side pays for the fresh
// pages it touches. Warm: the heap keeps what is freed, so each side finds the memory the
// other just freed at hand and the times are those of the work alone.
enum class Heap { cold, warm };

// Sets the heap to keep freed memory (warm) for as long as it lives, then back to the C
// library's defaults.
struct HeapState {
  explicit HeapState(Heap heap) : warm(heap == Heap::warm) {
    if (!warm) return;
    mallopt(M_MMAP_THRESHOLD, 32 << 20);  // the largest the C library takes
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
  }
  ~HeapState() {
    if (!warm) return;
    mallopt(M_MMAP_THRESHOLD, 128 << 10);
    mallopt(M_TRIM_THRESHOLD, 128 << 10);
  }
  bool warm;
};

// Runs the baseline and ours in turn in every iteration, in the same state of the heap, and
// reports both times and their ratio.
template <typename Baseline, typename Ours>
void Compare(benchmark::State& state, Heap heap, Baseline baseline, Ours ours) {
  const HeapState keep(heap);
  double base = 0;
  double mine = 0;
  for (auto _ : state) {
    if (heap == Heap::cold) malloc_trim(0);
    base += Time(baseline);
    if (heap == Heap::cold) malloc_trim(0);
    mine += Time(ours);
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["pugixml_ms"] = base / n * 1e3;
  state.counters["drawreg_ms"] = mine / n * 1e3;
  state.counters["ratio"] = mine / base;
}

void BM_Save(benchmark::State& state, Heap heap) {
  Fixture& f = Shared();
  const std::string ours = f.Path("drawreg.xml");
  const std::string theirs = f.Path("pugixml.xml");
  Compare(
      state, heap, [&] { PugixmlSave(*f.box, theirs); },
      [&] {
        if (f.box->Save(ours.c_str()) != 1) std::abort();
      });
}

// The file as the link box wrote it. Each round loads into a new box and destroys it, as
// pugixml parses into a new document and destroys it.
void BM_Load(benchmark::State& state, Heap heap) {
  Fixture& f = Shared();
  const std::string path = f.Path("drawreg.xml");
  if (f.box->Save(path.c_str()) != 1) std::abort();
  TovoFileBox file_box;
  file_box.Name("DRAWING");
  Compare(
      state, heap,
      [&] {
        pugi::xml_document doc;
        if (!doc.load_file(path.c_str(), pugi::parse_default, pugi::encoding_utf8)) std::abort();
        benchmark::DoNotOptimize(doc.first_child().internal_object());
      },
      [&] {
        std::unique_ptr<TovoLinkBox> box(TovoLinkBox::Create(file_box));
        if (box->Load(path.c_str()) != 1 || box->GetLinkCnt() != kLinks) std::abort();
      });
}

}  // namespace

BENCHMARK_CAPTURE(BM_Save, cold, Heap::cold)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK_CAPTURE(BM_Save, warm, Heap::warm)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK_CAPTURE(BM_Load, cold, Heap::cold)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK_CAPTURE(BM_Load, warm, Heap::warm)->Unit(benchmark::kMillisecond)->MinTime(3);

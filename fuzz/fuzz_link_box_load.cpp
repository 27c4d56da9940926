// libFuzzer target: a link box reads arbitrary bytes as its XML file. Reading must either
// succeed or leave the box empty, and whatever it read must survive the box's numbering
// operations and a copy. A text read tag by tag must read the same through the parsed
// document.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "templates/TovoLinkBox.h"
#include "tests/support/TwoWayLinkBox.h"

namespace {

void Exercise(TovoLinkBox& box) {
  const int count = box.GetLinkCnt();
  for (int i = 0; i < count; ++i) {
    const TovoLink* link = box.GetLink(i);
    if (!link) __builtin_trap();
    if (box.SrchLink(link->GetLinkInfo()) == nullptr) __builtin_trap();
  }
  std::unique_ptr<TovoLinkBox> copy(box.Copy());
  if (copy->GetLinkCnt() != count || copy->GetDelLinkCnt() != 0) __builtin_trap();
  if (count > 1) {
    copy->DevideLinks(count / 2);
    copy->UniteLinks(0, count - 1);
    copy->DelLink(0, 1);
    for (int i = 0; i < copy->GetLinkCnt(); ++i) {
      if (copy->GetLink(i)->GetDataNo() != 0) __builtin_trap();  // one item after uniting
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  TwoWayLinkBox box;
  if (box.FromTags(text)) {
    TwoWayLinkBox parsed;
    if (!parsed.FromDocument(text) || Describe(box) != Describe(parsed)) __builtin_trap();
    Exercise(box);
  } else if (box.GetLinkCnt() != 0 || box.GetDelLinkCnt() != 0) {
    __builtin_trap();
  } else if (box.FromDocument(text)) {
    Exercise(box);
  } else if (box.GetLinkCnt() != 0 || box.GetDelLinkCnt() != 0) {
    __builtin_trap();
  }
  return 0;
}

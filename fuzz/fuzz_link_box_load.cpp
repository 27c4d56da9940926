// libFuzzer target: a link box reads arbitrary bytes as its XML file. Reading must either
// succeed or leave the box empty, and whatever it read must survive the box's numbering
// operations and a copy. A text read tag by tag must read the same through the parsed
// document. A parsed document never takes more of the heap than its HeldBytes, the bound a
// link box's read is charged with, as the sanitizer's hooks count the heap's bytes.
#include <sanitizer/allocator_interface.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "hostlibs/xmlfile/CXmlFileDoc.h"
#include "templates/TovoLinkBox.h"
#include "tests/support/TwoWayLinkBox.h"

namespace {

// The heap's bytes in use while counting, from where counting began, and the most.
bool counting = false;
long long in_use = 0;
long long peak = 0;

void OnMalloc(const volatile void*, size_t size) {
  if (!counting) return;
  in_use += static_cast<long long>(size);
  if (in_use > peak) peak = in_use;
}

void OnFree(const volatile void* p) {
  if (counting && p) {
    in_use -= static_cast<long long>(__sanitizer_get_allocated_size(const_cast<const void*>(p)));
  }
}

void ExpectParseWithinHeldBytes(const std::string& text) {
  CXmlFileDoc doc;
  in_use = peak = 0;
  counting = true;
  const int parsed = doc.SetText(text.data(), text.size());
  counting = false;
  if (parsed && static_cast<size_t>(peak) > doc.HeldBytes()) __builtin_trap();
}

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

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ExpectParseWithinHeldBytes(text);
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

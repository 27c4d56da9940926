// libFuzzer target: a link box reads arbitrary bytes as its XML file. Reading must either
// succeed or leave the box empty, and whatever it read must survive the box's numbering
// operations and a copy. A text read tag by tag must read the same through the parsed
// document.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "hostlibs/xmlfile/CXmlFileAutoPtr.h"
#include "hostlibs/xmlfile/CXmlFileDoc.h"
#include "hostlibs/xmlfile/CXmlFileReader.h"
#include "templates/TovoLinkBox.h"

namespace {

// Reads from memory through the same cores as Load reads a file.
class MemoryLinkBox : public TovoLinkBox {
 public:
  int LoadTags(const std::string& text) {
    Clear();
    return ReadTags(text);
  }
  int LoadDocument(const std::string& text) {
    Clear();
    CXmlFileAutoPtr<CXmlFileDoc> doc(CXmlFileReader().GetDoc());
    if (doc->SetText(text.data(), text.size()) && ReadDoc(*doc)) return 1;
    Clear();
    return 0;
  }
};

bool SameLink(const TovoLink& a, const TovoLink& b) {
  return a.Name() == b.Name() && a.DispName() == b.DispName() &&
         a.GetLinkInfo().GroupNo == b.GetLinkInfo().GroupNo &&
         a.GetLinkInfo().FolName == b.GetLinkInfo().FolName &&
         a.GetExtension() == b.GetExtension() && a.GetDataNo() == b.GetDataNo() &&
         a.GetAddText() == b.GetAddText();
}

bool SameBox(const TovoLinkBox& a, const TovoLinkBox& b) {
  if (a.Name() != b.Name() || a.DispName() != b.DispName() || a.GetLinkCnt() != b.GetLinkCnt() ||
      a.GetDelLinkCnt() != b.GetDelLinkCnt()) {
    return false;
  }
  for (int i = 0; i < a.GetLinkCnt(); ++i) {
    if (!SameLink(*a.GetLink(i), *b.GetLink(i))) return false;
  }
  for (int i = 0; i < a.GetDelLinkCnt(); ++i) {
    if (!SameLink(*a.GetDelLink(i), *b.GetDelLink(i))) return false;
  }
  return true;
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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  MemoryLinkBox box;
  if (box.LoadTags(text)) {
    MemoryLinkBox parsed;
    if (!parsed.LoadDocument(text) || !SameBox(box, parsed)) __builtin_trap();
    Exercise(box);
  } else if (box.GetLinkCnt() != 0 || box.GetDelLinkCnt() != 0) {
    __builtin_trap();
  } else if (box.LoadDocument(text)) {
    Exercise(box);
  } else if (box.GetLinkCnt() != 0 || box.GetDelLinkCnt() != 0) {
    __builtin_trap();
  }
  return 0;
}

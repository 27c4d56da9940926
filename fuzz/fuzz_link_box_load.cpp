// libFuzzer target: a link box reads arbitrary bytes as its XML file. Reading must either
// succeed or leave the box empty, and whatever it read must survive the box's numbering
// operations and a copy, save as it was read (saved and read again, the same fields; saved
// once more, the same bytes). A parsed document never takes more of the heap than its
// HeldBytes, the bound a link box's read is charged with, as the sanitizer's hooks count the
// heap's bytes.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "framework/CMemFile.h"
#include "fuzz/HeapCount.h"
#include "hostlibs/xmlfile/CXmlFileDoc.h"
#include "templates/TovoLinkBox.h"
#include "tests/templates/LinkBoxFields.h"

namespace {

void ExpectParseWithinHeldBytes(const std::string& text) {
  CMemFile file(text.data(), text.size());
  CXmlFileDoc doc;
  heap::Start();
  const int parsed = doc.SetFile(file);
  heap::Stop();
  if (parsed && static_cast<size_t>(heap::peak) > doc.HeldBytes()) __builtin_trap();
}

// The folder the boxes are read from and saved to, made once for the run.
std::string folder;

std::string PathOf(const char* name) {
  return folder + "/" + name;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) __builtin_trap();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::unique_ptr<TovoLinkBox> NewBox() {
  return std::unique_ptr<TovoLinkBox>(TovoLinkBox::Create(TovoFileBox()));
}

// Saves box to a new file of that name and gives the file's bytes.
std::string SaveNew(TovoLinkBox& box, const char* name) {
  const std::string path = PathOf(name);
  std::remove(path.c_str());
  if (box.Save(path.c_str()) != 1) __builtin_trap();
  return ReadFile(path);
}

void ExpectSavedAsRead(TovoLinkBox& box) {
  const std::string first = SaveNew(box, "first.xml");
  auto again = NewBox();
  if (again->Load(PathOf("first.xml").c_str()) != 1) __builtin_trap();
  if (Describe(*again) != Describe(box)) __builtin_trap();
  if (SaveNew(*again, "second.xml") != first) __builtin_trap();
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
  heap::InstallHooks();
  std::string pattern = (std::filesystem::temp_directory_path() / "fuzz-link-box-XXXXXX").string();
  if (!mkdtemp(pattern.data())) __builtin_trap();
  folder = pattern;
  // Removed at the end of the run, whichever way it ends normally.
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ExpectParseWithinHeldBytes(text);
  WriteFile(PathOf("read.xml"), text);
  auto box = NewBox();
  if (box->Load(PathOf("read.xml").c_str())) {
    Exercise(*box);
    ExpectSavedAsRead(*box);
  } else if (box->GetLinkCnt() != 0 || box->GetDelLinkCnt() != 0 || box->GetFileTime() != 0) {
    __builtin_trap();
  }
  return 0;
}

// Feeds arbitrary bytes to TovoTemplate::Load. A load either succeeds or raises a framework
// exception; either way the module-wide version is current again afterwards. A template that
// loaded must save, reload and save again to the same bytes. And a load never holds more
// than eight times the input's size plus a fixed part, which here is only what the archive
// needs for itself rather than 64 MiB; what a load keeps is never more than its budget was
// charged. The heap's bytes are counted through the sanitizer's hooks, so an object or text
// the budget does not charge shows.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/CArchive.h"
#include "framework/CMemFile.h"
#include "fuzz/HeapCount.h"
#include "templates/LoadBudget.h"
#include "templates/TovoTemplate.h"

namespace {

// The archive's own passing needs and a little more: small inputs are held to the bound too.
constexpr ULONGLONG kFixed = LoadBudget::kArchivePassingFixed + (64 << 10);

std::string Save(const TovoTemplate& t) {
  CMemFile file;
  CArchive ar(&file, CArchive::store);
  t.Save(ar);
  ar.Close();
  return std::string(file.Contents());
}

void Load(TovoTemplate& t, const void* data, size_t size) {
  CMemFile file(data, size);
  CArchive ar(&file, CArchive::load);
  t.Load(ar);
}

// Loads within the budget the bound leaves once the archive's passing needs are set aside.
// Checks, as the heap counts: what the read leaves behind is no more than it was charged,
// and at no moment did it hold more than the bound itself. A failed read rethrows.
void LoadWithinTheBound(TovoTemplate& t, const void* data, size_t size) {
  CMemFile file(data, size);
  const ULONGLONG whole = LoadBudget::kBytesPerFileByte * size + kFixed;
  LoadBudget budget = LoadBudget::ForFile(size, LoadBudget::kArchivePassingPerByte,
                                          LoadBudget::kArchivePassingFixed, kFixed);
  int archive_cause = -1;
  bool out_of_memory = false;
  heap::Start();
  try {
    CArchive ar(&file, CArchive::load);
    t.Load(ar, budget);
  } catch (const CArchiveException& e) {
    archive_cause = e.m_cause;
  } catch (const CMemoryException&) {
    out_of_memory = true;
  }
  heap::Stop();
  if (heap::in_use > static_cast<long long>(budget.Charged())) __builtin_trap();
  if (static_cast<ULONGLONG>(heap::peak) > whole) __builtin_trap();
  if (archive_cause >= 0) throw CArchiveException(archive_cause);
  if (out_of_memory) throw CMemoryException();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The converter a UTF-16 text needs is opened once for the thread and kept: opened here, it
  // is not taken for part of the first template that holds such a text.
  afx::FromUtf16(u"\u9053", 1);
  heap::InstallHooks();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  TovoTemplate t;
  bool loaded = true;
  try {
    LoadWithinTheBound(t, data, size);
  } catch (const CArchiveException&) {
    loaded = false;
  } catch (const CMemoryException&) {
    loaded = false;
  }
  if (TemplateFileVersion != kCurrentTemplateFileVersion) std::abort();
  if (!loaded) return 0;
  const std::string first = Save(t);
  TovoTemplate again;
  Load(again, first.data(), first.size());
  if (Save(again) != first) std::abort();
  return 0;
}

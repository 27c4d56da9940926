// Feeds arbitrary bytes to TovoTemplate::Load. A load either succeeds or raises a framework
// exception; either way the module-wide version is current again afterwards. A template that
// loaded must save, reload and save again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/CArchive.h"
#include "framework/CMemFile.h"
#include "templates/TovoTemplate.h"

namespace {

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  TovoTemplate t;
  bool loaded = true;
  try {
    Load(t, data, size);
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

// Reads arbitrary bytes as a record line. A line that parses must write back to a line that
// parses to the same fields; anything else aborts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "register/CDrawingFile.h"

namespace {

bool SameFields(const CDrawingFile& a, const CDrawingFile& b) {
  const DrawingTypeInfo& ta = a.GetTypeInfo();
  const DrawingTypeInfo& tb = b.GetTypeInfo();
  return a.Name(1) == b.Name(1) && a.Life() == b.Life() && a.Arrangement() == b.Arrangement() &&
         ta.fieldNo == tb.fieldNo && ta.no == tb.no && ta.code == tb.code && a.Page() == b.Page() &&
         a.History() == b.History() && a.Name(0) == b.Name(0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CString line(std::string_view(reinterpret_cast<const char*>(data), size));
  CDrawingFile record;
  const CDrawingFile fresh;
  if (!record.Parse(line)) {
    if (!SameFields(record, fresh)) std::abort();  // a refused line changes nothing
    return 0;
  }
  CDrawingFile again;
  if (again.Parse(record.ToString()) != 1 || !SameFields(record, again)) std::abort();
  if (record.ToString() != again.ToString()) std::abort();
  return 0;
}

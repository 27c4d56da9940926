#include "templates/TovoTemplateInfo.h"

#include <memory>

TovoTemplateInfo::TovoTemplateInfo(const TovoTemplateInfo& src)
    : Name(src.Name), OutText(src.OutText), OutProgram(src.OutProgram), OutCmdLine(src.OutCmdLine) {
  try {
    for (int i = 0; i < src.folders.GetCnt(); ++i) {
      const TovoItem* folder = src.folders.GetItem(i);
      std::unique_ptr<TovoItem> clone(folder ? folder->Clone() : nullptr);
      folders.AddItem(clone.get());
      clone.release();
    }
  } catch (...) {
    folders.FreeAllItems();  // no destructor runs for a copy that never finished
    throw;
  }
}

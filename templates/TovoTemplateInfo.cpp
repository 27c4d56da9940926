#include "templates/TovoTemplateInfo.h"

#include <memory>

TovoTemplateInfo::TovoTemplateInfo(const TovoTemplateInfo& src)
    : Name(src.Name), OutText(src.OutText), OutProgram(src.OutProgram), OutCmdLine(src.OutCmdLine) {
  try {
    folders.AddClonesOf(src.folders);
  } catch (...) {
    folders.FreeAllItems();  // no destructor runs for a copy that never finished
    throw;
  }
}

#include "dialogs/DialogModule.h"

#include "dialogs/DialogResources.h"

namespace drawreg {

afx::ResourceModule* ResourceModule() {
  static afx::ResourceModule module = [] {
    afx::ResourceModule m("drawreg");
    AddDialogResources(m);
    return m;
  }();
  return &module;
}

}  // namespace drawreg

#include "module/Module.h"

namespace drawreg {

namespace {

class ModuleLink {
 public:
  ModuleLink() { afx::AddToModuleChain(ResourceModule()); }
  ModuleLink(const ModuleLink&) = delete;
  ModuleLink& operator=(const ModuleLink&) = delete;
  ~ModuleLink() { afx::RemoveFromModuleChain(ResourceModule()); }
};

// Linked as soon as the library is loaded, not at the first dialog.
const ModuleLink linked_at_load;

}  // namespace

}  // namespace drawreg

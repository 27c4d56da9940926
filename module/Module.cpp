// Start and stop of the library: when the shared library is loaded its resource module is
// filled and linked into the module chain, so that the framework finds the dialog templates;
// when it is unloaded the module is taken out again. Nothing else happens at load time.
#include "module/Module.h"

#include "dialogs/DialogResources.h"

namespace drawreg {

namespace {

class ModuleLink {
 public:
  ModuleLink() : module_("drawreg") {
    AddDialogResources(module_);
    afx::AddToModuleChain(&module_);
  }
  ModuleLink(const ModuleLink&) = delete;
  ModuleLink& operator=(const ModuleLink&) = delete;
  ~ModuleLink() { afx::RemoveFromModuleChain(&module_); }
  afx::ResourceModule* Module() { return &module_; }

 private:
  afx::ResourceModule module_;
};

ModuleLink& Link() {
  static ModuleLink link;
  return link;
}

// Links the module as soon as the library is loaded, not at the first dialog.
const bool linked_at_load = (Link(), true);

}  // namespace

afx::ResourceModule* ResourceModule() {
  return Link().Module();
}

}  // namespace drawreg

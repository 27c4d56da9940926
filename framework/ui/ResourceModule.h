// Resource modules and the module chain. Each library that carries dialogs registers a module
// with its dialog templates and bitmaps; a template is looked up first in the current resource
// module, then along the chain, as the framework does for extension libraries.
#pragma once

#include <map>

#include "framework/ui/DialogTemplate.h"

namespace afx {

class ResourceModule {
 public:
  explicit ResourceModule(const char* name) : name_(name) {}
  const char* Name() const { return name_; }

  void AddDialog(const DialogTemplate& dialog) { dialogs_[dialog.id] = dialog; }
  void AddBitmap(const BitmapResource& bitmap) { bitmaps_[bitmap.id] = bitmap; }
  const DialogTemplate* FindDialog(UINT id) const;
  const BitmapResource* FindBitmap(UINT id) const;

 private:
  const char* name_;
  std::map<UINT, DialogTemplate> dialogs_;
  std::map<UINT, BitmapResource> bitmaps_;
};

// Links a module into the chain (at its end) or takes it out again.
void AddToModuleChain(ResourceModule* module);
void RemoveFromModuleChain(ResourceModule* module);
bool IsInModuleChain(const ResourceModule* module);

// The module searched first; null means only the chain is searched.
ResourceModule* GetResourceHandle();
void SetResourceHandle(ResourceModule* module);

const DialogTemplate* FindDialogTemplate(UINT id);
const BitmapResource* FindBitmap(UINT id);
// The size in pixels from a bitmap's PNG or BMP header; false for anything else.
bool BitmapSize(const BitmapResource& bitmap, int& width, int& height);

}  // namespace afx

inline afx::ResourceModule* AfxGetResourceHandle() {
  return afx::GetResourceHandle();
}
inline void AfxSetResourceHandle(afx::ResourceModule* module) {
  afx::SetResourceHandle(module);
}

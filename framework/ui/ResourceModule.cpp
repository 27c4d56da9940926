#include "framework/ui/ResourceModule.h"

#include <algorithm>
#include <vector>

namespace afx {

namespace {

struct Chain {
  std::vector<ResourceModule*> modules;
  ResourceModule* current = nullptr;
};

Chain& TheChain() {
  static Chain chain;
  return chain;
}

}  // namespace

const DialogTemplate* ResourceModule::FindDialog(UINT id) const {
  const auto it = dialogs_.find(id);
  return it == dialogs_.end() ? nullptr : &it->second;
}

const BitmapResource* ResourceModule::FindBitmap(UINT id) const {
  const auto it = bitmaps_.find(id);
  return it == bitmaps_.end() ? nullptr : &it->second;
}

void AddToModuleChain(ResourceModule* module) {
  if (!IsInModuleChain(module)) TheChain().modules.push_back(module);
}

void RemoveFromModuleChain(ResourceModule* module) {
  auto& modules = TheChain().modules;
  modules.erase(std::remove(modules.begin(), modules.end(), module), modules.end());
  if (TheChain().current == module) TheChain().current = nullptr;
}

bool IsInModuleChain(const ResourceModule* module) {
  const auto& modules = TheChain().modules;
  return std::find(modules.begin(), modules.end(), module) != modules.end();
}

ResourceModule* GetResourceHandle() {
  return TheChain().current;
}

void SetResourceHandle(ResourceModule* module) {
  TheChain().current = module;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
  if (const ResourceModule* current = TheChain().current) {
    if (const DialogTemplate* found = current->FindDialog(id)) return found;
  }
  for (const ResourceModule* module : TheChain().modules) {
    if (const DialogTemplate* found = module->FindDialog(id)) return found;
  }
  return nullptr;
}

const BitmapResource* FindBitmap(UINT id) {
  if (const ResourceModule* current = TheChain().current) {
    if (const BitmapResource* found = current->FindBitmap(id)) return found;
  }
  for (const ResourceModule* module : TheChain().modules) {
    if (const BitmapResource* found = module->FindBitmap(id)) return found;
  }
  return nullptr;
}

}  // namespace afx

#include "framework/ui/ResourceModule.h"

#include <algorithm>
#include <cstring>
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

namespace {

unsigned ReadBigEndian(const unsigned char* p) {
  return (unsigned{p[0]} << 24) | (unsigned{p[1]} << 16) | (unsigned{p[2]} << 8) | p[3];
}

unsigned ReadLittleEndian(const unsigned char* p) {
  return unsigned{p[0]} | (unsigned{p[1]} << 8) | (unsigned{p[2]} << 16) | (unsigned{p[3]} << 24);
}

}  // namespace

bool BitmapSize(const BitmapResource& bitmap, int& width, int& height) {
  static const unsigned char kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const unsigned char* data = bitmap.data;
  const size_t size = data ? bitmap.size : 0;
  if (size >= 24 && std::memcmp(data, kPng, 8) == 0 && std::memcmp(data + 12, "IHDR", 4) == 0) {
    width = static_cast<int>(ReadBigEndian(data + 16));
    height = static_cast<int>(ReadBigEndian(data + 20));
  } else if (size >= 26 && data[0] == 'B' && data[1] == 'M') {
    width = static_cast<int>(ReadLittleEndian(data + 18));
    // A negative height marks a top-down bitmap; the size is the same.
    const int h = static_cast<int>(ReadLittleEndian(data + 22));
    height = h < 0 ? -h : h;
  } else {
    return false;
  }
  return width > 0 && height > 0;
}

}  // namespace afx

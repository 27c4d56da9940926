// CSetInstance: makes a library's resource module the one the framework searches first, for
// the lifetime of the guard, so that its dialog templates and bitmaps are found.
#pragma once

#include "framework/ui/ResourceModule.h"

class CSetInstance {
 public:
  explicit CSetInstance(afx::ResourceModule* module) : previous_(afx::GetResourceHandle()) {
    afx::SetResourceHandle(module);
  }
  CSetInstance(const CSetInstance&) = delete;
  CSetInstance& operator=(const CSetInstance&) = delete;
  ~CSetInstance() { afx::SetResourceHandle(previous_); }

 private:
  afx::ResourceModule* previous_;
};

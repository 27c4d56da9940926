// CDrawingManagerInfo: what a drawing manager holds: its environment and the top-level
// folders of the register, which it owns.
#pragma once

#include "register/CDrawingFolder.h"
#include "register/EntryProgress.h"
#include "register/OwnedItems.h"
#include "register/TVector.h"

class CEnvironObj;

class CDrawingManagerInfo {
 public:
  CDrawingManagerInfo() : folders_(new TVector<CDrawingFolder*>(8)) {}
  CDrawingManagerInfo(const CDrawingManagerInfo&) = delete;
  CDrawingManagerInfo& operator=(const CDrawingManagerInfo&) = delete;
  virtual ~CDrawingManagerInfo() {
    owned::DeleteAll(*folders_);
    delete folders_;
  }

  const CEnvironObj* env = nullptr;
  afx::FileProblem problem;
  EntryProgressReport progress;
  TVector<CDrawingFolder*>* folders_;
};

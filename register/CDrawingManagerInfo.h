// CDrawingManagerInfo: what a drawing manager holds: its environment and the top-level
// folders of the register, which it owns.
#pragma once

#include "register/CDrawingFolder.h"
#include "register/OwnedItems.h"
#include "register/TVector.h"

class CEnvironObj;

class CDrawingManagerInfo {
 public:
  CDrawingManagerInfo() : folders_(new TVector<CDrawingFolder*>(8)) {}
  CDrawingManagerInfo(const CDrawingManagerInfo&) = delete;
  CDrawingManagerInfo& operator=(const CDrawingManagerInfo&) = delete;
  virtual ~CDrawingManagerInfo() {
    DeleteFolders();
    delete folders_;
  }

  void DeleteFolders() {
    for (int i = 0; i < folders_->GetCnt(); ++i)
      delete (*folders_)[i];
    folders_->Resize(0);
  }

  const CEnvironObj* env = nullptr;
  afx::FileProblem problem;
  TVector<CDrawingFolder*>* folders_;
};

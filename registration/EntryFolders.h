// The two halves of a folder tree registration around its dialog: collecting the files below
// the selection, and writing the information file of every folder that received files.
#pragma once

#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "framework/CString.h"
#include "framework/FileProblem.h"
#include "framework/SourceFolders.h"
#include "register/TVector.h"
#include "registration/DrawingTreeFileInfo.h"

class CDrawingFolder;
class CEnvironObj;

namespace registration {

// Collects the files below one or more paths, depth first, each folder's names in the order of
// their bytes. A folder reached twice (through a symbolic link, or named twice) is walked once,
// so a loop of links ends, and a file named twice is collected once. Only regular files are
// collected; the register's own information and work files are left where they are.
class EntryFileCollector {
 public:
  EntryFileCollector(const CEnvironObj& env, TVector<DrawingTreeFileInfo>& entries);

  // Collects the file path, or every file below the folder path. 0 with errorText (and
  // GetLastProblem) set when path or something below it does not exist, is neither a folder
  // nor a regular file, has a name the register cannot hold, or cannot be read.
  int Collect(const CString& path, CString& errorText);
  const afx::FileProblem& GetLastProblem() const { return problem_; }

 private:
  int Walk(const CString& dir, CString& errorText);
  int Meet(const CString& path, const afx::PathLook& look, const afx::FolderIdentity& identity,
           CString& errorText);
  int Fail(afx::FileFault fault, int error, const CString& path, const CString& text,
           CString& errorText);

  const CEnvironObj& env_;
  TVector<DrawingTreeFileInfo>& entries_;
  std::set<afx::FolderIdentity> seen_;
  std::unordered_set<std::string> files_;
  afx::FileProblem problem_;
};

// Collects the files of path into entries (EntryFileCollector); 0 with errorText set.
int CollectEntryFiles(const CEnvironObj& env, TVector<DrawingTreeFileInfo>& entries,
                      const CString& path, CString& errorText);

// Rewrites the information file of each distinct folder of entries once. 1 when every save
// succeeded (and for no folders); else 0, with the folders whose save failed in failed.
int SaveEntryFolders(const CEnvironObj& env, const TVector<DrawingTreeFileInfo>& entries,
                     std::vector<CDrawingFolder*>* failed = nullptr);

}  // namespace registration

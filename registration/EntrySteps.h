// Steps that every registration of files takes, shared by the single and the batch forms:
// checking a source, filling a record from preset fields, loading the locked folder, and
// keeping the companions off the files of other records.
#pragma once

#include <optional>

#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "framework/FileProblem.h"
#include "registration/RegistrationLock.h"

class CDrawingFile;
class CDrawingFolder;
class CDrawingManager;
class CEnvironObj;
class CWnd;
struct DrawingEntryFileInfo;

namespace registration {

// Shows text for a failed step (caption kEntryCaption) and keeps problem for the host to tell
// which file it was and why; returns 0.
int Refuse(afx::FileProblem& kept, const afx::FileProblem& problem, CWnd* parent,
           const char8_t* text);
// A registered file is a plain regular file with a name the information file can hold; 0 with
// the message shown otherwise.
int CheckSource(const CString& src_path, const CString& src_name, afx::FileProblem& kept,
                CWnd* parent);
// The companions (names) may not overwrite the file of another record of the folder; names
// listed in own are the batch's own drawings and may. 0 with the message shown otherwise.
int CheckCompanions(const CDrawingFolder& folder, const CString& dst_dir, const CStringArray& names,
                    const CStringArray& own, afx::FileProblem& kept, CWnd* parent);
// Reloads the records of the folder just locked; a folder whose records could not all be read
// is never rewritten, so 0 with the message shown.
int LoadLockedFolder(CDrawingFolder& folder, const CEnvironObj& env, afx::FileProblem& kept,
                     CWnd* parent);
// The register folder a registration copies into, held for the whole registration: found by
// its path, locked (asking whether to retry while another user holds it) and its records
// reloaded under the lock. A folder the caller had locked stays locked afterwards.
class EntryDestination {
 public:
  EntryDestination(CDrawingManager& manager, const CString& path, afx::FileProblem& kept,
                   CWnd* parent);
  // Null when a step refused; the message was shown and the cause kept.
  CDrawingFolder* Folder() const { return ready_ ? folder_ : nullptr; }

 private:
  CDrawingFolder* folder_;
  std::optional<RegistrationLock> lock_;
  bool ready_ = false;
};

// Sets the source file name and the preset fields of info; invalid fields keep the defaults.
void FillFromInfo(const DrawingEntryFileInfo& info, const CString& name, CDrawingFile& record);
// The index of the first entry of list that is the file name of path (any case), or -1.
int FindFileName(const CStringArray& list, const CEnvironObj& env, const CString& path);

}  // namespace registration

// RegisterCheck: the register checked before delivery. Compares each folder's information
// file, as it stands, with the files in the folder and collects, one problem each, what does
// not agree: records of missing files, files no record lists, a deliverable name given twice,
// field values the record would refuse, SXF companions that are missing, lines that are no
// record, and what an interrupted save or copy left behind. Reads only: no lock is held
// longer than one information file's read, and nothing is written.
#pragma once

#include <string>
#include <vector>

#include "framework/CString.h"

class CDrawingFile;
class CDrawingFolder;
class CEnvironObj;

namespace host {

class LockWait;

enum class CheckKind {
  missingFile,       // a record whose file is not in the folder
  unlistedFile,      // a file in the folder that no record lists
  duplicateName,     // a deliverable file name that two or more records give
  refusedRecord,     // a record with a value its own setters would refuse or change
  missingCompanion,  // an SXF drawing's .SAF or raster file that is not in the folder
  unreadLine,        // a line of the information file that is no record
  leftoverFile,      // a journal or temporary copy an interrupted save or copy left
  lockedFolder,      // another user held the folder's lock: not checked
  unreadFolder,      // the folder or a file of it could not be read: not checked
};

// The kind's name for scripts and sheets ("missing", "unlisted"...).
const char* KindKey(CheckKind kind);

struct CheckProblem {
  CheckKind kind;
  CString folder;       // the folder's full path
  CString file;         // the name in the folder the problem is about
  int line = 0;         // for unreadLine: the line's number, from 1
  std::string message;  // what is wrong, UTF-8, printable
};

class RegisterCheck {
 public:
  // wait: how long to keep trying a folder whose lock another user holds.
  RegisterCheck(const CEnvironObj& env, LockWait& wait);

  // The files at the drawing root itself, which no folder of the register holds (the
  // program's settings file aside).
  void CheckRoot();
  // One folder of the register, without the folders below it.
  void CheckFolder(CDrawingFolder& folder);

  const std::vector<CheckProblem>& Problems() const { return problems_; }
  int FolderCount() const { return folders_; }

 private:
  struct Listing;

  bool ListFiles(const CString& path, Listing& listing);
  bool ReadRecords(CDrawingFolder& folder, const CString& path, std::vector<CDrawingFile>& records,
                   std::vector<int>& unread);
  void CheckRecord(const CString& path, const CDrawingFile& record, Listing& listing);
  void CheckCompanions(const CString& path, const CString& drawing, Listing& listing);
  void CheckDuplicates(const CString& path, const std::vector<CDrawingFile>& records);
  void CheckUnlisted(const CString& path, const Listing& listing, bool at_root);
  void Add(CheckKind kind, const CString& folder, const CString& file, std::string message,
           int line = 0);

  const CEnvironObj& env_;
  LockWait& wait_;
  std::vector<CheckProblem> problems_;
  int folders_ = 0;
};

}  // namespace host

#include "host/RegisterCheck.h"

#include <cerrno>
#include <map>
#include <sstream>

#include "framework/FileSystem.h"
#include "framework/InPlaceRewrite.h"
#include "host/LockWait.h"
#include "host/RegisterSettings.h"
#include "host/Report.h"
#include "host/Text.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "hostlibs/sxf/CSxfImageName.h"
#include "register/CDrawingFolder.h"
#include "registration/Companions.h"

namespace host {

namespace {

std::string Quote(const CString& text) {
  return "\"" + Printable(text) + "\"";
}

// What an interrupted save or copy left, or "" for a name that is none of them.
std::string LeftoverText(const CString& name) {
  const CString info(kInfoFileName);
  if (name == afx::JournalPath(info)) return "the journal of an interrupted save";
  if (name == afx::StaleJournalPath(info)) {
    return "a journal set aside: it did not match the information file";
  }
  if (name.Find(afx::kCopyTempPrefix) == 0) return "a temporary copy an interrupted copy left";
  return "";
}

// The field values of record its own setters refuse, or would store otherwise (a drawing
// number "7" is kept as "007", and the deliverable name changes with it).
std::vector<std::string> RefusedFields(const CDrawingFile& record) {
  std::vector<std::string> refused;
  CDrawingFile probe;
  const auto check = [&](const char* what, const CString& value, int accepted,
                         const CString& stored) {
    if (!accepted) refused.push_back(std::string(what) + " " + Quote(value));
    if (accepted && stored != value) {
      refused.push_back(std::string(what) + " " + Quote(value) + " (kept as " + Quote(stored) +
                        ")");
    }
  };
  int accepted = probe.Life(record.Life());
  check("life cycle", record.Life(), accepted, probe.Life());
  accepted = probe.Arrangement(record.Arrangement());
  check("reference number", record.Arrangement(), accepted, probe.Arrangement());
  accepted = probe.Page(record.Page());
  check("drawing number", record.Page(), accepted, probe.Page());
  accepted = probe.History(record.History());
  check("revision", record.History(), accepted, probe.History());
  // The user-defined part is judged with the record's own extension, as its setter does.
  probe.Name(record.Name(1));
  accepted = probe.Title(record.Title());
  check("user-defined part", record.Title(), accepted, probe.Title());
  const CString name = record.Name(1);
  if (!afx::IsPlainFileName(name) || name.CompareNoCase(kInfoFileName) == 0) {
    refused.push_back("file name " + Quote(name) + " (no file of this folder)");
  }
  return refused;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts)
    text += (text.empty() ? "" : ", ") + part;
  return text;
}

}  // namespace

const char* KindKey(CheckKind kind) {
  switch (kind) {
    case CheckKind::missingFile:
      return "missing";
    case CheckKind::unlistedFile:
      return "unlisted";
    case CheckKind::duplicateName:
      return "duplicate";
    case CheckKind::refusedRecord:
      return "refused";
    case CheckKind::missingCompanion:
      return "companion";
    case CheckKind::unreadLine:
      return "line";
    case CheckKind::leftoverFile:
      return "leftover";
    case CheckKind::lockedFolder:
      return "locked";
    case CheckKind::unreadFolder:
      return "unread";
  }
  return "";
}

// The files of a folder (not its directories), and which of them the records account for.
struct RegisterCheck::Listing {
  std::map<std::string, bool> files;  // name's bytes: listed

  // The name as it stands in the folder: the same name, else one that differs only in
  // letter case; null when neither is there.
  std::map<std::string, bool>::value_type* Find(const CString& name) {
    if (auto exact = files.find(name.Bytes()); exact != files.end()) return &*exact;
    for (auto& file : files)
      if (CString(file.first).CompareNoCase(name) == 0) return &file;
    return nullptr;
  }
};

RegisterCheck::RegisterCheck(const CEnvironObj& env, LockWait& wait) : env_(env), wait_(wait) {}

void RegisterCheck::Add(CheckKind kind, const CString& folder, const CString& file,
                        std::string message, int line) {
  problems_.push_back({kind, folder, file, line, std::move(message)});
}

// Lists the files of the folder at path; false, with the problem added, when it cannot.
bool RegisterCheck::ListFiles(const CString& path, Listing& listing) {
  errno = 0;
  if (afx::ListDirectory(path, [&](const afx::DirEntry& e) {
        if (!e.isDirectory) listing.files.emplace(e.name.Bytes(), false);
      })) {
    return true;
  }
  Add(CheckKind::unreadFolder, path, "", "could not be read: " + SystemReason(errno ? errno : EIO));
  return false;
}

void RegisterCheck::CheckRoot() {
  const CString root = env_.GetPath(CEnvironObj::kDrawingRoot);
  Listing listing;
  if (ListFiles(root, listing)) CheckUnlisted(root, listing, true);
}

void RegisterCheck::CheckFolder(CDrawingFolder& folder) {
  ++folders_;
  const CString path = folder.GetFolderPath(env_);
  std::vector<CDrawingFile> records;
  std::vector<int> unread;
  if (!ReadRecords(folder, path, records, unread)) return;
  Listing listing;
  if (!ListFiles(path, listing)) return;
  for (const int line : unread) {
    Add(CheckKind::unreadLine, path, kInfoFileName,
        "line " + std::to_string(line) + " is no record", line);
  }
  for (const CDrawingFile& record : records)
    CheckRecord(path, record, listing);
  CheckDuplicates(path, records);
  CheckUnlisted(path, listing, false);
}

// Reads the information file as it stands, trying again while another user holds the lock
// and the wait lasts.
bool RegisterCheck::ReadRecords(CDrawingFolder& folder, const CString& path,
                                std::vector<CDrawingFile>& records, std::vector<int>& unread) {
  wait_.Start();
  for (;;) {
    if (folder.ReadInfoFile(env_, records, unread)) return true;
    const afx::FileProblem& problem = folder.GetLastProblem();
    if (problem.fault != afx::FileFault::locked) {
      Add(CheckKind::unreadFolder, path, kInfoFileName,
          "could not be read: " + ProblemReason(problem) + "; folder not checked");
      return false;
    }
    if (!wait_.StillWaiting()) break;
    wait_.Pause();
  }
  std::ostringstream waited;
  waited << wait_.Seconds();
  Add(CheckKind::lockedFolder, path, kInfoFileName,
      "locked by another user (waited " + waited.str() + " seconds); folder not checked");
  return false;
}

void RegisterCheck::CheckRecord(const CString& path, const CDrawingFile& record, Listing& listing) {
  const CString name = record.Name(1);
  if (const std::vector<std::string> refused = RefusedFields(record); !refused.empty()) {
    Add(CheckKind::refusedRecord, path, name, "a record the register refuses: " + Joined(refused));
    if (!afx::IsPlainFileName(name)) return;
  }
  // As a load does, only the exact name counts: a record of a.dwg is not kept for A.DWG.
  const auto file = listing.files.find(name.Bytes());
  if (file == listing.files.end()) {
    Add(CheckKind::missingFile, path, name, "registered, but the file is missing");
    return;
  }
  file->second = true;
  if (registration::IsSxfDrawing(env_, name)) CheckCompanions(path, name, listing);
}

void RegisterCheck::CheckCompanions(const CString& path, const CString& drawing, Listing& listing) {
  CStringArray names;
  names.Add(registration::SafName(env_, drawing));
  CString drawing_path = path;
  env_.AddFileName(drawing_path, drawing);
  CSxfImageName images;
  images.SetEnvObj(env_);
  errno = 0;
  if (images.RasterFiles(drawing_path, names) < 0) {
    Add(CheckKind::unreadFolder, path, drawing,
        "could not be read for its raster files: " + SystemReason(errno ? errno : EIO));
  }
  for (int i = 0; i < names.GetSize(); ++i) {
    if (auto* found = listing.Find(names[i])) {
      found->second = true;
    } else {
      Add(CheckKind::missingCompanion, path, drawing,
          (i == 0 ? "its attribute file " : "its raster file ") + Quote(names[i]) + " is missing");
    }
  }
}

void RegisterCheck::CheckDuplicates(const CString& path, const std::vector<CDrawingFile>& records) {
  // Names compared regardless of letter case: the delivery medium does not tell them apart.
  std::map<std::string, std::vector<const CDrawingFile*>> by_name;
  std::vector<std::string> order;
  for (const CDrawingFile& record : records) {
    CString key = record.Name(0);
    key.MakeUpper();
    auto& same = by_name[key.Bytes()];
    if (same.empty()) order.push_back(key.Bytes());
    same.push_back(&record);
  }
  for (const std::string& key : order) {
    const auto& same = by_name[key];
    if (same.size() < 2) continue;
    std::vector<std::string> sources;
    for (const CDrawingFile* record : same)
      sources.push_back(Quote(record->Name(1)));
    Add(CheckKind::duplicateName, path, same.front()->Name(0),
        "deliverable name given " + std::to_string(same.size()) + " times: " + Joined(sources));
  }
}

void RegisterCheck::CheckUnlisted(const CString& path, const Listing& listing, bool at_root) {
  for (const auto& [bytes, listed] : listing.files) {
    const CString name(bytes);
    if (listed || name == kInfoFileName || (at_root && name == kSettingsFileName)) continue;
    if (const std::string leftover = LeftoverText(name); !leftover.empty()) {
      Add(CheckKind::leftoverFile, path, name, leftover);
    } else {
      Add(CheckKind::unlistedFile, path, name,
          at_root ? "at the drawing root, where nothing is registered" : "no record lists it");
    }
  }
}

}  // namespace host

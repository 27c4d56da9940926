// The folder information file and the edit lock of a drawing folder.
#include <cerrno>
#include <new>
#include <string>

#include "framework/InPlaceRewrite.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFolder.h"
#include "register/CDrawingFolderInfo.h"
#include "register/InfoFileLines.h"

namespace {

// The information file must be a regular file with one name: a link, or a second name of a
// file elsewhere, would lead the rewrite outside the register.
constexpr UINT kLockFlags =
    CFile::modeReadWrite | CFile::shareExclusive | CFile::typeText | CFile::modeSingleLink;
// Shared access: it waits for no one, and keeps a save (which needs the file alone) out.
constexpr UINT kReadFlags =
    CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary | CFile::modeSingleLink;
// The file is not truncated on opening: it keeps its lines until the new ones are written.
constexpr UINT kSaveFlags = kLockFlags | CFile::modeCreate | CFile::modeNoTruncate;

}  // namespace

int CDrawingFolder::IsLockFolder() const {
  return info_->File().IsOpen() ? 1 : 0;
}

int CDrawingFolder::Failed(const afx::FileProblem& problem) {
  problem_ = problem;
  return 0;
}

int CDrawingFolder::LockFolder(const CEnvironObj& env) {
  if (IsLockFolder()) return 1;
  problem_ = {};
  staleJournal_ = false;
  const afx::PathLook look = afx::LookAt(InfoFilePath(env));
  if (look.error == ENOENT) {
    if (!CreateInfoFile(env)) return 0;
  } else if (look.error != 0) {
    return Failed({afx::FileFault::readError, look.error, InfoFilePath(env)});
  }
  if (!OpenInfoFile(env)) return 0;
  RemoveStaleCopies(env);
  return 1;
}

// Opens the file for the lock and finishes or sets aside a save that a killed process left.
int CDrawingFolder::OpenInfoFile(const CEnvironObj& env) {
  CStdioFile& file = info_->File();
  CFileException error(CFileException::none, 0, CString());
  if (!file.Open(InfoFilePath(env), kLockFlags, &error))
    return Failed(afx::ProblemOf(error, false));
  try {
    staleJournal_ = afx::RecoverJournal(file) == afx::JournalOutcome::setAside;
  } catch (const CFileException& e) {
    file.Abort();
    return Failed(afx::ProblemOf(e, true));
  }
  return 1;
}

// Writes the list into a new information file. Only a file that is really new is written: of
// several users locking a folder without one, the first creates it and the others must not
// overwrite what it registered in the meantime.
int CDrawingFolder::CreateInfoFile(const CEnvironObj& env) {
  CStdioFile file;
  CFileException error(CFileException::none, 0, CString());
  if (!file.Open(InfoFilePath(env), kSaveFlags | CFile::modeCreateNew, &error)) {
    if (error.m_cause == CFileException::fileExists) return 1;
    return Failed(afx::ProblemOf(error, true));
  }
  return WriteRecords(file);
}

// The lock means that whoever wrote a temporary copy here is gone: its copy never took its
// name and never will.
void CDrawingFolder::RemoveStaleCopies(const CEnvironObj& env) const {
  const CString folder = GetFolderPath(env);
  afx::ListDirectory(folder, [&](const afx::DirEntry& e) {
    if (e.isDirectory || e.name.Find(afx::kCopyTempPrefix) != 0) return;
    CString path = folder;
    env.AddFileName(path, e.name);
    afx::RemoveFile(path);
  });
}

int CDrawingFolder::UnLockFolder() {
  try {
    info_->File().Close();
  } catch (const CException&) {
    return 0;
  }
  return 1;
}

void CDrawingFolder::ReadRecords(const CEnvironObj& env) {
  CStdioFile& file = info_->File();
  file.SeekToBegin();
  DeleteFileALL();
  unreadLines_.clear();
  const auto on_line = [&](int number, std::string_view line, bool overlong) {
    CDrawingFile record;
    if (overlong || !record.Parse(CString(line))) {
      unreadLines_.push_back(number);
    } else {
      AddLoadFile(env, record);
    }
  };
  InfoFileLines::ReadAll(file, on_line);
}

int CDrawingFolder::ReadInfoFile(const CEnvironObj& env, std::vector<CDrawingFile>& records,
                                 std::vector<int>& unread) {
  problem_ = {};
  records.clear();
  unread.clear();
  CFile file;
  CFileException error(CFileException::none, 0, CString());
  if (!file.Open(InfoFilePath(env), kReadFlags, &error)) {
    if (error.m_lOsError == ENOENT) return 1;  // nothing registered yet
    return Failed(afx::ProblemOf(error, false));
  }
  try {
    InfoFileLines::ReadAll(file, [&](int number, std::string_view line, bool overlong) {
      CDrawingFile record;
      if (overlong || !record.Parse(CString(line))) {
        unread.push_back(number);
      } else {
        record.Naming(env.GetNaming());  // composed as the register composes its names
        records.push_back(record);
      }
    });
  } catch (const CFileException& e) {
    return Failed(afx::ProblemOf(e, false));
  } catch (const std::bad_alloc&) {
    return Failed({afx::FileFault::readError, ENOMEM, InfoFilePath(env)});
  }
  return 1;
}

int CDrawingFolder::LoadFiles(const CEnvironObj& env, int keepLock) {
  const bool was_locked = IsLockFolder();
  if (!was_locked && !LockFolder(env)) return 0;
  problem_ = {};
  int result = 1;
  try {
    ReadRecords(env);
  } catch (const CFileException& e) {
    result = Failed(afx::ProblemOf(e, false));
  } catch (const std::bad_alloc&) {
    result = Failed({afx::FileFault::readError, ENOMEM, InfoFilePath(env)});
  }
  // Half a list must never be taken for the list: a save of it would lose the rest.
  loadFailed_ = result == 0;
  if (loadFailed_) DeleteFileALL();
  if (!was_locked && !keepLock) UnLockFolder();
  return result;
}

std::string CDrawingFolder::RecordText() const {
  std::string text;
  for (int i = 0; i < files_->GetCnt(); ++i) {
    (*files_)[i]->AppendLine(text);
    text += "\r\n";
  }
  return text;
}

int CDrawingFolder::WriteRecords(CFile& file) {
  try {
    // A held file whose directory was removed would take the lines into nowhere.
    if (!file.IsLinked())
      throw CFileException(CFileException::fileNotFound, ENOENT, file.GetFilePath());
    afx::RewriteInPlace(file, RecordText());
  } catch (const CFileException& e) {
    return Failed(afx::ProblemOf(e, true));
  } catch (const std::bad_alloc&) {
    return Failed({afx::FileFault::writeError, ENOMEM, file.GetFilePath()});
  }
  return 1;
}

int CDrawingFolder::SaveFiles(const CEnvironObj& env) {
  problem_ = {};
  if (loadFailed_) {
    return Failed({afx::FileFault::readError, EIO, InfoFilePath(env)});
  }
  if (IsLockFolder()) return WriteRecords(info_->File());
  CStdioFile file;
  CFileException error(CFileException::none, 0, CString());
  if (!file.Open(InfoFilePath(env), kSaveFlags, &error)) return Failed(afx::ProblemOf(error, true));
  return WriteRecords(file);
}

// The folder information file and the edit lock of a drawing folder.
#include <new>
#include <string>
#include <vector>

#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFolder.h"
#include "register/CDrawingFolderInfo.h"

namespace {

constexpr UINT kLockFlags = CFile::modeReadWrite | CFile::shareExclusive | CFile::typeText;
// The file is not truncated on opening: it keeps its lines until the new ones are sure to fit.
constexpr UINT kSaveFlags = CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite |
                            CFile::shareExclusive | CFile::typeText;

}  // namespace

int CDrawingFolder::IsLockFolder() const {
  return info_->File().IsOpen() ? 1 : 0;
}

int CDrawingFolder::LockFolder(const CEnvironObj& env) {
  if (IsLockFolder()) return 1;
  const CString path = InfoFilePath(env);
  if (env.IsExist(path) < 0 && !CreateInfoFile(env)) return 0;
  return info_->File().Open(path, kLockFlags) ? 1 : 0;
}

// Writes the list into a new information file. Only a file that is really new is written: of
// several users locking a folder without one, the first creates it and the others must not
// overwrite what it registered in the meantime.
int CDrawingFolder::CreateInfoFile(const CEnvironObj& env) {
  CStdioFile file;
  CFileException error(CFileException::none, 0, CString());
  if (!file.Open(InfoFilePath(env), kSaveFlags | CFile::modeCreateNew, &error)) {
    return error.m_cause == CFileException::fileExists ? 1 : 0;
  }
  return CloseAfterWriting(file);
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
  CString line;
  while (file.ReadString(line)) {
    CDrawingFile record;
    if (record.Parse(line)) AddLoadFile(env, record);
  }
}

int CDrawingFolder::LoadFiles(const CEnvironObj& env, int keepLock) {
  const bool was_locked = IsLockFolder();
  if (!was_locked && !LockFolder(env)) return 0;
  int result = 1;
  try {
    ReadRecords(env);
  } catch (const CException&) {
    result = 0;
  }
  if (!was_locked && !keepLock) UnLockFolder();
  return result;
}

// Rewrites the file from its start. Room for the new lines is reserved first, so a full disk
// fails before a byte of the old list is overwritten. The lines go out through one small
// buffer: a list of a hundred thousand records would otherwise need megabytes of fresh
// memory at every save.
int CDrawingFolder::WriteRecords(CFile& file, bool check_linked) {
  // A held file whose directory was removed would take the lines into nowhere.
  if (check_linked && !file.IsLinked()) return 0;
  constexpr size_t kChunk = 64 * 1024;
  try {
    std::vector<char> chunk(kChunk);
    size_t used = 0;
    ULONGLONG written = 0;
    const auto flush = [&] {
      file.Write(chunk.data(), static_cast<UINT>(used));
      written += used;
      used = 0;
    };
    file.Reserve(recordBytes_);
    file.SeekToBegin();
    for (int i = 0; i < files_->GetCnt(); ++i) {
      const CDrawingFile& record = *(*files_)[i];
      const size_t length = record.LineLength() + 2;
      if (used + length > chunk.size()) flush();
      if (length > chunk.size()) chunk.resize(length);  // a line longer than any chunk
      char* end = record.WriteLine(chunk.data() + used);
      *end++ = '\r';
      *end = '\n';
      used += length;
    }
    flush();
    file.SetLength(written);
    file.Flush();
  } catch (const CException&) {
    return 0;
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return 1;
}

int CDrawingFolder::CloseAfterWriting(CStdioFile& file) {
  const int result = WriteRecords(file, false);
  try {
    file.Close();
  } catch (const CException&) {
    file.Abort();
    return 0;
  }
  return result;
}

int CDrawingFolder::SaveFiles(const CEnvironObj& env) {
  if (IsLockFolder()) return WriteRecords(info_->File(), true);
  CStdioFile file;
  if (!file.Open(InfoFilePath(env), kSaveFlags)) return 0;
  return CloseAfterWriting(file);
}

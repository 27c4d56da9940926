#include "framework/CFileFind.h"

#include <algorithm>

BOOL CFileFind::FindFile(const char* pattern) {
  Close();
  const CString full(pattern ? pattern : "*.*");
  const int cut = full.ReverseFind(kPathSeparator);
  root_ = cut < 0 ? CString(".") : full.Left(cut == 0 ? 1 : cut);
  const CString wildcard = full.Mid(cut + 1);
  afx::ListDirectory(root_, [&](const afx::DirEntry& e) {
    if (afx::MatchFileName(wildcard, e.name)) entries_.push_back({e.name, e.isDirectory});
  });
  // Directory order is arbitrary on Linux; byte order keeps listings repeatable.
  std::sort(entries_.begin(), entries_.end(),
            [](const Entry& a, const Entry& b) { return a.name.Bytes() < b.name.Bytes(); });
  return entries_.empty() ? FALSE : TRUE;
}

BOOL CFileFind::FindNextFile() {
  if (current_ + 1 >= static_cast<int>(entries_.size())) return FALSE;
  ++current_;
  return current_ + 1 < static_cast<int>(entries_.size()) ? TRUE : FALSE;
}

void CFileFind::Close() {
  entries_.clear();
  current_ = -1;
  root_.Empty();
}

CString CFileFind::GetFileName() const {
  return current_ >= 0 ? entries_[static_cast<size_t>(current_)].name : CString();
}

CString CFileFind::GetFilePath() const {
  CString path = root_;
  if (path.ReverseFind(kPathSeparator) != path.GetLength() - 1) path += kPathSeparator;
  return path + GetFileName();
}

CString CFileFind::GetFileTitle() const {
  const CString name = GetFileName();
  const int dot = name.ReverseFind('.');
  return dot < 0 ? name : name.Left(dot);
}

BOOL CFileFind::IsDirectory() const {
  return current_ >= 0 && entries_[static_cast<size_t>(current_)].isDirectory ? TRUE : FALSE;
}

BOOL CFileFind::IsDots() const {
  const CString name = GetFileName();
  return name == "." || name == ".." ? TRUE : FALSE;
}

ULONGLONG CFileFind::GetLength() const {
  CFileStatus status;
  return afx::GetFileStatus(GetFilePath(), status) ? status.m_size : 0;
}

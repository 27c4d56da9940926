// CFileFind: walks the entries of one directory that match a wildcard pattern.
#pragma once

#include <vector>

#include "framework/CString.h"
#include "framework/FileSystem.h"

class CFileFind {
 public:
  // pattern: a directory, the separator and a wildcard name ("/srv/drawings/*.*").
  // Nonzero when at least one entry matches.
  BOOL FindFile(const char* pattern = "*.*");
  // Moves to the next entry; zero when the entry moved to is the last one.
  BOOL FindNextFile();
  void Close();

  CString GetFileName() const;
  CString GetFilePath() const;
  CString GetFileTitle() const;
  CString GetRoot() const { return root_; }
  BOOL IsDirectory() const;
  BOOL IsDots() const;
  ULONGLONG GetLength() const;

 private:
  struct Entry {
    CString name;
    bool isDirectory;
  };
  CString root_;
  std::vector<Entry> entries_;
  int current_ = -1;
};

// CMemFile: a file in memory, for archives that never touch the disk.
#pragma once

#include <string>
#include <string_view>

#include "framework/CFile.h"

class CMemFile : public CFile {
 public:
  CMemFile() = default;
  // A file that starts with a copy of the given bytes, positioned at its start.
  CMemFile(const void* data, size_t size);

  BOOL Open(const char*, UINT, CFileException* = nullptr) override { return FALSE; }
  UINT Read(void* buffer, UINT count) override;
  void Write(const void* buffer, UINT count) override;
  ULONGLONG Seek(long long offset, UINT from) override;
  ULONGLONG GetPosition() const override { return pos_; }
  ULONGLONG GetLength() const override { return data_.size(); }
  void SetLength(ULONGLONG length) override;
  void Flush() override {}
  void Close() override {}
  void Abort() override {}

  // The file's bytes.
  std::string_view Contents() const { return data_; }

 private:
  std::string data_;
  size_t pos_ = 0;
};

// CArchive: the framework's binary stream over a CFile. Integers are little-endian two's
// complement; strings carry the framework's length prefix (see WriteString/ReadString).
// Reading past the end throws CArchiveException(endOfFile).
#pragma once

#include <string>

#include "framework/CFile.h"
#include "framework/CString.h"
#include "framework/Types.h"

class CArchive {
 public:
  enum Mode : UINT { store = 0, load = 1, bNoFlushOnDelete = 2 };

  CArchive(CFile* file, UINT mode, int buffer_size = 4096);
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;
  // A storing archive that was not closed flushes here, swallowing errors.
  ~CArchive();

  BOOL IsLoading() const { return loading_; }
  BOOL IsStoring() const { return !loading_; }
  CFile* GetFile() const { return file_; }

  // Raw bytes. Read returns how many bytes were there (fewer at the end of the file).
  UINT Read(void* buffer, UINT count);
  void Write(const void* buffer, UINT count);
  // Reads exactly count bytes or throws end-of-file.
  void ReadExact(void* buffer, size_t count);

  CArchive& operator<<(std::int32_t v) { return WriteLe(static_cast<std::uint32_t>(v), 4); }
  CArchive& operator<<(std::uint32_t v) { return WriteLe(v, 4); }
  CArchive& operator<<(std::int16_t v) { return WriteLe(static_cast<std::uint16_t>(v), 2); }
  CArchive& operator<<(std::uint16_t v) { return WriteLe(v, 2); }
  CArchive& operator<<(std::uint8_t v) { return WriteLe(v, 1); }
  CArchive& operator<<(const CString& s);

  CArchive& operator>>(std::int32_t& v);
  CArchive& operator>>(std::uint32_t& v);
  CArchive& operator>>(std::int16_t& v);
  CArchive& operator>>(std::uint16_t& v);
  CArchive& operator>>(std::uint8_t& v);
  CArchive& operator>>(CString& s);

  // Bytes left between the read position and the end of the file; lets readers refuse a
  // count that more records than bytes could never satisfy.
  ULONGLONG BytesLeft();

  void Flush();
  void Close();
  void Abort();

 private:
  CArchive& WriteLe(std::uint32_t v, int bytes);
  std::uint32_t ReadLe(int bytes);
  std::uint32_t ReadLengthPrefix(bool& wide);
  void FillBuffer();

  CFile* file_;
  bool loading_;
  bool closed_ = false;
  size_t buffer_size_;
  std::string buffer_;  // storing: bytes not yet written; loading: bytes read ahead
  size_t pos_ = 0;      // loading: next byte in buffer_
};

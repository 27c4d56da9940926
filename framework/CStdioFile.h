// CStdioFile: a buffered file with line reading and writing. In text mode "\n" is written
// as CR LF; lines are read up to CR LF or LF, without the end, and a last line without an
// end is read too.
#pragma once

#include <string>

#include "framework/CFile.h"

class CStdioFile : public CFile {
 public:
  CStdioFile() = default;
  CStdioFile(const char* file_name, UINT open_flags);
  ~CStdioFile() override;

  BOOL Open(const char* file_name, UINT open_flags, CFileException* error = nullptr) override;
  // Reads the next line into s; zero at the end of the file.
  BOOL ReadString(CString& s);
  void WriteString(const char* s);

  UINT Read(void* buffer, UINT count) override;
  void Write(const void* buffer, UINT count) override;
  ULONGLONG Seek(long long offset, UINT from) override;
  ULONGLONG GetPosition() const override;
  ULONGLONG GetLength() const override;
  void SetLength(ULONGLONG length) override;
  void Flush() override;
  void Close() override;
  void Abort() override;

 private:
  bool FillBuffer();
  void DropReadBuffer();

  bool text_ = false;
  std::string out_;  // bytes written but not yet handed to the system
  std::string in_;   // bytes read ahead
  size_t in_pos_ = 0;
};

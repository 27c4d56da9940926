#include "framework/CStdioFile.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kBufferSize = 64 * 1024;

}  // namespace

CStdioFile::CStdioFile(const char* file_name, UINT open_flags) {
  CFileException error(CFileException::none, 0, CString());
  if (!Open(file_name, open_flags, &error)) throw error;
}

CStdioFile::~CStdioFile() {
  try {
    Close();
  } catch (const CException&) {
    // A destructor cannot report a failed write; callers that care call Close.
  }
}

BOOL CStdioFile::Open(const char* file_name, UINT open_flags, CFileException* error) {
  Abort();
  text_ = (open_flags & typeBinary) == 0;
  return CFile::Open(file_name, open_flags & ~(typeText | typeBinary), error);
}

bool CStdioFile::FillBuffer() {
  Flush();
  in_.erase(0, in_pos_);
  in_pos_ = 0;
  const size_t old = in_.size();
  in_.resize(old + kBufferSize);
  const UINT got = CFile::Read(in_.data() + old, kBufferSize);
  in_.resize(old + got);
  return got > 0;
}

void CStdioFile::DropReadBuffer() {
  const size_t ahead = in_.size() - in_pos_;
  in_.clear();
  in_pos_ = 0;
  if (ahead > 0) CFile::Seek(-static_cast<long long>(ahead), current);
}

BOOL CStdioFile::ReadString(CString& s) {
  std::string line;
  for (;;) {
    const char* begin = in_.data() + in_pos_;
    const char* end = in_.data() + in_.size();
    const char* nl =
        static_cast<const char*>(std::memchr(begin, '\n', static_cast<size_t>(end - begin)));
    if (nl) {
      line.append(begin, nl);
      in_pos_ += static_cast<size_t>(nl - begin) + 1;
      break;
    }
    line.append(begin, end);
    in_pos_ = in_.size();
    if (!FillBuffer()) {
      if (line.empty()) return FALSE;
      break;
    }
  }
  if (text_ && !line.empty() && line.back() == '\r') line.pop_back();
  s = CString(line);
  return TRUE;
}

void CStdioFile::WriteString(const char* s) {
  if (!text_) {
    Write(s, static_cast<UINT>(std::strlen(s)));
    return;
  }
  for (const char* p = s; *p;) {
    const char* nl = std::strchr(p, '\n');
    const char* stop = nl ? nl : p + std::strlen(p);
    Write(p, static_cast<UINT>(stop - p));
    if (!nl) break;
    Write("\r\n", 2);
    p = nl + 1;
  }
}

UINT CStdioFile::Read(void* buffer, UINT count) {
  char* out = static_cast<char*>(buffer);
  UINT done = 0;
  while (done < count) {
    if (in_pos_ == in_.size() && !FillBuffer()) break;
    const size_t n = std::min<size_t>(count - done, in_.size() - in_pos_);
    std::copy_n(in_.data() + in_pos_, n, out + done);
    in_pos_ += n;
    done += static_cast<UINT>(n);
  }
  return done;
}

void CStdioFile::Write(const void* buffer, UINT count) {
  if (!in_.empty()) DropReadBuffer();
  if (count >= kBufferSize) {  // a whole file's worth goes straight to the system
    Flush();
    CFile::Write(buffer, count);
    return;
  }
  out_.append(static_cast<const char*>(buffer), count);
  if (out_.size() >= kBufferSize) Flush();
}

ULONGLONG CStdioFile::Seek(long long offset, UINT from) {
  Flush();
  if (from == current) offset -= static_cast<long long>(in_.size() - in_pos_);
  in_.clear();
  in_pos_ = 0;
  return CFile::Seek(offset, from);
}

ULONGLONG CStdioFile::GetPosition() const {
  return CFile::GetPosition() + out_.size() - (in_.size() - in_pos_);
}

ULONGLONG CStdioFile::GetLength() const {
  return std::max(CFile::GetLength(), GetPosition());
}

void CStdioFile::SetLength(ULONGLONG length) {
  Flush();
  CFile::SetLength(length);
}

void CStdioFile::Flush() {
  if (out_.empty() || !IsOpen()) return;
  std::string pending;
  pending.swap(out_);
  CFile::Write(pending.data(), static_cast<UINT>(pending.size()));
}

void CStdioFile::Close() {
  if (!IsOpen()) return;
  try {
    Flush();
  } catch (const CException&) {
    CFile::Abort();
    throw;
  }
  in_.clear();
  in_pos_ = 0;
  CFile::Close();
}

void CStdioFile::Abort() {
  out_.clear();
  in_.clear();
  in_pos_ = 0;
  CFile::Abort();
}

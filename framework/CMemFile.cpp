#include "framework/CMemFile.h"

#include <algorithm>

CMemFile::CMemFile(const void* data, size_t size) : data_(static_cast<const char*>(data), size) {}

UINT CMemFile::Read(void* buffer, UINT count) {
  const size_t n = pos_ < data_.size() ? std::min<size_t>(count, data_.size() - pos_) : 0;
  std::copy_n(data_.data() + pos_, n, static_cast<char*>(buffer));
  pos_ += n;
  return static_cast<UINT>(n);
}

void CMemFile::Write(const void* buffer, UINT count) {
  const char* in = static_cast<const char*>(buffer);
  const size_t overlap = pos_ < data_.size() ? std::min<size_t>(count, data_.size() - pos_) : 0;
  if (pos_ > data_.size()) data_.resize(pos_);
  std::copy_n(in, overlap, data_.data() + pos_);
  data_.append(in + overlap, count - overlap);
  pos_ += count;
}

ULONGLONG CMemFile::Seek(long long offset, UINT from) {
  const long long base = from == end ? static_cast<long long>(data_.size())
                                     : (from == current ? static_cast<long long>(pos_) : 0);
  if (base + offset < 0) throw CFileException(CFileException::badSeek, 0, CString());
  pos_ = static_cast<size_t>(base + offset);
  return pos_;
}

void CMemFile::SetLength(ULONGLONG length) {
  data_.resize(static_cast<size_t>(length));
  if (pos_ > data_.size()) pos_ = data_.size();
}

#include "framework/CArchive.h"

#include <algorithm>
#include <vector>

namespace {

constexpr size_t kChunk = 64 * 1024;  // strings are read in pieces: a length is never trusted

void ThrowEndOfFile() {
  throw CArchiveException(CArchiveException::endOfFile);
}

}  // namespace

CArchive::CArchive(CFile* file, UINT mode, int buffer_size)
    : file_(file),
      loading_((mode & load) != 0),
      buffer_size_(static_cast<size_t>(std::max(buffer_size, 512))) {}

CArchive::~CArchive() {
  if (!closed_ && !loading_) {
    try {
      Flush();
    } catch (const CException&) {
      // Destructors never throw: a caller that cares calls Close.
    }
  }
}

void CArchive::Write(const void* data, UINT count) {
  if (loading_) throw CArchiveException(CArchiveException::readOnly);
  buffer_.append(static_cast<const char*>(data), count);
  if (buffer_.size() >= buffer_size_) Flush();
}

void CArchive::FillBuffer() {
  buffer_.erase(0, pos_);
  pos_ = 0;
  const size_t old = buffer_.size();
  buffer_.resize(old + buffer_size_);
  const UINT got = file_->Read(buffer_.data() + old, static_cast<UINT>(buffer_size_));
  buffer_.resize(old + got);
}

UINT CArchive::Read(void* data, UINT count) {
  if (!loading_) throw CArchiveException(CArchiveException::writeOnly);
  char* out = static_cast<char*>(data);
  UINT done = 0;
  while (done < count) {
    if (pos_ == buffer_.size()) {
      FillBuffer();
      if (pos_ == buffer_.size()) break;
    }
    const size_t n = std::min<size_t>(count - done, buffer_.size() - pos_);
    std::copy_n(buffer_.data() + pos_, n, out + done);
    pos_ += n;
    done += static_cast<UINT>(n);
  }
  return done;
}

void CArchive::ReadExact(void* data, size_t count) {
  if (Read(data, static_cast<UINT>(count)) != count) ThrowEndOfFile();
}

ULONGLONG CArchive::BytesLeft() {
  const ULONGLONG length = file_->GetLength();
  const ULONGLONG position = file_->GetPosition();
  const ULONGLONG buffered = buffer_.size() - pos_;
  return (length > position ? length - position : 0) + buffered;
}

CArchive& CArchive::WriteLe(std::uint32_t v, int bytes) {
  unsigned char b[4];
  for (int i = 0; i < bytes; ++i)
    b[i] = static_cast<unsigned char>(v >> (8 * i));
  Write(b, static_cast<UINT>(bytes));
  return *this;
}

std::uint32_t CArchive::ReadLe(int bytes) {
  unsigned char b[4] = {};
  ReadExact(b, static_cast<size_t>(bytes));
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i)
    v |= static_cast<std::uint32_t>(b[i]) << (8 * i);
  return v;
}

CArchive& CArchive::operator>>(std::int32_t& v) {
  v = static_cast<std::int32_t>(ReadLe(4));
  return *this;
}
CArchive& CArchive::operator>>(std::uint32_t& v) {
  v = ReadLe(4);
  return *this;
}
CArchive& CArchive::operator>>(std::int16_t& v) {
  v = static_cast<std::int16_t>(ReadLe(2));
  return *this;
}
CArchive& CArchive::operator>>(std::uint16_t& v) {
  v = static_cast<std::uint16_t>(ReadLe(2));
  return *this;
}
CArchive& CArchive::operator>>(std::uint8_t& v) {
  v = static_cast<std::uint8_t>(ReadLe(1));
  return *this;
}

// Length prefix: one byte below 0xFF; else 0xFF and a 16-bit length below 0xFFFE; else
// 0xFF 0xFFFF and a 32-bit length. 0xFF 0xFFFE marks a wide string, whose own prefix follows.
CArchive& CArchive::operator<<(const CString& s) {
  const std::uint32_t length = static_cast<std::uint32_t>(s.GetLength());
  if (length < 0xFF) {
    WriteLe(length, 1);
  } else if (length < 0xFFFE) {
    WriteLe(0xFF, 1);
    WriteLe(length, 2);
  } else {
    WriteLe(0xFF, 1);
    WriteLe(0xFFFF, 2);
    WriteLe(length, 4);
  }
  Write(s.GetString(), length);
  return *this;
}

std::uint32_t CArchive::ReadLengthPrefix(bool& wide) {
  const std::uint32_t b = ReadLe(1);
  if (b < 0xFF) return b;
  const std::uint32_t w = ReadLe(2);
  if (w == 0xFFFE) {
    if (wide) throw CArchiveException(CArchiveException::genericException);
    wide = true;
    return ReadLengthPrefix(wide);
  }
  if (w < 0xFFFF) return w;
  return ReadLe(4);
}

CArchive& CArchive::operator>>(CString& s) {
  bool wide = false;
  const std::uint32_t length = ReadLengthPrefix(wide);
  const size_t bytes = static_cast<size_t>(length) * (wide ? 2 : 1);
  std::string data;
  // Grow with what is really there, so a hostile length ends in end-of-file, not in a huge
  // allocation.
  while (data.size() < bytes) {
    const size_t n = std::min(kChunk, bytes - data.size());
    const size_t old = data.size();
    data.resize(old + n);
    ReadExact(data.data() + old, n);
  }
  if (wide) {
    std::vector<char16_t> units(length);
    for (size_t i = 0; i < length; ++i) {
      units[i] = static_cast<char16_t>(static_cast<unsigned char>(data[2 * i]) |
                                       (static_cast<unsigned char>(data[2 * i + 1]) << 8));
    }
    s = afx::FromUtf16(units.data(), units.size());
  } else {
    s = CString(data);
  }
  return *this;
}

void CArchive::Flush() {
  if (loading_ || buffer_.empty()) return;
  try {
    file_->Write(buffer_.data(), static_cast<UINT>(buffer_.size()));
  } catch (...) {
    buffer_.clear();  // what could not be written is not written twice
    throw;
  }
  buffer_.clear();  // keeps its capacity for the next round
}

void CArchive::Close() {
  if (closed_) return;
  closed_ = true;
  Flush();
}

void CArchive::Abort() {
  closed_ = true;
  buffer_.clear();
}

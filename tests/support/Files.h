// Reading and writing whole files by bytes, for tests that check what is on disk.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "framework/CString.h"

inline std::string ReadBytes(const CString& path) {
  std::ifstream in(afx::ToUtf8(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const CString& path, const std::string& bytes) {
  std::ofstream out(afx::ToUtf8(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

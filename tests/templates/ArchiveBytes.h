// Template file bytes built by hand, so that tests hold the code to the file format itself
// rather than to its own output.
#pragma once

#include <cstdint>
#include <string>

#include "framework/CArchive.h"
#include "framework/CMemFile.h"

struct ArchiveBytes {
  ArchiveBytes& Int(std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
      bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    return *this;
  }
  // A string below 255 bytes: a one-byte length, then the bytes.
  ArchiveBytes& Str(const std::string& s) {
    bytes += static_cast<char>(s.size()) + s;
    return *this;
  }
  std::string bytes;
};

// The bytes that store(ar) writes through an archive on a memory file.
template <typename StoreFn>
std::string Stored(StoreFn store) {
  CMemFile file;
  CArchive ar(&file, CArchive::store);
  store(ar);
  ar.Close();
  return std::string(file.Contents());
}

template <typename LoadFn>
void Loaded(const std::string& bytes, LoadFn load) {
  CMemFile file(bytes.data(), bytes.size());
  CArchive ar(&file, CArchive::load);
  load(ar);
}

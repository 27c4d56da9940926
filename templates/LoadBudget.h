// LoadBudget: the memory that reading one template or link box file may hold. Whatever the
// counts inside a file claim, reading it holds at most kBytesPerFileByte times its size plus
// kFixedBytes: every object and text the reader keeps is charged as it is made, and a read
// whose charges pass the budget stops with CMemoryException. A file of many empty records
// (a folder record is ten bytes, the folder half a kilobyte) is refused instead of taking
// gigabytes.
#pragma once

#include <cstddef>

#include "framework/Types.h"

class CArchive;

class LoadBudget {
 public:
  // Files larger than this are refused before any of them is read.
  static constexpr ULONGLONG kMaxFileBytes = 1ULL << 30;
  static constexpr ULONGLONG kBytesPerFileByte = 8;
  static constexpr ULONGLONG kFixedBytes = 64ULL << 20;
  // CArchive reads a text into a buffer that doubles as it fills, copies it out, and converts
  // a UTF-16 text once more on the way: for a moment it holds up to six times the text's
  // bytes in the file, besides its own read buffer and its pieces.
  static constexpr ULONGLONG kArchivePassingPerByte = 6;
  static constexpr ULONGLONG kArchivePassingFixed = 256 << 10;

  // A budget of bytes for what a read keeps.
  explicit LoadBudget(ULONGLONG bytes) : left_(bytes) {}
  // The budget for a file of file_bytes: kBytesPerFileByte times its size plus fixed, less
  // what the reader needs for a moment without charging it: passing_fixed, and
  // passing_per_byte for every byte not yet read (see Consume).
  static LoadBudget ForFile(ULONGLONG file_bytes, ULONGLONG passing_per_byte,
                            ULONGLONG passing_fixed, ULONGLONG fixed = kFixedBytes);
  // The budget for reading the rest of ar, whose texts the archive reads itself. Throws
  // CMemoryException when more than kMaxFileBytes are left.
  static LoadBudget ForArchive(CArchive& ar);

  // Takes bytes from the budget; throws CMemoryException, charging nothing, when fewer are
  // left.
  void Charge(ULONGLONG bytes);
  // As Charge, false instead of the exception.
  bool TryCharge(ULONGLONG bytes);
  // The read has passed bytes more of the file: the room held back for reading them is free
  // for what the read keeps. A text still to be read lies within what is left, so the room
  // for the longest one shrinks as the file is read.
  void Consume(ULONGLONG bytes);
  // A text of length bytes read from the archive and kept: its bytes in the file (a length
  // prefix of at least one byte, then the text) consumed, and its heap block charged.
  void ChargeText(size_t length) {
    Consume(length + 1);
    Charge(TextBytes(length));
  }
  ULONGLONG Left() const { return left_; }
  ULONGLONG Charged() const { return charged_; }

  // What the C library's heap takes for one block of request bytes: the request with its
  // header, rounded up to the heap's alignment, never less than its smallest block.
  static ULONGLONG HeapBytes(ULONGLONG request);
  // What a CString of length bytes holds beyond its own object: nothing while the text fits
  // inside the object, else one heap block for the text and its NUL.
  static ULONGLONG TextBytes(size_t length);

 private:
  ULONGLONG left_;
  ULONGLONG charged_ = 0;
  ULONGLONG held_back_ = 0;  // for reading the part of the file not yet read
  ULONGLONG held_back_per_byte_ = 0;
};

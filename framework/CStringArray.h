// CStringArray: the framework's ordered list of strings.
#pragma once

#include <vector>

#include "framework/CString.h"

class CStringArray {
 public:
  int GetSize() const { return static_cast<int>(items_.size()); }
  int GetCount() const { return GetSize(); }
  bool IsEmpty() const { return items_.empty(); }
  const CString& GetAt(int i) const { return items_[static_cast<size_t>(i)]; }
  void SetAt(int i, const CString& s) { items_[static_cast<size_t>(i)] = s; }
  CString& operator[](int i) { return items_[static_cast<size_t>(i)]; }
  const CString& operator[](int i) const { return GetAt(i); }
  int Add(const CString& s) {
    items_.push_back(s);
    return GetSize() - 1;
  }
  void InsertAt(int i, const CString& s) { items_.insert(items_.begin() + i, s); }
  void RemoveAt(int i, int count = 1) {
    items_.erase(items_.begin() + i, items_.begin() + i + count);
  }
  void RemoveAll() { items_.clear(); }

 private:
  std::vector<CString> items_;
};

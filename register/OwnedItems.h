// The register's containers hold their folders and records by pointer and own them: these
// operations on such a vector delete what they remove.
#pragma once

#include "framework/CString.h"
#include "register/TVector.h"

namespace owned {

// Deletes every element in order, then releases the array.
template <typename T>
void DeleteAll(TVector<T*>& items) {
  for (int i = 0; i < items.GetCnt(); ++i)
    delete items[i];
  items.Resize(0);
}

// Deletes the element at i and closes the gap; 0 when i is outside the vector.
template <typename T>
int RemoveAt(TVector<T*>& items, int i) {
  if (i < 0 || i >= items.GetCnt()) return 0;
  delete items[i];
  items.Erase(i, i + 1);
  return 1;
}

// Appends a new element made by make() and returns it.
template <typename T, typename Make>
T* AppendNew(TVector<T*>& items, Make make) {
  T* item = make();
  items.Append(item);
  return item;
}

// Index of the first element whose name(item) is exactly name, else of the first whose name
// differs only in letter case; -1 if none. Sibling names may differ only in case on a
// case-sensitive file system, and the exact one is the one meant.
template <typename T, typename NameOf>
int FindName(const TVector<T*>& items, const CString& name, NameOf name_of) {
  int folded = -1;
  for (int i = 0; i < items.GetCnt(); ++i) {
    const CString own = name_of(*items[i]);
    if (own == name) return i;
    if (folded < 0 && own.CompareNoCase(name) == 0) folded = i;
  }
  return folded;
}

}  // namespace owned

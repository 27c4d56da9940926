// The register's containers hold their folders and records by pointer and own them: these
// operations on such a vector delete what they remove.
#pragma once

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

}  // namespace owned

// CMap: the framework's hash map, for the few lookups the system keeps (icon indexes).
#pragma once

#include <unordered_map>

#include "framework/Types.h"

template <typename KEY, typename ARG_KEY, typename VALUE, typename ARG_VALUE>
class CMap {
 public:
  explicit CMap(int block_size = 10) : block_size_(block_size) {}

  BOOL Lookup(ARG_KEY key, VALUE& value) const {
    const auto it = map_.find(key);
    if (it == map_.end()) return FALSE;
    value = it->second;
    return TRUE;
  }
  void SetAt(ARG_KEY key, ARG_VALUE value) { map_[key] = value; }
  VALUE& operator[](ARG_KEY key) { return map_[key]; }
  BOOL RemoveKey(ARG_KEY key) { return map_.erase(key) ? TRUE : FALSE; }
  void RemoveAll() { map_.clear(); }
  int GetCount() const { return static_cast<int>(map_.size()); }
  bool IsEmpty() const { return map_.empty(); }
  void InitHashTable(UINT size) { hash_size_ = size; }
  UINT GetHashTableSize() const { return hash_size_; }
  int GetBlockSize() const { return block_size_; }

 private:
  std::unordered_map<KEY, VALUE> map_;
  UINT hash_size_ = 17;
  int block_size_;
};

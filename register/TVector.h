// TVector: the growable array of the system. Stores elements by value; a vector of pointers
// never deletes what they point to. The capacity is always a whole number of growth steps and
// grows linearly, one step at a time, so that memory use stays predictable.
#pragma once

#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "framework/Exceptions.h"

template <typename T>
class TVector {
 public:
  explicit TVector(int step = 8) : step_(step < 1 ? 1 : step) { Allocate(step_); }
  TVector(const TVector& src) : step_(src.step_) { CopyFrom(src); }
  TVector& operator=(const TVector& src) {
    if (this != &src) {
      Release();
      step_ = src.step_;
      CopyFrom(src);
    }
    return *this;
  }
  ~TVector() { Release(); }

  int GetCnt() const { return count_; }
  int GetCapacity() const { return capacity_; }
  int GetStep() const { return step_; }
  T& operator[](int i) { return data_[i]; }
  const T& operator[](int i) const { return data_[i]; }

  void Append(const T& value) {
    if (count_ == capacity_) {
      const T copy = value;  // value may live in the array about to move
      Grow((capacity_ / step_ + 1) * step_);
      data_[count_++] = copy;
      return;
    }
    data_[count_++] = value;
  }

  // Inserts before index p, 0 <= p < count.
  void Insert(int p, const T& value) {
    const T copy = value;
    if (count_ == capacity_) {
      Resize(count_ + 1);
    } else {
      ++count_;
    }
    for (int i = count_ - 1; i > p; --i)
      data_[i] = data_[i - 1];
    data_[p] = copy;
  }

  void Resize(int n) {
    if (n > capacity_) {
      Grow(((n - 1) / step_ + 1) * step_);
      count_ = n;
    } else if (n <= 0) {
      Release();
    } else {
      for (int i = count_; i < n; ++i)
        data_[i] = T();
      count_ = n;
    }
  }

  // Removes [first, last).
  void Erase(int first, int last) {
    const int k = last - first;
    if (k < 1) return;
    for (int i = last; i < count_; ++i)
      data_[i - k] = data_[i];
    count_ -= k;
    for (int i = count_; i < count_ + k; ++i)
      data_[i] = T();
    if (count_ == 0) Release();
  }

 private:
  static constexpr bool kRaw = std::is_trivially_copyable_v<T>;

  void Allocate(int capacity) {
    data_ = capacity > 0 ? NewArray(capacity) : nullptr;
    capacity_ = capacity;
  }

  // Moves the elements into an array of the new capacity; every slot past count holds T(),
  // including old slots that a shrinking Resize left behind.
  void Grow(int capacity) {
    T* fresh;
    if constexpr (kRaw) {
      void* p = std::realloc(static_cast<void*>(data_), sizeof(T) * static_cast<size_t>(capacity));
      if (!p) throw CMemoryException();
      fresh = static_cast<T*>(p);
      for (int i = count_; i < capacity; ++i)
        new (fresh + i) T();
    } else {
      fresh = NewArray(capacity);
      try {
        // Growth is linear, so a long vector moves often: moved, not copied, where moving
        // cannot fail half-way.
        for (int i = 0; i < count_; ++i) {
          if constexpr (std::is_nothrow_move_assignable_v<T>) {
            fresh[i] = std::move(data_[i]);
          } else {
            fresh[i] = data_[i];
          }
        }
      } catch (...) {
        delete[] fresh;  // the vector stays as it was
        throw;
      }
      delete[] data_;
    }
    data_ = fresh;
    capacity_ = capacity;
  }

  void CopyFrom(const TVector& src) {
    count_ = src.count_;
    Allocate(count_ == 0 ? 0 : ((count_ - 1) / step_ + 1) * step_);
    for (int i = 0; i < count_; ++i)
      data_[i] = src.data_[i];
  }

  void Release() {
    if constexpr (kRaw) {
      std::free(static_cast<void*>(data_));
    } else {
      delete[] data_;
    }
    data_ = nullptr;
    capacity_ = 0;
    count_ = 0;
  }

  static T* NewArray(int capacity) {
    if constexpr (kRaw) {
      void* p = std::malloc(sizeof(T) * static_cast<size_t>(capacity));
      if (!p) throw CMemoryException();
      T* array = static_cast<T*>(p);
      for (int i = 0; i < capacity; ++i)
        new (array + i) T();
      return array;
    } else {
      try {
        return new T[static_cast<size_t>(capacity)]();
      } catch (const std::bad_alloc&) {
        throw CMemoryException();
      }
    }
  }

  int step_;
  int count_ = 0;
  int capacity_ = 0;
  T* data_ = nullptr;
};

// TovoItemBuff: an ordered list of node pointers, the child list of every template and
// deliverable node. The buffer never deletes on its own: removing entries, clearing and
// copying leave the items alone, and only FreeItem and FreeAllItems delete them. Whoever
// holds a buffer calls FreeAllItems in its destructor, so each item has exactly one owner.
#pragma once

#include "register/TVector.h"
#include "templates/TovoItem.h"

class TovoItemBuff {
 public:
  // What each entry adds to a list's memory at most: a list of n entries has at most n plus
  // one step of slots, and while it grows it holds the old slots and the new for a moment.
  static constexpr size_t kBytesPerEntry = 2 * sizeof(TovoItem*);

  // The growth step (at least 1) is also the first capacity.
  explicit TovoItemBuff(int step = 8) : items_(step) {}
  // Copies the pointers only: the copy lists the same item objects.
  TovoItemBuff(const TovoItemBuff&) = default;
  TovoItemBuff& operator=(const TovoItemBuff&) = default;
  // Releases the slot array; the items are left to their owner.
  virtual ~TovoItemBuff() = default;

  int GetCnt() const { return items_.GetCnt(); }
  int GetCapacity() const { return items_.GetCapacity(); }
  // The entry at i, 0 <= i < GetCnt().
  TovoItem* GetItem(int i) { return items_[i]; }
  const TovoItem* GetItem(int i) const { return items_[i]; }

  // Index of the first entry equal to p, or -1.
  int FindItem(TovoItem* p) const;
  // Appends p and returns its index.
  int AddItem(TovoItem* p);
  // Inserts p before entry i when 0 <= i < GetCnt(); otherwise inserts nothing.
  void InsItem(int i, TovoItem* p);
  // Removes up to n entries from index from on, without deleting them.
  void DelItem(int from, int n);
  // Deletes the items of that range, then removes their entries.
  void FreeItem(int from, int n);
  // Removes every entry and releases the slot array; deletes nothing.
  void Clear() { items_.Resize(0); }
  // Deletes every item in index order, then clears.
  void FreeAllItems();
  // Appends a new copy (Clone) of every entry of from, in order; a null entry stays null.
  // The copies belong to this buffer's holder, as every entry does.
  void AddClonesOf(const TovoItemBuff& from);

 private:
  // The entries [from, from + n) cut to the buffer; false when the range is empty.
  bool ClipRange(int from, int& n) const;

  TVector<TovoItem*> items_;
};

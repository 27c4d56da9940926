#include "templates/TovoItemBuff.h"

#include <memory>

int TovoItemBuff::FindItem(TovoItem* p) const {
  for (int i = 0; i < items_.GetCnt(); ++i) {
    if (items_[i] == p) return i;
  }
  return -1;
}

int TovoItemBuff::AddItem(TovoItem* p) {
  items_.Append(p);
  return items_.GetCnt() - 1;
}

void TovoItemBuff::InsItem(int i, TovoItem* p) {
  if (i >= 0 && i < items_.GetCnt()) items_.Insert(i, p);
}

bool TovoItemBuff::ClipRange(int from, int& n) const {
  if (from < 0 || from >= items_.GetCnt() || n <= 0) return false;
  if (n > items_.GetCnt() - from) n = items_.GetCnt() - from;
  return true;
}

void TovoItemBuff::DelItem(int from, int n) {
  if (ClipRange(from, n)) items_.Erase(from, from + n);
}

void TovoItemBuff::FreeItem(int from, int n) {
  if (!ClipRange(from, n)) return;
  for (int i = from; i < from + n; ++i)
    delete items_[i];
  items_.Erase(from, from + n);
}

void TovoItemBuff::FreeAllItems() {
  for (int i = 0; i < items_.GetCnt(); ++i)
    delete items_[i];
  Clear();
}

void TovoItemBuff::AddClonesOf(const TovoItemBuff& from) {
  for (int i = 0; i < from.GetCnt(); ++i) {
    const TovoItem* item = from.GetItem(i);
    std::unique_ptr<TovoItem> clone(item ? item->Clone() : nullptr);
    AddItem(clone.get());
    clone.release();
  }
}

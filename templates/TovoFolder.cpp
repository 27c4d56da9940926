#include "templates/TovoFolder.h"

#include <cstdint>
#include <memory>

IMPLEMENT_DYNAMIC(TovoFolder, TovoItem)

TovoFolder::TovoFolder(const char* name, const char* disp_name) : TovoItem(name, disp_name) {}

TovoFolder::TovoFolder(const TovoFolder& src) : TovoItem(src) {
  try {
    folders_.AddClonesOf(src.folders_);
    file_boxes_.AddClonesOf(src.file_boxes_);
  } catch (...) {
    FreeChildren();  // the destructor does not run for a copy that never finished
    throw;
  }
}

TovoFolder& TovoFolder::operator=(const TovoFolder& src) {
  if (this == &src) return *this;
  // Copy first: src may be one of this folder's own descendants, which the next step deletes.
  TovoFolder copy(src);
  FreeChildren();
  TovoItem::operator=(copy);
  folders_ = copy.folders_;  // the nodes move over: copy must not delete them
  copy.folders_.Clear();
  file_boxes_ = copy.file_boxes_;
  copy.file_boxes_.Clear();
  return *this;
}

TovoFolder::~TovoFolder() {
  FreeChildren();
}

void TovoFolder::FreeChildren() {
  folders_.FreeAllItems();
  file_boxes_.FreeAllItems();
}

void TovoFolder::FreeEntry(TovoItemBuff& buff, TovoItem* item) {
  const int at = buff.FindItem(item);
  if (at >= 0) buff.FreeItem(at, 1);
}

ULONGLONG TovoFolder::EmptyBytes() {
  return LoadBudget::HeapBytes(sizeof(TovoFolder)) +
         LoadBudget::HeapBytes(kFolderStep * sizeof(TovoItem*)) +
         LoadBudget::HeapBytes(kFileBoxStep * sizeof(TovoItem*));
}

void TovoFolder::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    Store(ar);
  } else {
    LoadBudget budget = LoadBudget::ForArchive(ar);
    Load(ar, 1, budget);
  }
}

// An empty entry has no record to write, so it is left out of the count as well.
void TovoFolder::StoreItems(CArchive& ar, TovoItemBuff& items) {
  std::int32_t count = 0;
  for (int i = 0; i < items.GetCnt(); ++i)
    count += items.GetItem(i) ? 1 : 0;
  ar << count;
  for (int i = 0; i < items.GetCnt(); ++i) {
    if (TovoItem* item = items.GetItem(i)) item->Serialize(ar);
  }
}

void TovoFolder::Store(CArchive& ar) {
  TovoItem::Serialize(ar);
  StoreItems(ar, file_boxes_);
  StoreItems(ar, folders_);
}

void TovoFolder::Load(CArchive& ar, int depth, LoadBudget& budget) {
  if (depth > kMaxLoadDepth) throw CArchiveException(CArchiveException::genericException);
  LoadNames(ar, budget);
  LoadFileBoxes(ar, budget);
  LoadFolders(ar, depth, budget);
}

// A node that fails half-read is never appended; the unique_ptr deletes it on the way out.
// Each node is charged before it is made, so a file of endless empty records stops at the
// budget instead of at the end of memory.
void TovoFolder::LoadFileBoxes(CArchive& ar, LoadBudget& budget) {
  std::int32_t count = 0;
  ar >> count;
  budget.Consume(sizeof count);
  for (std::int32_t i = 0; i < count; ++i) {
    budget.Charge(TovoFileBox::EmptyBytes() + TovoItemBuff::kBytesPerEntry);
    auto box = std::make_unique<TovoFileBox>();
    box->Load(ar, budget);
    file_boxes_.AddItem(box.get());
    box.release();
  }
}

void TovoFolder::LoadFolders(CArchive& ar, int depth, LoadBudget& budget) {
  std::int32_t count = 0;
  ar >> count;
  budget.Consume(sizeof count);
  for (std::int32_t i = 0; i < count; ++i) {
    budget.Charge(EmptyBytes() + TovoItemBuff::kBytesPerEntry);
    auto folder = std::make_unique<TovoFolder>();
    folder->Load(ar, depth + 1, budget);
    folders_.AddItem(folder.get());
    folder.release();
  }
}

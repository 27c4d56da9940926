// TovoFolder: a folder of a deliverable template. It owns its sub-folders and file boxes;
// deleting a folder deletes its whole subtree, and copying it copies the whole subtree.
#pragma once

#include "framework/CArchive.h"
#include "templates/TovoFileBox.h"
#include "templates/TovoItem.h"
#include "templates/TovoItemBuff.h"

class TovoFolder : public TovoItem {
  DECLARE_DYNAMIC(TovoFolder)

 public:
  // Template files nest folders no deeper than this: a deeper record is taken as damage, so
  // that a hostile file cannot exhaust the stack while it is read.
  static constexpr int kMaxLoadDepth = 256;

  TovoFolder() : TovoFolder(nullptr, nullptr) {}
  // A null name leaves that name empty.
  TovoFolder(const char* name, const char* disp_name);
  TovoFolder(const TovoFolder& src);
  TovoFolder& operator=(const TovoFolder& src);
  // Deletes all sub-folders, then all file boxes.
  ~TovoFolder() override;

  static TovoFolder* Create(const char* name, const char* disp_name) {
    return new TovoFolder(name, disp_name);
  }
  TovoFolder* Copy() const { return new TovoFolder(*this); }
  TovoItem* Clone() const override { return Copy(); }

  // Loading appends what it reads to the folder's present contents.
  void Serialize(CArchive& ar) override;
  // Loads as Serialize does, charging what it keeps to budget.
  void Load(CArchive& ar, LoadBudget& budget) { Load(ar, 1, budget); }
  // What a folder holds before it reads its record: the object and the first slot arrays of
  // its two lists.
  static ULONGLONG EmptyBytes();

  int GetFolderCnt() const { return folders_.GetCnt(); }
  // The sub-folder at i, or null when that entry is not a folder.
  TovoFolder* GetFolder(int i) { return DYNAMIC_DOWNCAST(TovoFolder, folders_.GetItem(i)); }
  const TovoFolder* GetFolder(int i) const {
    return DYNAMIC_DOWNCAST(TovoFolder, folders_.GetItem(i));
  }
  // Takes ownership; returns the new index.
  int AddFolder(TovoFolder* folder) { return folders_.AddItem(folder); }
  // Deletes the direct sub-folder equal to folder; any other pointer is ignored.
  void DelFolder(TovoFolder* folder) { FreeEntry(folders_, folder); }

  int GetFileBoxCnt() const { return file_boxes_.GetCnt(); }
  TovoFileBox* GetFileBox(int i) { return DYNAMIC_DOWNCAST(TovoFileBox, file_boxes_.GetItem(i)); }
  const TovoFileBox* GetFileBox(int i) const {
    return DYNAMIC_DOWNCAST(TovoFileBox, file_boxes_.GetItem(i));
  }
  int AddFileBox(TovoFileBox* box) { return file_boxes_.AddItem(box); }
  void DelFileBox(TovoFileBox* box) { FreeEntry(file_boxes_, box); }

 private:
  static void FreeEntry(TovoItemBuff& buff, TovoItem* item);
  void FreeChildren();
  static constexpr int kFolderStep = 16;
  static constexpr int kFileBoxStep = 32;

  static void StoreItems(CArchive& ar, TovoItemBuff& items);
  void Store(CArchive& ar);
  void Load(CArchive& ar, int depth, LoadBudget& budget);
  void LoadFileBoxes(CArchive& ar, LoadBudget& budget);
  void LoadFolders(CArchive& ar, int depth, LoadBudget& budget);

  TovoItemBuff folders_{kFolderStep};
  TovoItemBuff file_boxes_{kFileBoxStep};
};

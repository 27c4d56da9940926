// TovoLinkFolder: a folder of a deliverable, the image of one template folder. It owns its
// link sub-folders, one link box per file box of the template folder, a copy of that
// template folder, and one more link box of its own outside the box list (the hidden box,
// named "HIDEBOX").
#pragma once

#include "templates/TovoFolder.h"
#include "templates/TovoItem.h"
#include "templates/TovoItemBuff.h"
#include "templates/TovoLinkBox.h"

class TovoLinkFolder : public TovoItem {
  DECLARE_DYNAMIC(TovoLinkFolder)

 public:
  // The link folder tree of a template folder: sub-folders made the same way, one empty
  // link box per file box, and a copy of the template folder.
  static TovoLinkFolder* Create(const TovoFolder& folder);
  // An empty link folder without a template; a null name leaves that name empty.
  static TovoLinkFolder* Create(const char* name, const char* disp_name);
  // A deep copy; its link boxes, hidden box included, are copies made by TovoLinkBox::Copy.
  TovoLinkFolder* Copy() const { return new TovoLinkFolder(*this); }
  TovoItem* Clone() const override { return Copy(); }
  TovoLinkFolder& operator=(const TovoLinkFolder& src);
  // Deletes the sub-folders, the link boxes, the hidden box and the template copy.
  ~TovoLinkFolder() override;

  int GetFolderCnt() const { return folders_.GetCnt(); }
  TovoLinkFolder* GetFolder(int i) { return DYNAMIC_DOWNCAST(TovoLinkFolder, folders_.GetItem(i)); }
  const TovoLinkFolder* GetFolder(int i) const {
    return DYNAMIC_DOWNCAST(TovoLinkFolder, folders_.GetItem(i));
  }
  // Takes ownership; returns the new index.
  int AddFolder(TovoLinkFolder* folder) { return folders_.AddItem(folder); }

  int GetLinkBoxCnt() const { return boxes_.GetCnt(); }
  TovoLinkBox* GetLinkBox(int i) { return DYNAMIC_DOWNCAST(TovoLinkBox, boxes_.GetItem(i)); }
  const TovoLinkBox* GetLinkBox(int i) const {
    return DYNAMIC_DOWNCAST(TovoLinkBox, boxes_.GetItem(i));
  }
  int AddLinkBox(TovoLinkBox* box) { return boxes_.AddItem(box); }

  TovoLinkBox* GetHideLinkBox() { return hidden_; }
  const TovoLinkBox* GetHideLinkBox() const { return hidden_; }
  // The copy of the template folder this folder was made from, or null.
  const TovoFolder* GetTemplate() const { return template_; }

 protected:
  // A folder with its hidden box.
  TovoLinkFolder();
  // Starts without a hidden box or a template, then assigns.
  TovoLinkFolder(const TovoLinkFolder& src);

 private:
  void FreeAll();

  TovoItemBuff folders_{16};
  TovoItemBuff boxes_{32};
  TovoLinkBox* hidden_ = nullptr;
  TovoFolder* template_ = nullptr;
};

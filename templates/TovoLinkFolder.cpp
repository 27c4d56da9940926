#include "templates/TovoLinkFolder.h"

#include <memory>

IMPLEMENT_DYNAMIC(TovoLinkFolder, TovoItem)

namespace {

// The hidden box is made from a file box that exists nowhere in the template.
TovoLinkBox* NewHiddenBox() {
  TovoFileBox::CreateInfo info;
  info.Mask = TovoFileBox::CreateInfo::kName | TovoFileBox::CreateInfo::kDispName |
              TovoFileBox::CreateInfo::kSNDigit | TovoFileBox::CreateInfo::kExtension;
  info.Name = "HIDEBOX";
  info.DispName = "HIDEBOX";
  info.SNDigit = 3;
  info.Extension = "PDF";
  std::unique_ptr<TovoFileBox> file_box(TovoFileBox::Create(info));
  return TovoLinkBox::Create(*file_box);
}

}  // namespace

TovoLinkFolder::TovoLinkFolder() : hidden_(NewHiddenBox()) {}

TovoLinkFolder::TovoLinkFolder(const TovoLinkFolder& src) : TovoItem() {
  try {
    *this = src;
  } catch (...) {
    FreeAll();  // the destructor does not run for a copy that never finished
    throw;
  }
}

TovoLinkFolder::~TovoLinkFolder() {
  FreeAll();
}

void TovoLinkFolder::FreeAll() {
  folders_.FreeAllItems();
  boxes_.FreeAllItems();
  delete hidden_;
  hidden_ = nullptr;
  delete template_;
  template_ = nullptr;
}

TovoLinkFolder* TovoLinkFolder::Create(const char* name, const char* disp_name) {
  TovoLinkFolder* folder = new TovoLinkFolder();
  folder->Name(CString(name));
  folder->DispName(CString(disp_name));
  return folder;
}

TovoLinkFolder* TovoLinkFolder::Create(const TovoFolder& folder) {
  std::unique_ptr<TovoLinkFolder> made(Create(folder.Name(), folder.DispName()));
  for (int i = 0; i < folder.GetFolderCnt(); ++i) {
    const TovoFolder* sub = folder.GetFolder(i);
    if (sub) made->AddFolder(Create(*sub));
  }
  for (int i = 0; i < folder.GetFileBoxCnt(); ++i) {
    const TovoFileBox* file_box = folder.GetFileBox(i);
    if (file_box) made->AddLinkBox(TovoLinkBox::Create(*file_box));
  }
  made->template_ = folder.Copy();
  return made.release();
}

TovoLinkFolder& TovoLinkFolder::operator=(const TovoLinkFolder& src) {
  if (this == &src) return *this;
  // Everything is copied before anything is deleted: src may lie inside this folder's tree.
  TovoItemBuff folders(16);
  TovoItemBuff boxes(32);
  std::unique_ptr<TovoLinkBox> hidden;
  std::unique_ptr<TovoFolder> folder_template;
  try {
    folders.AddClonesOf(src.folders_);
    boxes.AddClonesOf(src.boxes_);
    if (src.hidden_) hidden.reset(src.hidden_->Copy());
    if (src.template_) folder_template.reset(src.template_->Copy());
  } catch (...) {
    folders.FreeAllItems();
    boxes.FreeAllItems();
    throw;
  }
  TovoItem::operator=(src);
  FreeAll();
  folders_ = folders;
  boxes_ = boxes;
  hidden_ = hidden.release();
  template_ = folder_template.release();
  return *this;
}

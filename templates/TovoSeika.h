// TovoSeika: a deliverable, the instance of a template. It carries the template's name and
// output settings and one link folder tree per top-level template folder, and can take in
// another deliverable of the same output settings: AddSeika brings over folders and boxes
// missing here, MergeSeika only the links of folders and boxes that exist here.
#pragma once

#include "framework/CString.h"
#include "templates/TovoItemBuff.h"
#include "templates/TovoLinkFolder.h"
#include "templates/TovoTemplate.h"

class TovoSeika {
 public:
  // A new deliverable with empty link boxes for every file box of t; the caller owns it and
  // t is not referred to afterwards.
  static TovoSeika* FromTemplate(const TovoTemplate& t);
  // Copies are deep: each deliverable owns its own link folders.
  TovoSeika(const TovoSeika& src);
  TovoSeika& operator=(const TovoSeika& src);
  // Deletes every link folder.
  virtual ~TovoSeika();

  CString Name() const { return name_; }
  CString OutText() const { return out_text_; }
  CString OutProgram() const { return out_program_; }
  CString OutCmdLine() const { return out_cmd_line_; }

  int GetFolderCnt() const { return folders_.GetCnt(); }
  TovoLinkFolder* GetFolder(int i) { return DYNAMIC_DOWNCAST(TovoLinkFolder, folders_.GetItem(i)); }
  const TovoLinkFolder* GetFolder(int i) const {
    return DYNAMIC_DOWNCAST(TovoLinkFolder, folders_.GetItem(i));
  }
  // Takes ownership; returns the new index.
  int AddFolder(TovoLinkFolder* folder) { return folders_.AddItem(folder); }

  // Both take copies of the links of o's matching folders and boxes, appended as data items
  // of their own; o is not changed. AddSeika also appends copies of folders and boxes
  // missing here. 0, and nothing changed, when the output program or command line differ.
  int AddSeika(const TovoSeika& o);
  int MergeSeika(const TovoSeika& o);

 protected:
  TovoSeika() = default;

 private:
  int Combine(const TovoSeika& o, bool add);
  static void MergeFolder(TovoLinkFolder& m, const TovoLinkFolder& s, bool add);
  static void MergeLinkBox(TovoLinkFolder& m, const TovoLinkBox& b, bool add);
  static void AppendLinks(TovoLinkBox& to, const TovoLinkBox& from);

  CString name_;
  CString out_text_;
  CString out_program_;
  CString out_cmd_line_;
  TovoItemBuff folders_{8};
};

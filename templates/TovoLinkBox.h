// TovoLinkBox: the links of a deliverable that belong to one file box of its template. It
// keeps the links in the user's order with their data numbers, remembers removed links
// (deleted links) until the same link is added again, keeps a copy of the file box it was
// made from, and is stored as an XML file.
//
// Data numbers: a run of consecutive links with equal numbers is one data item. Inserting
// and deleting renumber the runs 0, 1, 2, ...; appending, uniting and dividing keep the
// numbers non-decreasing; loading keeps them as the file has them.
//
// The file: a root TovoLinkBox (Version 1.00, Name, DispName) holding a Links and then a
// DeletedLinks element, each with one empty Link element per link (Name, DispName,
// GroupNo, FolName, Extension, No, AddText). Code page 932, as the XML file library writes.
#pragma once

#include <memory>

#include "framework/CString.h"
#include "framework/Types.h"
#include "templates/LoadBudget.h"
#include "templates/TovoFileBox.h"
#include "templates/TovoItem.h"
#include "templates/TovoItemBuff.h"
#include "templates/TovoLink.h"

class CXmlFileDoc;
class CXmlFileElm;
class CXmlFileElms;
class CXmlFileWriter;

class TovoLinkBox : public TovoItem {
  DECLARE_DYNAMIC(TovoLinkBox)

 public:
  using LinkInfo = TovoLink::LinkInfo;

  // A new empty box named after file_box, with a copy of it as its template.
  static TovoLinkBox* Create(const TovoFileBox& file_box);
  // A new box with copies of the links (without their additional texts), no deleted links
  // and no file time.
  TovoLinkBox* Copy() const { return new TovoLinkBox(*this); }
  TovoItem* Clone() const override { return Copy(); }
  // Takes the names, copies of the links and the template; keeps its own deleted links and
  // file time.
  TovoLinkBox& operator=(const TovoLinkBox& src);
  ~TovoLinkBox() override;

  const TovoFileBox& GetTemplate() const { return template_; }
  // The file's last-write time when this box last loaded or saved it; 0 when never.
  ULONGLONG GetFileTime() const { return file_time_; }

  int GetLinkCnt() const { return links_.GetCnt(); }
  TovoLink* GetLink(int i) { return DYNAMIC_DOWNCAST(TovoLink, links_.GetItem(i)); }
  const TovoLink* GetLink(int i) const { return DYNAMIC_DOWNCAST(TovoLink, links_.GetItem(i)); }
  int GetDelLinkCnt() const { return deleted_.GetCnt(); }
  const TovoLink* GetDelLink(int i) const {
    return DYNAMIC_DOWNCAST(TovoLink, deleted_.GetItem(i));
  }

  // Appends link as a data item of its own and takes it; a deleted link that matches it is
  // forgotten. Returns its index (-1 for a null link).
  int AddLink(TovoLink* link);
  // Inserts link before link i and takes it when 0 <= i < GetLinkCnt(); otherwise the link
  // stays with the caller. Forgets a matching deleted link and renumbers either way.
  void InsLink(int i, TovoLink* link);
  // Moves links [from, from + n) to the deleted links and renumbers.
  void DelLink(int from, int n);
  TovoLink* SrchLink(const LinkInfo& info);
  const TovoLink* SrchLink(const LinkInfo& info) const;
  const TovoLink* SrchDelLink(const LinkInfo& info) const;

  // Makes links a to b one data item.
  void UniteLinks(int a, int b);
  // Splits the data item holding link i into single links.
  void DevideLinks(int i);
  static void SetLinkDataNo(TovoLink* link, int no) { link->SetDataNo(no); }

  // 1 loaded; 0 failed, with no links and no deleted links. Only a regular file is read,
  // never through a symbolic link, and a FIFO or device is refused at once. A save cut short
  // (its journal beside the file) is finished or undone first, so what is read is the file
  // before that save or after it. Reading holds at most LoadBudget's bound for the file's
  // size: a file that would take more is refused.
  int Load(const char* path);
  // 1 saved; 0 the file could not be written, and is as it was; -1 refused because someone
  // changed the file since this box last loaded or saved it. The file is rewritten in place
  // through a journal, so a save killed at any moment leaves the old box or, once the next
  // load or save finishes it, the new one. Never writes through a symbolic link or to a
  // file with other names (hard links), whose writes would land elsewhere too.
  int Save(const char* path);

 protected:
  TovoLinkBox();
  TovoLinkBox(const TovoLinkBox& src);

  // Deletes all links and deleted links and forgets the file time.
  void Clear();
  int _Load(const char* path);
  void ResetDataNo();
  void SrchAndFreeDeletedLink(const LinkInfo& info);

 private:
  static int FindMatch(const TovoItemBuff& links, const LinkInfo& info);
  // Renumbers links from first on: first gets no, each next one the same number while its
  // former number repeats, else one more.
  void RenumberFrom(int first, int no);
  // The reading core of _Load, on a document already parsed: the names, the links and the
  // deleted links. Leaves the file time alone.
  int ReadDoc(const CXmlFileDoc& doc);
  // Reads one list element's links into into, each charged to budget as it is made.
  static int ReadLinks(const CXmlFileElms& children, const char* name, TovoItemBuff& into,
                       LoadBudget& budget);
  // A link from one Link element, or null when a required attribute is missing or the budget
  // has no room for it. running numbers a link without a number of its own, and counts on
  // from every link read.
  static std::unique_ptr<TovoLink> ReadLink(const CXmlFileElm& elm, int& running,
                                            LoadBudget& budget);
  void WriteDoc(CXmlFileWriter& writer) const;
  static void WriteLinks(CXmlFileWriter& writer, const char* name, const TovoItemBuff& links);

  TovoItemBuff links_{32};
  TovoItemBuff deleted_{8};
  TovoFileBox template_;
  ULONGLONG file_time_ = 0;
};

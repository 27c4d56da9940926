// TovoLink: one entry linked into a link box of a deliverable. It names what it links to by
// its LinkInfo (a group number and a folder name), carries the linked file's extension and
// an additional text, and has a data number: consecutive links of a box with equal numbers
// form one data item. Only the box changes data numbers.
#pragma once

#include <utility>

#include "framework/CString.h"
#include "templates/TovoItem.h"

class TovoLinkBox;

class TovoLink : public TovoItem {
  DECLARE_DYNAMIC(TovoLink)

 public:
  // What a link points at. Two links match when their group numbers are equal and their
  // folder names are equal ignoring case.
  struct LinkInfo {
    int GroupNo = 0;
    CString FolName;

    bool Matches(const LinkInfo& other) const {
      return GroupNo == other.GroupNo && FolName.CompareNoCase(other.FolName) == 0;
    }
  };

  TovoLink() = default;
  // Copies everything but the additional text: a copy starts without one, and an assigned
  // link keeps its own.
  TovoLink(const TovoLink& src);
  TovoLink& operator=(const TovoLink& src);
  ~TovoLink() override = default;

  // A new default link, pointing at info when given. The caller owns it until a box takes it.
  static TovoLink* Create(const LinkInfo* info = nullptr);
  TovoLink* Copy() const { return new TovoLink(*this); }
  TovoItem* Clone() const override { return Copy(); }

  const LinkInfo& GetLinkInfo() const { return info_; }
  void SetLinkInfo(const LinkInfo& info) { info_ = info; }
  const CString& GetExtension() const { return extension_; }
  void SetExtension(const CString& extension) { extension_ = extension; }
  const CString& GetAddText() const { return add_text_; }
  void SetAddText(const CString& text) { add_text_ = text; }
  int GetDataNo() const { return data_no_; }

 private:
  friend class TovoLinkBox;
  // A link read from a file: its texts as they were read, taken over rather than copied.
  struct Texts {
    CString name, disp_name, fol_name, extension, add_text;
  };
  TovoLink(Texts&& texts, int group_no, int data_no)
      : info_{group_no, std::move(texts.fol_name)},
        extension_(std::move(texts.extension)),
        data_no_(data_no),
        add_text_(std::move(texts.add_text)) {
    Name(std::move(texts.name));
    DispName(std::move(texts.disp_name));
  }
  void SetDataNo(int no) { data_no_ = no; }

  LinkInfo info_;
  CString extension_;
  int data_no_ = -1;  // not yet numbered by a box
  CString add_text_;
};

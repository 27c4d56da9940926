// TovoFileBox: one kind of deliverable file in a template folder, with its digit count,
// file-name extension and the auto-link records that the host keeps with it. The box stores,
// copies, compares and archives those values without giving them a meaning.
#pragma once

#include "framework/CArchive.h"
#include "framework/CString.h"
#include "register/TVector.h"
#include "templates/TovoItem.h"

// The template file version in force while a template file is read: file boxes of version
// 0x100 files carry a single auto-link record instead of a counted list. The template reader
// sets it for the time of one read; at all other times it is kCurrentTemplateFileVersion.
// One value for the whole module, so two templates must never be read at the same time.
extern int TemplateFileVersion;
inline constexpr int kCurrentTemplateFileVersion = 0x300;
inline constexpr int kSingleAutoLinkTemplateFileVersion = 0x100;

class TovoFileBox : public TovoItem {
  DECLARE_DYNAMIC(TovoFileBox)

 public:
  struct AutoLinkInfo {
    int Param1 = 0;
    int Param2 = 0;
    CString Text1;
    CString Text2;
  };

  // What Create takes: each bit of Mask selects one of the fields below.
  struct CreateInfo {
    enum : int { kName = 0x1, kDispName = 0x2, kSNDigit = 0x4, kExtension = 0x8 };
    int Mask = 0;
    CString Name;
    CString DispName;
    int SNDigit = 0;
    CString Extension;
  };

  TovoFileBox() = default;
  TovoFileBox(const TovoFileBox& src);
  TovoFileBox& operator=(const TovoFileBox& src);
  ~TovoFileBox() override = default;

  // A new default box with the fields that info.Mask selects; the caller owns it.
  static TovoFileBox* Create(const CreateInfo& info);
  TovoFileBox* Copy() const { return new TovoFileBox(*this); }
  TovoItem* Clone() const override { return Copy(); }

  void Serialize(CArchive& ar) override;
  // Reads a box record over this box's values, charging what it keeps to budget.
  void Load(CArchive& ar, LoadBudget& budget);
  // What a box holds before it reads its record: the object and its first record array.
  static ULONGLONG EmptyBytes();

  int SNDigit() const { return sn_digit_; }
  void SNDigit(int digits) { sn_digit_ = digits; }
  const CString& Extension() const { return extension_; }
  void Extension(const CString& extension) { extension_ = extension; }

  int GetAutoLinkCnt() const { return auto_links_.GetCnt(); }
  // The record at i, or null when i is outside the list.
  AutoLinkInfo* GetAutoLink(int i);
  const AutoLinkInfo* GetAutoLink(int i) const;
  // Appends a copy of info and returns its index.
  int AddAutoLink(const AutoLinkInfo& info);
  // Removes the record at i, 0 <= i < GetAutoLinkCnt(); later records move down.
  void DelAutoLink(int i) { auto_links_.Erase(i, i + 1); }
  // Removes every record and releases the list's array.
  void ClearAutoLink() { auto_links_.Resize(0); }

 private:
  static constexpr int kAutoLinkStep = 8;

  void Store(CArchive& ar);
  void LoadSingleAutoLink(CArchive& ar, LoadBudget& budget);
  void LoadAutoLinkList(CArchive& ar, LoadBudget& budget);

  int sn_digit_ = 0;
  CString extension_;
  TVector<AutoLinkInfo> auto_links_{kAutoLinkStep};
};

// Exact comparison: the two numbers and the two texts, case-sensitive. Results are 1 or 0.
int operator==(const TovoFileBox::AutoLinkInfo& a, const TovoFileBox::AutoLinkInfo& b);
int operator!=(const TovoFileBox::AutoLinkInfo& a, const TovoFileBox::AutoLinkInfo& b);
// Lists are equal when they hold equal records in the same order.
int operator==(const TVector<TovoFileBox::AutoLinkInfo>& a,
               const TVector<TovoFileBox::AutoLinkInfo>& b);
int operator!=(const TVector<TovoFileBox::AutoLinkInfo>& a,
               const TVector<TovoFileBox::AutoLinkInfo>& b);

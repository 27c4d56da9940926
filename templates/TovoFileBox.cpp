#include "templates/TovoFileBox.h"

#include <cstdint>

IMPLEMENT_DYNAMIC(TovoFileBox, TovoItem)

int TemplateFileVersion = kCurrentTemplateFileVersion;

namespace {

// The least an auto-link record takes in a file: two integers and two empty strings.
constexpr ULONGLONG kMinAutoLinkBytes = 4 + 4 + 1 + 1;

void StoreAutoLink(CArchive& ar, const TovoFileBox::AutoLinkInfo& info) {
  ar << std::int32_t{info.Param1} << std::int32_t{info.Param2} << info.Text1 << info.Text2;
}

void LoadAutoLink(CArchive& ar, TovoFileBox::AutoLinkInfo& info, LoadBudget& budget) {
  ar >> info.Param1 >> info.Param2 >> info.Text1;
  budget.Consume(2 * sizeof(std::int32_t));
  budget.ChargeText(info.Text1.GetLength());
  ar >> info.Text2;
  budget.ChargeText(info.Text2.GetLength());
}

// An array of records, which have destructors, carries its count before them.
ULONGLONG AutoLinkArrayBytes(int capacity) {
  return LoadBudget::HeapBytes(
      static_cast<ULONGLONG>(capacity) * sizeof(TovoFileBox::AutoLinkInfo) + sizeof(size_t));
}

bool IsBlank(const TovoFileBox::AutoLinkInfo& info) {
  return info.Param1 == 0 && info.Param2 == 0 && info.Text1.IsEmpty() && info.Text2.IsEmpty();
}

}  // namespace

TovoFileBox::TovoFileBox(const TovoFileBox& src)
    : TovoItem(src),
      sn_digit_(src.sn_digit_),
      extension_(src.extension_),
      auto_links_(src.auto_links_) {}

TovoFileBox& TovoFileBox::operator=(const TovoFileBox& src) {
  if (this != &src) {
    TovoItem::operator=(src);
    sn_digit_ = src.sn_digit_;
    extension_ = src.extension_;
    auto_links_ = src.auto_links_;
  }
  return *this;
}

TovoFileBox* TovoFileBox::Create(const CreateInfo& info) {
  TovoFileBox* box = new TovoFileBox;
  if (info.Mask & CreateInfo::kName) box->Name(info.Name);
  if (info.Mask & CreateInfo::kDispName) box->DispName(info.DispName);
  if (info.Mask & CreateInfo::kSNDigit) box->sn_digit_ = info.SNDigit;
  if (info.Mask & CreateInfo::kExtension) box->extension_ = info.Extension;
  return box;
}

TovoFileBox::AutoLinkInfo* TovoFileBox::GetAutoLink(int i) {
  return i >= 0 && i < auto_links_.GetCnt() ? &auto_links_[i] : nullptr;
}

const TovoFileBox::AutoLinkInfo* TovoFileBox::GetAutoLink(int i) const {
  return i >= 0 && i < auto_links_.GetCnt() ? &auto_links_[i] : nullptr;
}

int TovoFileBox::AddAutoLink(const AutoLinkInfo& info) {
  auto_links_.Append(info);
  return auto_links_.GetCnt() - 1;
}

ULONGLONG TovoFileBox::EmptyBytes() {
  return LoadBudget::HeapBytes(sizeof(TovoFileBox)) + AutoLinkArrayBytes(kAutoLinkStep);
}

void TovoFileBox::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    Store(ar);
  } else {
    LoadBudget budget = LoadBudget::ForArchive(ar);
    Load(ar, budget);
  }
}

void TovoFileBox::Store(CArchive& ar) {
  TovoItem::Serialize(ar);
  ar << std::int32_t{sn_digit_} << extension_ << std::int32_t{auto_links_.GetCnt()};
  for (int i = 0; i < auto_links_.GetCnt(); ++i)
    StoreAutoLink(ar, auto_links_[i]);
}

void TovoFileBox::Load(CArchive& ar, LoadBudget& budget) {
  LoadNames(ar, budget);
  ar >> sn_digit_ >> extension_;
  budget.Consume(sizeof(std::int32_t));
  budget.ChargeText(extension_.GetLength());
  auto_links_.Resize(0);
  if (TemplateFileVersion == kSingleAutoLinkTemplateFileVersion) {
    LoadSingleAutoLink(ar, budget);
  } else {
    LoadAutoLinkList(ar, budget);
  }
}

// The first file version kept one record per box, blank when the box had none. Its array is
// the first one, which EmptyBytes counts.
void TovoFileBox::LoadSingleAutoLink(CArchive& ar, LoadBudget& budget) {
  AutoLinkInfo info;
  LoadAutoLink(ar, info, budget);
  if (IsBlank(info)) return;
  // The array holds a copy of the texts, made while the record read holds them too.
  budget.Charge(LoadBudget::TextBytes(info.Text1.GetLength()) +
                LoadBudget::TextBytes(info.Text2.GetLength()));
  auto_links_.Append(info);
}

void TovoFileBox::LoadAutoLinkList(CArchive& ar, LoadBudget& budget) {
  std::int32_t count = 0;
  ar >> count;
  budget.Consume(sizeof count);
  if (count <= 0) return;
  // The list is allocated at its full size before the records are read, so a count that the
  // rest of the file could never hold is refused before it costs memory.
  if (static_cast<ULONGLONG>(count) > ar.BytesLeft() / kMinAutoLinkBytes) {
    throw CArchiveException(CArchiveException::endOfFile);
  }
  // The box's first array, which EmptyBytes counts, is gone before this one is made.
  const int capacity = (count - 1) / kAutoLinkStep * kAutoLinkStep + kAutoLinkStep;
  budget.Charge(AutoLinkArrayBytes(capacity) - AutoLinkArrayBytes(kAutoLinkStep));
  auto_links_.Resize(count);
  for (int i = 0; i < count; ++i)
    LoadAutoLink(ar, auto_links_[i], budget);
}

int operator==(const TovoFileBox::AutoLinkInfo& a, const TovoFileBox::AutoLinkInfo& b) {
  return a.Param1 == b.Param1 && a.Param2 == b.Param2 && a.Text1 == b.Text1 && a.Text2 == b.Text2
             ? 1
             : 0;
}

int operator!=(const TovoFileBox::AutoLinkInfo& a, const TovoFileBox::AutoLinkInfo& b) {
  return (a == b) ? 0 : 1;
}

int operator==(const TVector<TovoFileBox::AutoLinkInfo>& a,
               const TVector<TovoFileBox::AutoLinkInfo>& b) {
  if (a.GetCnt() != b.GetCnt()) return 0;
  for (int i = 0; i < a.GetCnt(); ++i) {
    if (a[i] != b[i]) return 0;
  }
  return 1;
}

int operator!=(const TVector<TovoFileBox::AutoLinkInfo>& a,
               const TVector<TovoFileBox::AutoLinkInfo>& b) {
  return (a == b) ? 0 : 1;
}

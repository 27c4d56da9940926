#include "templates/TovoLinkBox.h"

#include <climits>
#include <memory>

IMPLEMENT_DYNAMIC(TovoLinkBox, TovoItem)

namespace {

// Data numbers read from a file can be anything an int holds; counting on from the largest
// stays at the largest instead of overflowing.
int Plus(int no, int step) {
  const long long sum = static_cast<long long>(no) + step;
  return sum > INT_MAX ? INT_MAX : static_cast<int>(sum);
}

}  // namespace

TovoLinkBox::TovoLinkBox() = default;

TovoLinkBox::TovoLinkBox(const TovoLinkBox& src) : TovoItem() {
  *this = src;
}

TovoLinkBox::~TovoLinkBox() {
  links_.FreeAllItems();
  deleted_.FreeAllItems();
}

TovoLinkBox* TovoLinkBox::Create(const TovoFileBox& file_box) {
  TovoLinkBox* box = new TovoLinkBox();
  box->Name(file_box.Name());
  box->DispName(file_box.DispName());
  box->template_ = file_box;
  return box;
}

TovoLinkBox& TovoLinkBox::operator=(const TovoLinkBox& src) {
  if (this == &src) return *this;
  TovoItemBuff copies(32);
  try {
    for (int i = 0; i < src.links_.GetCnt(); ++i) {
      const TovoItem* link = src.links_.GetItem(i);
      if (link) copies.AddItem(link->Clone());
    }
  } catch (...) {
    copies.FreeAllItems();
    throw;
  }
  TovoItem::operator=(src);
  links_.FreeAllItems();
  links_ = copies;
  template_ = src.template_;
  return *this;
}

void TovoLinkBox::Clear() {
  links_.FreeAllItems();
  deleted_.FreeAllItems();
  file_time_ = 0;
}

int TovoLinkBox::AddLink(TovoLink* link) {
  if (!link) return -1;
  const int count = links_.GetCnt();
  link->SetDataNo(count == 0 ? 0 : Plus(GetLink(count - 1)->GetDataNo(), 1));
  const int at = links_.AddItem(link);
  SrchAndFreeDeletedLink(link->GetLinkInfo());
  return at;
}

void TovoLinkBox::InsLink(int i, TovoLink* link) {
  if (!link) return;
  link->SetDataNo(-1);
  links_.InsItem(i, link);
  SrchAndFreeDeletedLink(link->GetLinkInfo());
  ResetDataNo();
}

void TovoLinkBox::DelLink(int from, int n) {
  const int count = links_.GetCnt();
  if (from >= 0 && from < count && n > 0) {
    if (n > count - from) n = count - from;
    const int kept = deleted_.GetCnt();
    try {
      for (int i = from; i < from + n; ++i)
        deleted_.AddItem(links_.GetItem(i));
    } catch (...) {
      deleted_.DelItem(kept, n);  // the links stay where they were, owned once
      throw;
    }
    links_.DelItem(from, n);
  }
  ResetDataNo();
}

int TovoLinkBox::FindMatch(const TovoItemBuff& links, const LinkInfo& info) {
  for (int i = 0; i < links.GetCnt(); ++i) {
    const TovoLink* link = DYNAMIC_DOWNCAST(TovoLink, links.GetItem(i));
    if (link && link->GetLinkInfo().Matches(info)) return i;
  }
  return -1;
}

TovoLink* TovoLinkBox::SrchLink(const LinkInfo& info) {
  const int at = FindMatch(links_, info);
  return at < 0 ? nullptr : GetLink(at);
}

const TovoLink* TovoLinkBox::SrchLink(const LinkInfo& info) const {
  const int at = FindMatch(links_, info);
  return at < 0 ? nullptr : GetLink(at);
}

const TovoLink* TovoLinkBox::SrchDelLink(const LinkInfo& info) const {
  const int at = FindMatch(deleted_, info);
  return at < 0 ? nullptr : GetDelLink(at);
}

void TovoLinkBox::SrchAndFreeDeletedLink(const LinkInfo& info) {
  const int at = FindMatch(deleted_, info);
  if (at >= 0) deleted_.FreeItem(at, 1);
}

void TovoLinkBox::RenumberFrom(int first, int no) {
  const int count = links_.GetCnt();
  if (first < 0 || first >= count) return;
  TovoLink* link = GetLink(first);
  int former = link->GetDataNo();
  link->SetDataNo(no);
  for (int i = first + 1; i < count; ++i) {
    link = GetLink(i);
    const int own = link->GetDataNo();
    if (own < 0 || own != former) {
      no = Plus(no, 1);
      former = own;
    }
    link->SetDataNo(no);
  }
}

void TovoLinkBox::ResetDataNo() {
  RenumberFrom(0, 0);
}

void TovoLinkBox::UniteLinks(int a, int b) {
  if (a < 0 || b >= links_.GetCnt() || a >= b) return;
  const int no = GetLink(a)->GetDataNo();
  for (int i = a + 1; i <= b; ++i)
    GetLink(i)->SetDataNo(no);
  RenumberFrom(b + 1, Plus(no, 1));
}

void TovoLinkBox::DevideLinks(int i) {
  const int count = links_.GetCnt();
  if (i < 0 || i >= count) return;
  const int no = GetLink(i)->GetDataNo();
  int lo = i;
  while (lo > 0 && GetLink(lo - 1)->GetDataNo() == no)
    --lo;
  int hi = i;
  while (hi + 1 < count && GetLink(hi + 1)->GetDataNo() == no)
    ++hi;
  if (lo >= hi) return;
  for (int k = lo + 1; k <= hi; ++k)
    GetLink(k)->SetDataNo(Plus(no, k - lo));
  RenumberFrom(hi + 1, Plus(GetLink(hi)->GetDataNo(), 1));
}

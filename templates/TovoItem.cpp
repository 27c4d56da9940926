#include "templates/TovoItem.h"

IMPLEMENT_DYNAMIC(TovoItem, CObject)

void TovoItem::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << name_ << disp_name_;
  } else {
    ar >> name_;
    ar >> disp_name_;
  }
}

void TovoItem::LoadNames(CArchive& ar, LoadBudget& budget) {
  ar >> name_;
  budget.ChargeText(name_.GetLength());
  ar >> disp_name_;
  budget.ChargeText(disp_name_.GetLength());
}

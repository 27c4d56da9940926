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

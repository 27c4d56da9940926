#include "hostlibs/dlgbase/NumEdit.h"

#include <algorithm>

#include "framework/Decimal.h"

void NumEdit::SetInt(int value, int min, int max) {
  min_ = std::min(min, max);
  max_ = std::max(min, max);
  CString text;
  text.Format("%d", value);
  SetWindowText(text);
}

int NumEdit::GetInt() const {
  const CString text = GetWindowText();
  if (text.IsEmpty() || text[0] < '0' || text[0] > '9') return min_;
  return std::clamp(afx::DecimalValue(text.Bytes()), min_, max_);
}

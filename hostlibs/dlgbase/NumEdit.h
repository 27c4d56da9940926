// NumEdit: the host's edit control for numbers: takes digits only.
#pragma once

#include "framework/ui/Controls.h"

class NumEdit : public CEdit {
 public:
  // The number the text begins with, or 0.
  int GetNumber() const;
  void SetNumber(int value);
};

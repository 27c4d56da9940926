// NumEdit: the host's edit control for numbers: takes digits only, and holds a number within
// the range it was given.
#pragma once

#include "framework/ui/Controls.h"

class NumEdit : public CEdit {
 public:
  // Shows value and sets the range that GetInt holds the typed number to.
  void SetInt(int value, int min, int max);
  // The number typed, brought into the range of the last SetInt; the range's low end for a
  // field without digits.
  int GetInt() const;

 private:
  int min_ = 0;
  int max_ = 0x7FFFFFFF;
};

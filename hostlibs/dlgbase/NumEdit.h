// NumEdit: the host's edit control for numbers: takes digits only.
#pragma once

#include "framework/ui/Controls.h"

class NumEdit : public CEdit {};

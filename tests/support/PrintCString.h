// Shows code page 932 strings in test failures as readable UTF-8.
#pragma once

#include <ostream>

#include "framework/CString.h"

inline void PrintTo(const CString& s, std::ostream* os) {
  *os << '"' << afx::ToUtf8(s) << '"';
}

// The one reading of a decimal number in the library, with the meaning of the C library's
// atoi: white space skipped, an optional sign, then the digits up to the first other byte;
// no digits give 0. Unlike atoi it takes any bytes (a NUL does not end the text) and stays
// at the nearest int value instead of overflowing.
#pragma once

#include <string_view>

namespace afx {

int DecimalValue(std::string_view text);

}  // namespace afx

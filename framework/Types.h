// Basic types of the framework: the integer names its interfaces use.
#pragma once

#include <cstdint>

using BOOL = int;
using UINT = unsigned int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONGLONG = std::uint64_t;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

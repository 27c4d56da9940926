// The name of a drawing folder's information file, the same on every system that shares the
// register.
#pragma once

inline constexpr const char* kInfoFileName = "FOLDERINF.$$$";

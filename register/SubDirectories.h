// Walks the sub-directories of a directory of the register, as the folder tree is read.
#pragma once

#include <functional>

#include "framework/CString.h"

class CEnvironObj;

// Calls visit with the name and full path of every directory in path (not "." or "..").
// A symbolic link is not followed: a link to a folder elsewhere is no folder of the register,
// and a loop of links would never end.
void ForEachSubDirectory(
    const CEnvironObj& env, const CString& path,
    const std::function<void(const CString& name, const CString& full)>& visit);

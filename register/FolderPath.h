// The full path of a drawing folder, for what lies in it: a record asks its folder where it
// is without depending on the folder's whole class.
#pragma once

#include "framework/CString.h"

class CDrawingFolder;
class CEnvironObj;

CString FolderPathOf(const CDrawingFolder& folder, const CEnvironObj& env);

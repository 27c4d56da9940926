// Asks the user for a drawing type in the catalogue's type selection dialog, starting at the
// type a record has: the one way the setting dialogs offer the catalogue.
#pragma once

#include "framework/CString.h"
#include "register/DrawingTypeInfo.h"

class CStdDraftMgr;
class CWnd;

// True when the user chose a type: chosen holds it (with its code), name its display name.
bool ChooseDrawingType(CStdDraftMgr* draft, CWnd* parent, const DrawingTypeInfo& current,
                       DrawingTypeInfo& chosen, CString& name);

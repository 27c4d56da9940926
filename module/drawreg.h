// The public interface of drawreg: every exported class of the library.
#pragma once

#include "framework/CArchive.h"
#include "framework/CFile.h"
#include "framework/CMemFile.h"
#include "framework/CObject.h"
#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "framework/Exceptions.h"
#include "register/TVector.h"

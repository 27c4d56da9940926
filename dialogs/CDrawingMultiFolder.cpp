#include "dialogs/CDrawingMultiFolder.h"

#include "dialogs/BatchCommands.h"
#include "register/CDrawingFile.h"

CDrawingMultiFolder::~CDrawingMultiFolder() {
  drawreg::DeleteCopies(copies);
}

void CDrawingMultiFolder::AddRecord(CDrawingFile* record) {
  records.Append(record);
  copies.Append(new CDrawingFile(*record));
}

// The check of a batch of rows before they are written back: every row has a drawing type, no
// two rows make the same deliverable base name, and no row takes the base name of another file
// of the folder (with the new values of the files being edited). Names are compared without
// regard to case, and without their extensions.
#pragma once

#include "register/TVector.h"

class CDrawingFile;
class CDrawingFolder;
class CEnvironObj;

// rows are the edited copies of records, in the same order. Returns the first problem in row
// order: 1 row *first has no type; 2 rows *first and *second have the same name; 3 row *first
// has the name of another file of the folder (folder may be null: no files). 0 when all is well.
// A row never collides with its own record.
int CheckDrawingNames(const CEnvironObj* env, CDrawingFolder* folder, TVector<CDrawingFile*>* rows,
                      TVector<CDrawingFile*>* records, int* first, int* second);

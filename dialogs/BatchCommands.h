// What both batch setting dialogs share: the commands they give their grid (select all, the
// drawing type of the marked rows, sequential drawing numbers for them), the select-all picture,
// the registered files list, and the write-back of the edited copies.
#pragma once

#include "register/TVector.h"

class BitButton;
class CDialog;
class CDrawingFile;
class CDrawingFolder;
class CEnvironObj;
class CMultiSettingSheet;
class CStdDraftMgr;
class CWnd;

namespace drawreg {

// Marks every row.
void SelectAllRows(CMultiSettingSheet& sheet);
// Lets the user choose a drawing type, starting from the current row's, and gives it to every
// marked row; the others keep theirs. Nothing happens when the current row is none of the
// grid's or the choice is cancelled.
void ChooseTypeOfMarkedRows(CMultiSettingSheet& sheet, CStdDraftMgr* draft, CWnd* dialog);
// Asks for a start number and a direction and numbers the marked rows from top to bottom;
// refuses fewer than two marked rows and more than 999.
void NumberMarkedRows(CMultiSettingSheet& sheet, CWnd* dialog);

// Gives the select-all button its picture.
void ShowSelectAllPicture(BitButton& button);
// Lists the files registered in folder, in a dialog owned by dialog.
void ShowRegisteredFiles(const CEnvironObj* env, CDrawingFolder* folder, CWnd* dialog);
// Whether the keyboard focus is on the dialog's OK button: only a press of OK itself checks the
// rows; Enter elsewhere closes the dialog as the base does.
bool FocusIsOnOK(const CDialog& dialog);

// New copies of records, in their order, appended to copies.
void AppendCopies(const TVector<CDrawingFile*>& records, TVector<CDrawingFile*>& copies);
// Deletes the copies and empties the array.
void DeleteCopies(TVector<CDrawingFile*>& copies);
// Assigns copy i to record i: every field of the record but its folder.
void WriteBack(const TVector<CDrawingFile*>& copies, TVector<CDrawingFile*>& records);

}  // namespace drawreg

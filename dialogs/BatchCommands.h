// The commands both batch setting dialogs give their grid: select all, the drawing type of the
// marked rows, and sequential drawing numbers for them.
#pragma once

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

}  // namespace drawreg

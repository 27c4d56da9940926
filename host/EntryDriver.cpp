#include "host/EntryDriver.h"

#include <iostream>
#include <thread>

#include "dialogs/DialogResources.h"
#include "host/Sheet.h"
#include "host/Text.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "hostlibs/stddraft/SelZumenType.h"
#include "registration/Messages.h"

namespace host {

namespace {

// The batch grid's columns of the fields a person types or chooses.
constexpr int kLifeColumn = 2;
constexpr int kRefColumn = 3;
constexpr int kPageColumn = 4;
constexpr int kRevColumn = 5;
constexpr int kTypeColumn = 6;
constexpr int kTitleColumn = 8;  // the 2017 naming edition's user-defined part
constexpr int kSourceColumn = 1;

// The life cycle list's item for a letter: S, D, C, M.
int LifeIndex(const CString& life) {
  return CString("SDCM").Find(life.GetLength() == 1 ? life[0] : '?');
}

// A message box's text as printed: its own line breaks kept, anything else escaped.
std::string MessageText(const CString& text) {
  std::string out;
  int start = 0;
  for (int end; (end = text.Find('\n', start)) >= 0; start = end + 1) {
    out += Printable(text.Mid(start, end - start)) + "\n  ";
  }
  return out + Printable(text.Mid(start));
}

}  // namespace

NameFields EntryAnswers::For(const CString& source_name, int index) const {
  NameFields out = fields;
  if (number) out.page = CString(std::to_string(*number + (count_down ? -index : index)));
  if (const SheetRow* row = sheet ? sheet->Find(source_name) : nullptr) out += row->fields;
  return out;
}

EntryDriver::EntryDriver(const EntryAnswers& answers, CStdDraftMgr& draft)
    : answers_(answers), draft_(draft), wait_(answers.wait_seconds) {}

void EntryDriver::StartFile() {
  wait_.Start();
  last_question_.Empty();
}

void EntryDriver::Think() const {
  std::this_thread::sleep_for(std::chrono::milliseconds(answers_.think_ms));
}

void EntryDriver::Drive(afx::DialogSession& session) {
  switch (session.TemplateId()) {
    case drawreg::IDD_SINGLE_SETTING:
      return FillSetting(session);
    case drawreg::IDD_MULTI_SETTING:
      return FillGrid(session);
    case drawreg::IDD_MULTI_FOLDER_SETTING:
      return FillFolders(session);
    case drawreg::IDD_PAGE_REN_NO:
      return FillNumbering(session);
    case IDD_SELZUMENTYPE:
      return ChooseType(session);
  }
  // Anything else (the registered files list) is closed again.
}

void EntryDriver::FillSetting(afx::DialogSession& s) {
  using namespace drawreg;
  const NameFields f = answers_.For(s.Text(IDC_SOURCE_NAME), 0);
  if (f.life) s.Pick(IDC_LIFE, LifeIndex(*f.life));
  if (f.ref) s.Type(IDC_ARRANGEMENT, *f.ref);
  if (f.type) {
    type_ = *f.type;
    s.Click(IDC_TYPE_BUTTON);
  }
  if (f.page) s.Type(IDC_PAGE, *f.page);
  if (f.rev) s.Type(IDC_HISTORY, *f.rev);
  if (f.title) s.Type(IDC_TITLE, *f.title);
  s.PressOK();
  // A check that failed was printed with its message box; the dialog is then cancelled.
}

// As a person fills the grid: the fields for every drawing into all rows at once, the
// numbering command over all rows, then each drawing's own row from the sheet.
void EntryDriver::FillGrid(afx::DialogSession& s) {
  FillRows(s);
  s.PressOK();
}

// Each folder in turn, as a person picks it in the tree and fills its grid.
void EntryDriver::FillFolders(afx::DialogSession& s) {
  using namespace drawreg;
  for (const afx::TreeNodeShown& node : s.TreeNodes(IDC_FOLDER_TREE)) {
    if (node.data == 0) continue;  // a folder between others, with no files of its own
    s.PickTreeItem(IDC_FOLDER_TREE, node.path);
    folder_.Empty();
    for (size_t i = tree_top_is_destination_ ? 1 : 0; i < node.path.size(); ++i)
      folder_ += (folder_.IsEmpty() ? CString() : CString("/")) + node.path[i];
    FillRows(s);
  }
  folder_.Empty();
  s.PressOK();
}

void EntryDriver::FillRows(afx::DialogSession& s) {
  using namespace drawreg;
  TypeIntoGrid(s, -1, answers_.fields);
  if (answers_.number) {
    s.ClickCell(IDC_SHEET, 0, kPageColumn);
    s.Click(IDC_SELECT_ALL);
    s.Click(IDC_PAGE_REN_NO);
  }
  for (int row = 0; answers_.sheet && row < s.RowCount(IDC_SHEET); ++row) {
    const CString name = s.CellText(IDC_SHEET, row, kSourceColumn);
    const CString path = folder_.IsEmpty() ? name : folder_ + "/" + name;
    const SheetRow* line = folder_.IsEmpty() ? nullptr : answers_.sheet->Find(path);
    if (!line) line = answers_.sheet->Find(name);
    if (line) TypeIntoGrid(s, row, line->fields);
  }
}

// Types the fields given into one row, or into every row when row is -1.
void EntryDriver::TypeIntoGrid(afx::DialogSession& s, int row, const NameFields& f) {
  using namespace drawreg;
  const auto mark = [&](int col) {
    s.ClickCell(IDC_SHEET, row < 0 ? 0 : row, col);
    if (row < 0) s.Click(IDC_SELECT_ALL);
  };
  const std::pair<int, const std::optional<CString>*> typed[] = {{kLifeColumn, &f.life},
                                                                 {kRefColumn, &f.ref},
                                                                 {kPageColumn, &f.page},
                                                                 {kRevColumn, &f.rev},
                                                                 {kTitleColumn, &f.title}};
  for (const auto& [col, value] : typed) {
    if (!*value) continue;
    mark(col);
    s.TypeIntoCell(IDC_SHEET, **value);
  }
  if (f.type) {
    mark(kTypeColumn);
    type_ = *f.type;
    s.Click(IDC_TYPE_SELECT);
  }
}

void EntryDriver::ChooseType(afx::DialogSession& s) {
  // The command checked the code against this catalogue before the first file.
  const CStdTreeElm* wanted = draft_.SrchElm(type_);
  for (int f = 0; wanted && f < draft_.GetFieldCnt(); ++f) {
    const int field = draft_.GetFieldNoAt(f);
    for (int i = 0; i < draft_.GetElmCnt(field); ++i) {
      if (draft_.GetElmAt(field, i) != wanted) continue;
      s.Pick(IDC_SELZUMENTYPE_FIELD, f);
      s.Pick(IDC_SELZUMENTYPE_TYPES, i);
      s.PressOK();
      return;
    }
  }
}

void EntryDriver::FillNumbering(afx::DialogSession& s) {
  using namespace drawreg;
  if (answers_.count_down) s.Click(IDC_DIRECTION_MINUS);
  s.Type(IDC_START_NUMBER, CString(std::to_string(answers_.number.value_or(1))));
  s.PressOK();
}

int EntryDriver::Answer(const afx::MessageBoxRequest& request) {
  Think();
  int answer = IDOK;
  const bool lock_question = request.text == CString(registration::kLockedByOther);
  if ((request.type & MB_TYPEMASK) == MB_YESNO) {
    answer = IDNO;
    if (request.text == CString(registration::kOverwrite)) answer = answers_.yes ? IDYES : IDNO;
    if (lock_question) answer = wait_.StillWaiting() ? IDYES : IDNO;
  }
  // Retry questions repeat while the other user works; only the first is worth printing.
  const bool repeat = lock_question && answer == IDYES && last_question_ == request.text;
  last_question_ = request.text;
  // A check's refusal is why the command gives up: it goes where failures go.
  const bool refusal = request.caption == CString(u8"データエラー");
  if (!repeat) {
    (refusal ? std::cerr : std::cout)
        << (refusal ? "drawreg: [" : "[") << Printable(request.caption) << "] "
        << MessageText(request.text) << " -> "
        << (answer == IDYES  ? "Yes"
            : answer == IDNO ? "No"
                             : "OK")
        << std::endl;
  }
  return answer;
}

}  // namespace host

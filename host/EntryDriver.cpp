#include "host/EntryDriver.h"

#include <iostream>
#include <thread>

#include "dialogs/DialogResources.h"
#include "host/Text.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "hostlibs/stddraft/SelZumenType.h"
#include "registration/Messages.h"

namespace host {

namespace {

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
  if (session.TemplateId() == drawreg::IDD_SINGLE_SETTING) {
    FillSetting(session);
  } else if (session.TemplateId() == IDD_SELZUMENTYPE) {
    ChooseType(session);
  }
  // Anything else (the registered files list) is closed again.
}

void EntryDriver::FillSetting(afx::DialogSession& s) {
  using namespace drawreg;
  if (answers_.life) s.Pick(IDC_LIFE, LifeIndex(*answers_.life));
  if (answers_.ref) s.Type(IDC_ARRANGEMENT, *answers_.ref);
  if (answers_.type) s.Click(IDC_TYPE_BUTTON);
  if (answers_.page) s.Type(IDC_PAGE, *answers_.page);
  if (answers_.rev) s.Type(IDC_HISTORY, *answers_.rev);
  s.PressOK();
  // A check that failed was printed with its message box; the dialog is then cancelled.
}

void EntryDriver::ChooseType(afx::DialogSession& s) {
  // The command checked the code against this catalogue before the first file.
  const CStdTreeElm* wanted = draft_.SrchElm(*answers_.type);
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
  if (!repeat) {
    std::cout << "[" << Printable(request.caption) << "] " << MessageText(request.text) << " -> "
              << (answer == IDYES  ? "Yes"
                  : answer == IDNO ? "No"
                                   : "OK")
              << std::endl;
  }
  return answer;
}

}  // namespace host

#include "host/EntryDriver.h"

#include <iostream>
#include <thread>

#include "dialogs/DialogResources.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "hostlibs/stddraft/SelZumenType.h"

namespace host {

namespace {

constexpr const char8_t* kOverwriteCaption = u8"ファイルの上書き確認";
constexpr const char8_t* kLockCaption = u8"編集ロックエラー";

// The life cycle list's item for a letter: S, D, C, M.
int LifeIndex(const std::string& life) {
  static const std::string letters = "SDCM";
  const size_t at = life.size() == 1 ? letters.find(life[0]) : std::string::npos;
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

}  // namespace

EntryDriver::EntryDriver(const EntryAnswers& answers, CStdDraftMgr& draft)
    : answers_(answers), draft_(draft), started_(std::chrono::steady_clock::now()) {}

void EntryDriver::StartFile() {
  started_ = std::chrono::steady_clock::now();
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
  if (answers_.ref) s.Type(IDC_ARRANGEMENT, afx::FromUtf8(*answers_.ref));
  if (answers_.type) s.Click(IDC_TYPE_BUTTON);
  if (answers_.page) s.Type(IDC_PAGE, afx::FromUtf8(*answers_.page));
  if (answers_.rev) s.Type(IDC_HISTORY, afx::FromUtf8(*answers_.rev));
  s.PressOK();
  // A check that failed was printed with its message box; the dialog is then cancelled.
}

void EntryDriver::ChooseType(afx::DialogSession& s) {
  const CStdTreeElm* wanted = draft_.SrchElm(answers_.type->c_str());
  if (!wanted) {
    std::cerr << "drawreg: the catalogue has no drawing type " << *answers_.type << "\n";
    return;
  }
  for (int f = 0; f < draft_.GetFieldCnt(); ++f) {
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
  if ((request.type & MB_TYPEMASK) == MB_YESNO) {
    answer = IDNO;
    if (request.caption == CString(kOverwriteCaption)) answer = answers_.yes ? IDYES : IDNO;
    if (request.caption == CString(kLockCaption)) {
      const std::chrono::duration<double> waited = std::chrono::steady_clock::now() - started_;
      answer = waited.count() < answers_.wait_seconds ? IDYES : IDNO;
    }
  }
  // Retry questions repeat while the other user works; only the first is worth printing.
  static CString last;
  const bool repeat = request.caption == CString(kLockCaption) && last == request.text;
  last = request.text;
  if (!repeat) {
    std::cout << "[" << afx::ToUtf8(request.caption) << "] " << afx::ToUtf8(request.text) << " -> "
              << (answer == IDYES  ? "Yes"
                  : answer == IDNO ? "No"
                                   : "OK")
              << std::endl;
  }
  return answer;
}

}  // namespace host

#include "hostlibs/stddraft/CStdDraftMgr.h"

#include "hostlibs/stddraft/StdDraftFileReader.h"

CStdDraftMgr::CStdDraftMgr() : catalogue_(StdDraftCatalogue::Sample()) {}

int CStdDraftMgr::Load(const CString& path) {
  StdDraftCatalogue loaded;
  StdDraftFileReader reader(path);
  if (!reader.Read(loaded)) {
    last_error_ = reader.Error();
    return 0;
  }
  catalogue_ = std::move(loaded);
  last_error_.Empty();
  SetCurSel(-1, -1);
  return 1;
}

CStdTreeElm* CStdDraftMgr::SrchElm(const char* code) const {
  return catalogue_.SrchElm(code);
}

CStdTreeElm* CStdDraftMgr::GetElm(int field, int no) const {
  return catalogue_.GetElm(field, no);
}

CString CStdDraftMgr::GetElmName(int field, int no, char separator) const {
  const CStdTreeElm* elm = GetElm(field, no);
  if (!elm) return CString();
  CString name = catalogue_.GetFieldName(field);
  if (separator) name += separator;
  return name + elm->GetName();
}

void CStdDraftMgr::SetCurSel(int field, int no) {
  cur_field_ = field;
  cur_no_ = no;
}

#include "hostlibs/stddraft/StdDraftCatalogue.h"

#include <algorithm>

bool StdDraftCatalogue::AddField(int no, const CString& name, int line, CString& error) {
  auto at = std::lower_bound(fields_.begin(), fields_.end(), no,
                             [](const Field& f, int n) { return f.no < n; });
  if (at != fields_.end() && at->no == no) {
    error.Format("field %d is declared twice, on lines %d and %d", no, at->line, line);
    return false;
  }
  fields_.insert(at, Field{no, name, line, {}});
  return true;
}

bool StdDraftCatalogue::AddType(int field, int no, const CString& code, const CString& name,
                                int line, CString& error) {
  Field* f = FindFieldEntry(field);
  if (!f) {
    error.Format("field %d is not declared above", field);
    return false;
  }
  auto at = std::lower_bound(f->types.begin(), f->types.end(), no,
                             [](const Type& t, int n) { return t.elm->GetNo() < n; });
  if (at != f->types.end() && at->elm->GetNo() == no) {
    error.Format("type %d of field %d is declared twice, on lines %d and %d", no, field, at->line,
                 line);
    return false;
  }
  auto used = by_code_.find(code.Bytes());
  if (used != by_code_.end()) {
    error.Format("code %s is used twice, on lines %d and %d", code.GetString(), used->second.line,
                 line);
    return false;
  }
  at = f->types.insert(at, Type{std::make_unique<CStdTreeElm>(field, no, code, name), line});
  by_code_[code.Bytes()] = CodeUse{at->elm.get(), line};
  return true;
}

StdDraftCatalogue::Field* StdDraftCatalogue::FindFieldEntry(int field) {
  const int index = FindField(field);
  return index < 0 ? nullptr : &fields_[static_cast<size_t>(index)];
}

const StdDraftCatalogue::Field* StdDraftCatalogue::FindFieldEntry(int field) const {
  const int index = FindField(field);
  return index < 0 ? nullptr : &fields_[static_cast<size_t>(index)];
}

int StdDraftCatalogue::FindField(int field) const {
  auto at = std::lower_bound(fields_.begin(), fields_.end(), field,
                             [](const Field& f, int n) { return f.no < n; });
  return at != fields_.end() && at->no == field ? static_cast<int>(at - fields_.begin()) : -1;
}

int StdDraftCatalogue::GetFieldNoAt(int index) const {
  if (index < 0 || index >= GetFieldCnt()) return -1;
  return fields_[static_cast<size_t>(index)].no;
}

CString StdDraftCatalogue::GetFieldName(int field) const {
  const Field* f = FindFieldEntry(field);
  return f ? f->name : CString();
}

int StdDraftCatalogue::GetElmCnt(int field) const {
  const Field* f = FindFieldEntry(field);
  return f ? static_cast<int>(f->types.size()) : 0;
}

CStdTreeElm* StdDraftCatalogue::GetElmAt(int field, int index) const {
  const Field* f = FindFieldEntry(field);
  if (!f || index < 0 || index >= static_cast<int>(f->types.size())) return nullptr;
  return f->types[static_cast<size_t>(index)].elm.get();
}

CStdTreeElm* StdDraftCatalogue::GetElm(int field, int no) const {
  const Field* f = FindFieldEntry(field);
  if (!f) return nullptr;
  for (const Type& t : f->types) {
    if (t.elm->GetNo() == no) return t.elm.get();
  }
  return nullptr;
}

CStdTreeElm* StdDraftCatalogue::SrchElm(const char* code) const {
  if (!code) return nullptr;
  auto found = by_code_.find(code);
  return found == by_code_.end() ? nullptr : found->second.elm;
}

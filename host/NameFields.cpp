#include "host/NameFields.h"

#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "register/CDrawingFile.h"
#include "registration/DrawingEntryFileInfo.h"

namespace host {

NameFields& NameFields::operator+=(const NameFields& over) {
  for (auto field : {&NameFields::life, &NameFields::ref, &NameFields::type, &NameFields::page,
                     &NameFields::rev, &NameFields::title}) {
    if (over.*field) this->*field = over.*field;
  }
  return *this;
}

namespace {

// The catalogue's entry for the type code given, if any.
const CStdTreeElm* TypeOf(const NameFields& fields, const CStdDraftMgr& draft) {
  return fields.type ? draft.SrchElm(*fields.type) : nullptr;
}

}  // namespace

void Preset(DrawingEntryFileInfo& info, const NameFields& fields, const CStdDraftMgr& draft) {
  if (const CStdTreeElm* type = TypeOf(fields, draft)) {
    info.fieldNo = type->GetFieldNo();
    info.no = type->GetNo();
    info.code = type->GetFnameString();
  }
  if (fields.life) info.life = *fields.life;
  if (fields.ref) info.arrangement = *fields.ref;
  if (fields.page) info.page = *fields.page;
  if (fields.rev) info.history = *fields.rev;
  if (fields.title) info.title = *fields.title;
}

void Preset(CDrawingFile& record, const NameFields& fields, const CStdDraftMgr& draft) {
  if (const CStdTreeElm* type = TypeOf(fields, draft))
    record.SetTypeInfo({type->GetFieldNo(), type->GetNo(), type->GetFnameString()});
  if (fields.life) record.Life(*fields.life);
  if (fields.ref) record.Arrangement(*fields.ref);
  if (fields.page) record.Page(*fields.page);
  if (fields.rev) record.History(*fields.rev);
  if (fields.title) record.Title(*fields.title);
}

}  // namespace host

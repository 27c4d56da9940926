// The name fields a command presets for a drawing: life cycle, reference number, drawing type
// code, drawing number, revision and the user-defined part (title) of the 2017 naming
// edition, in code page 932 and already checked as the record keeps them. A field not given
// leaves the drawing's own value.
#pragma once

#include <optional>

#include "framework/CString.h"

class CDrawingFile;
class CStdDraftMgr;
struct DrawingEntryFileInfo;

namespace host {

struct NameFields {
  std::optional<CString> life, ref, type, page, rev, title;

  bool Empty() const { return !life && !ref && !type && !page && !rev && !title; }
  // Each field given in over replaces this one's.
  NameFields& operator+=(const NameFields& over);
};

// Presets info with the fields given; the type by its code in the catalogue.
void Preset(DrawingEntryFileInfo& info, const NameFields& fields, const CStdDraftMgr& draft);
// The same for a record, through its own setters.
void Preset(CDrawingFile& record, const NameFields& fields, const CStdDraftMgr& draft);

}  // namespace host

// CDrawingFile: one registered drawing file of a drawing folder. Holds the source file name
// under which the copy lies in its folder and the fields from which its deliverable file name
// is composed (life cycle, reference number, drawing type, drawing number, revision). A plain
// value: copies never take the parent link, which only the owning folder sets.
#pragma once

#include <string>

#include "framework/CString.h"
#include "register/DrawingTypeInfo.h"

class CDrawingFolder;
class CEnvironObj;

class CDrawingFile {
 public:
  CDrawingFile() = default;
  CDrawingFile(const CDrawingFile& src);
  CDrawingFile& operator=(const CDrawingFile& src);
  ~CDrawingFile() = default;

  // A new copy without a parent, owned by the caller.
  CDrawingFile* Clone() const;

  // The folder that owns this record; null for a record of its own (a local, a clone).
  CDrawingFolder* GetParentFolder() { return parent_; }
  CDrawingFolder* GetParentFolder() const { return parent_; }

  // Nonzero: the source file name; 0: the deliverable file name.
  CString Name(int source) const;
  // Stores the source file name as given; returns 1.
  int Name(const CString& name);

  const DrawingTypeInfo& GetTypeInfo() const { return type_; }
  void SetTypeInfo(const DrawingTypeInfo& type);

  CString Life() const { return life_; }
  CString Arrangement() const { return arrangement_; }
  CString Page() const { return page_; }
  CString History() const { return history_; }
  // Each setter returns 1 and stores a valid value, or returns 0 and keeps the field.
  int Life(const CString& life);
  int Arrangement(const CString& arrangement);
  int Page(const CString& page);
  int History(const CString& history);

  // Full path of the registered file: its folder's path and its name.
  CString GetFilePath(const CEnvironObj& env, int full) const;

  // The line of the folder information file: eight fields, each followed by a TAB.
  CString ToString() const;
  // Appends the record line to out (no line end).
  void AppendLine(std::string& out) const;
  // Reads a record line; 0 when it has fewer than eight fields, leaving the record as it was.
  int Parse(const CString& line);

 private:
  friend class CDrawingFolder;
  void SetParentFolder(CDrawingFolder* folder) { parent_ = folder; }

  CDrawingFolder* parent_ = nullptr;
  CString name_;
  DrawingTypeInfo type_;
  CString life_ = "S";
  CString arrangement_ = "0";
  CString page_ = "001";
  CString history_ = "0";
};

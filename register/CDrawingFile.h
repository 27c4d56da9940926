// CDrawingFile: one registered drawing file of a drawing folder. Holds the source file name
// under which the copy lies in its folder and the fields from which its deliverable file name
// is composed (life cycle, reference number, drawing type, drawing number, revision, and since
// the 2017 edition of the naming rule a user-defined part). A plain value: copies never take
// the parent link, which only the owning folder sets. The record composes its name by the
// edition it was given (the folder that loads it, the dialogs and registration give the
// register's); a record nobody gave one composes the 2004 order.
#pragma once

#include <string>

#include "framework/CString.h"
#include "hostlibs/environ/NamingEdition.h"
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

  // The user-defined part may hold this many characters (a double-byte one counts as one),
  // and a deliverable file name that carries it this many in all.
  static constexpr int kTitleLimit = 52;
  static constexpr int kNameLimit = 64;

  // Nonzero: the source file name; 0: the deliverable file name, in the record's edition.
  CString Name(int source) const { return Name(source, naming_); }
  // As Name(int), composed by the given edition whatever the record's own.
  CString Name(int source, NamingEdition edition) const;
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

  // The user-defined part of a 2017 name, "" for none. The setter takes "" or full-width
  // double-byte characters and half-width A-Z and 0-9, at most kTitleLimit of them, and only
  // while the 2017 name with it and the source file's extension stays within kNameLimit.
  CString Title() const { return title_; }
  int Title(const CString& title);

  // The edition by which Name(0) composes the deliverable file name.
  NamingEdition Naming() const { return naming_; }
  void Naming(NamingEdition edition) { naming_ = edition; }

  // Full path of the registered file: its folder's path and its name.
  CString GetFilePath(const CEnvironObj& env, int full) const;

  // The line of the folder information file: eight fields, each followed by a TAB, and the
  // user-defined part as a ninth when there is one (older readers take eight and skip it).
  CString ToString() const;
  // Appends the record line to out (no line end).
  void AppendLine(std::string& out) const;
  // Reads a record line; 0 when it has fewer than eight fields, leaving the record as it was.
  // A ninth field closed by a TAB is the user-defined part; later ones are skipped.
  int Parse(const CString& line);

 private:
  friend class CDrawingFolder;
  void SetParentFolder(CDrawingFolder* folder) { parent_ = folder; }
  // The source file name's extension with its dot, in its own case; "" without a dot.
  CString Extension() const;

  CDrawingFolder* parent_ = nullptr;
  CString name_;
  DrawingTypeInfo type_;
  CString life_ = "S";
  CString arrangement_ = "0";
  CString page_ = "001";
  CString history_ = "0";
  CString title_;
  NamingEdition naming_ = NamingEdition::k2004;
};

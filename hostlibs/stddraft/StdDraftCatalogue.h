// StdDraftCatalogue: the fields and drawing types of a catalogue, kept in ascending number
// order. Adding refuses what would make a type ambiguous: a field or type number used twice,
// a type of an undeclared field, or a code used twice anywhere in the catalogue, since the
// register finds a type from the code in a file name alone.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/CString.h"
#include "hostlibs/stddraft/CStdTreeElm.h"

class StdDraftCatalogue {
 public:
  // The built-in sample catalogue.
  static StdDraftCatalogue Sample();

  // Each returns false with a message in error when the entry is refused. line is where the
  // entry came from in a catalogue file (0 for built-in entries); messages name the lines.
  bool AddField(int no, const CString& name, int line, CString& error);
  bool AddType(int field, int no, const CString& code, const CString& name, int line,
               CString& error);

  int GetFieldCnt() const { return static_cast<int>(fields_.size()); }
  // The field number at index (0 <= index < GetFieldCnt()), or -1.
  int GetFieldNoAt(int index) const;
  // The position of a field number among the fields, or -1.
  int FindField(int field) const;
  CString GetFieldName(int field) const;
  int GetElmCnt(int field) const;
  CStdTreeElm* GetElmAt(int field, int index) const;
  CStdTreeElm* GetElm(int field, int no) const;
  CStdTreeElm* SrchElm(const char* code) const;
  int GetTypeCnt() const { return static_cast<int>(by_code_.size()); }

 private:
  struct Type {
    std::unique_ptr<CStdTreeElm> elm;
    int line;
  };
  struct Field {
    int no;
    CString name;
    int line;
    std::vector<Type> types;  // ascending by number
  };

  Field* FindFieldEntry(int field);
  const Field* FindFieldEntry(int field) const;

  struct CodeUse {
    CStdTreeElm* elm;
    int line;
  };

  std::vector<Field> fields_;  // ascending by number
  std::map<std::string, CodeUse> by_code_;
};

// The sheet: the name fields of a batch of drawings as CSV with a header row, one row per
// drawing, so that a register can go to a spreadsheet and back. Columns are named by the
// batch grid's headings or by English keys: 元ファイル名/file, ﾗｲﾌｻｲｸﾙ/life, 整理番号/ref,
// 図面番号/page, 改訂履歴/rev, 図面種類/type (the two-character code), ファイル名/name (the
// deliverable file name, written for reading and ignored on input) and, in the 2017 naming
// edition, 図面名/title (the user-defined part of the name).
#pragma once

#include <string>
#include <vector>

#include "framework/CString.h"
#include "host/NameFields.h"
#include "hostlibs/environ/NamingEdition.h"

class CDrawingFolder;
class CStdDraftMgr;

namespace host {

struct SheetRow {
  int line = 0;       // where the row is in the file, for messages
  CString file;       // the source file name the row is for
  NameFields fields;  // the cells that were not empty
};

class Sheet {
 public:
  // Reads and checks the whole sheet: UTF-8 (with or without a byte order mark), else code page
  // 932 when the bytes are not UTF-8. Throws UsageError naming the file and the line for a
  // broken line, an unknown column, a value the record would refuse, a type code the
  // catalogue does not know, a title where the register's edition has none (2004) or a
  // second row for one file.
  static Sheet Read(const std::string& path, const CStdDraftMgr& draft, NamingEdition edition);

  // Checks that every row is for one of the files given (their names, or for a folder tree
  // their paths relative to its top): a row names a file by that path or by its file name,
  // letter case ignored. Throws UsageError with the line of a row for no file. Returns the
  // files that have no row.
  std::vector<CString> Match(const std::vector<CString>& files) const;
  // The row for a source file name, letter case ignored; null for none.
  const SheetRow* Find(const CString& file_name) const;

  // The folder's registered files as a sheet: UTF-8 with a byte order mark, headed by the
  // grid's headings (the title column in the 2017 edition only). False, with the name in
  // why, when a name is no code page 932 text.
  static bool Write(const CDrawingFolder& folder, NamingEdition edition, std::string& out,
                    std::string& why);

 private:
  std::string name_;  // the file as the user named it, printable
  std::vector<SheetRow> rows_;
};

}  // namespace host

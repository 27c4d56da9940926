#include "host/Sheet.h"

#include <cctype>
#include <optional>

#include "framework/CFile.h"
#include "host/Csv.h"
#include "host/FieldValues.h"
#include "host/Report.h"
#include "host/Text.h"
#include "register/CDrawingFolder.h"

namespace host {

namespace {

enum Column { kFile, kLife, kRef, kPage, kRev, kType, kName, kTitle, kColumns };

struct Heading {
  const char8_t* grid;  // the batch grid's heading
  const char* key;      // the English key
};

constexpr Heading kHeadings[kColumns] = {{u8"元ファイル名", "file"}, {u8"ﾗｲﾌｻｲｸﾙ", "life"},
                                         {u8"整理番号", "ref"},      {u8"図面番号", "page"},
                                         {u8"改訂履歴", "rev"},      {u8"図面種類", "type"},
                                         {u8"ファイル名", "name"},   {u8"図面名", "title"}};

constexpr const char kBom[] = "\xEF\xBB\xBF";
// A register's sheet is a few lines per drawing; anything far larger is no sheet.
constexpr ULONGLONG kMostBytes = 64ull << 20;

std::string Lower(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::optional<Column> ColumnNamed(const std::string& heading) {
  for (int c = 0; c < kColumns; ++c) {
    if (heading == Utf8(kHeadings[c].grid) || Lower(heading) == kHeadings[c].key)
      return static_cast<Column>(c);
  }
  return std::nullopt;
}

std::string FileBytes(const std::string& path, const std::string& what) {
  CFile file;
  CFileException error(CFileException::none, 0, CString());
  if (!file.Open(ToCodePage(path, what),
                 CFile::modeRead | CFile::shareDenyNone | CFile::modeFollowLink, &error)) {
    throw UsageError(what + ": " +
                     (error.m_cause == CFileException::notRegularFile
                          ? std::string("not a regular file")
                          : SystemReason(error.m_lOsError)));
  }
  try {
    const ULONGLONG length = file.GetLength();
    if (length > kMostBytes) throw UsageError(what + ": larger than a sheet can be (64 MiB)");
    std::string bytes(static_cast<size_t>(length), '\0');
    bytes.resize(file.Read(bytes.data(), static_cast<UINT>(bytes.size())));
    return bytes;
  } catch (const CFileException& e) {
    throw UsageError(what + ": " + SystemReason(e.m_lOsError));
  }
}

// The records of the sheet with every cell in UTF-8.
std::vector<CsvRecord> Records(std::string bytes, const std::string& what) {
  if (bytes.compare(0, 3, kBom) == 0) bytes.erase(0, 3);
  const bool utf8 = IsUtf8(bytes);
  std::vector<CsvRecord> records;
  // Code page 932 is read as it is: its second bytes are never a comma, quote or line end.
  if (const int broken = ReadCsv(bytes, records); broken > 0) {
    throw UsageError(what + ": line " + std::to_string(broken) +
                     ": a quote out of place or not closed");
  }
  for (CsvRecord& record : records) {
    for (std::string& cell : record.cells) {
      if (utf8 || afx::TryToUtf8(CString(cell), cell)) continue;
      throw UsageError(what + ": line " + std::to_string(record.line) +
                       ": text that is neither UTF-8 nor code page 932");
    }
  }
  return records;
}

using Columns = std::vector<Column>;  // the column of each cell, by position

Columns HeaderColumns(const CsvRecord& header, const std::string& what) {
  Columns columns;
  bool seen[kColumns] = {};
  for (const std::string& heading : header.cells) {
    const std::optional<Column> column = ColumnNamed(heading);
    std::string why;
    if (!column) why = "'" + Printable(heading) + "' is no column of the sheet";
    if (column && seen[*column]) why = "column '" + Printable(heading) + "' is there twice";
    if (!why.empty()) throw UsageError(what + ": line " + std::to_string(header.line) + ": " + why);
    seen[*column] = true;
    columns.push_back(*column);
  }
  if (!seen[kFile]) {
    throw UsageError(what + ": line " + std::to_string(header.line) +
                     Utf8(u8": no column 元ファイル名 (file) naming each row's file"));
  }
  return columns;
}

// One field's cell: checked as the record would take it, then kept in code page 932.
void TakeField(std::optional<CString>& field, const std::string& cell, const std::string& why,
               const std::string& where) {
  if (cell.empty()) return;
  if (!why.empty()) throw UsageError(where + why);
  field = ToCodePage(cell, where);
}

SheetRow RowOf(const CsvRecord& record, const Columns& columns, const CStdDraftMgr& draft,
               NamingEdition edition, const std::string& what) {
  const std::string where = what + ": line " + std::to_string(record.line) + ": ";
  if (record.cells.size() != columns.size()) {
    throw UsageError(where + std::to_string(record.cells.size()) + " cells where the header has " +
                     std::to_string(columns.size()));
  }
  SheetRow row;
  row.line = record.line;
  NameFields& f = row.fields;
  for (size_t c = 0; c < columns.size(); ++c) {
    const std::string& cell = record.cells[c];
    switch (columns[c]) {
      case kFile:
        if (cell.empty()) throw UsageError(where + "no file name");
        row.file = ToCodePage(cell, where + "the file name");
        break;
      case kLife:
        TakeField(f.life, cell, CheckLife(cell), where);
        break;
      case kRef:
        TakeField(f.ref, cell, CheckReference(cell), where);
        break;
      case kPage:
        TakeField(f.page, cell, CheckPage(cell), where);
        break;
      case kRev:
        TakeField(f.rev, cell, CheckRevision(cell), where);
        break;
      case kType:
        TakeField(f.type, cell, CheckType(cell, draft), where);
        break;
      case kTitle:
        if (!cell.empty() && edition != NamingEdition::k2017)
          throw UsageError(where + Utf8(u8"図面名 (title): names have no user-defined part in the "
                                        u8"register's naming edition (2004)"));
        TakeField(f.title, cell, CheckTitle(cell), where);
        break;
      default:  // the deliverable name follows from the fields
        break;
    }
  }
  return row;
}

bool AllEmpty(const CsvRecord& record) {
  for (const std::string& cell : record.cells)
    if (!cell.empty()) return false;
  return true;
}

}  // namespace

Sheet Sheet::Read(const std::string& path, const CStdDraftMgr& draft, NamingEdition edition) {
  Sheet sheet;
  sheet.name_ = "--sheet " + Printable(path);
  const std::vector<CsvRecord> records = Records(FileBytes(path, sheet.name_), sheet.name_);
  if (records.empty()) throw UsageError(sheet.name_ + ": no header row");
  const Columns columns = HeaderColumns(records[0], sheet.name_);
  for (size_t r = 1; r < records.size(); ++r) {
    // Spreadsheets write rows of empty cells below the data.
    if (AllEmpty(records[r])) continue;
    SheetRow row = RowOf(records[r], columns, draft, edition, sheet.name_);
    if (const SheetRow* first = sheet.Find(row.file)) {
      throw UsageError(sheet.name_ + ": line " + std::to_string(row.line) + ": a second row for " +
                       Printable(row.file) + " (the first is line " + std::to_string(first->line) +
                       ")");
    }
    sheet.rows_.push_back(std::move(row));
  }
  return sheet;
}

std::vector<CString> Sheet::Match(const std::vector<CString>& files) const {
  std::vector<CString> names;
  for (const CString& path : files)
    names.push_back(path.Mid(path.ReverseFind('/') + 1));
  for (const SheetRow& row : rows_) {
    bool found = false;
    for (size_t i = 0; i < names.size() && !found; ++i)
      found = row.file.CompareNoCase(files[i]) == 0 || row.file.CompareNoCase(names[i]) == 0;
    if (!found) {
      throw UsageError(name_ + ": line " + std::to_string(row.line) + ": " + Printable(row.file) +
                       " is none of the files given");
    }
  }
  std::vector<CString> without_row;
  for (size_t i = 0; i < names.size(); ++i)
    if (!Find(files[i]) && !Find(names[i])) without_row.push_back(files[i]);
  return without_row;
}

const SheetRow* Sheet::Find(const CString& file_name) const {
  for (const SheetRow& row : rows_)
    if (row.file.CompareNoCase(file_name) == 0) return &row;
  return nullptr;
}

bool Sheet::Write(const CDrawingFolder& folder, NamingEdition edition, std::string& out,
                  std::string& why) {
  CsvWriter csv;
  const int columns = edition == NamingEdition::k2017 ? kColumns : kTitle;
  std::vector<std::string> cells;
  for (int c = 0; c < columns; ++c)
    cells.push_back(Utf8(kHeadings[c].grid));
  csv.Row(cells);
  for (int i = 0; i < folder.GetFileCount(); ++i) {
    const CDrawingFile& file = *folder.GetFile(i);
    const bool typed = file.GetTypeInfo().fieldNo >= 0 && file.GetTypeInfo().no >= 0;
    const CString fields[kColumns] = {
        file.Name(1), file.Life(),    file.Arrangement(),
        file.Page(),  file.History(), typed ? file.GetTypeInfo().code : CString(),
        file.Name(0), file.Title()};
    for (int c = 0; c < columns; ++c) {
      if (!afx::TryToUtf8(fields[c], cells[c])) {
        why = Printable(file.Name(1)) + ": not code page 932 text";
        return false;
      }
    }
    csv.Row(cells);
  }
  out = csv.Utf8Sheet();
  return true;
}

}  // namespace host

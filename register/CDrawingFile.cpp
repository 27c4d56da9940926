#include "register/CDrawingFile.h"

#include <charconv>
#include <climits>
#include <string>
#include <string_view>

#include "framework/Decimal.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/FolderPath.h"

namespace {

constexpr char kFieldEnd = '\t';
constexpr int kLineFields = 8;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// One character of 0-9 or A-Z: the form of a reference number and of a revision.
bool IsSerialCharacter(const CString& s) {
  if (s.GetLength() != 1) return false;
  const char c = s[0];
  return IsDigit(c) || (c >= 'A' && c <= 'Z');
}

CString OrPlaceholder(const CString& field, const char* placeholder) {
  return field.IsEmpty() ? CString(placeholder) : field;
}

}  // namespace

CDrawingFile::CDrawingFile(const CDrawingFile& src)
    : name_(src.name_),
      type_(src.type_),
      life_(src.life_),
      arrangement_(src.arrangement_),
      page_(src.page_),
      history_(src.history_) {}

CDrawingFile& CDrawingFile::operator=(const CDrawingFile& src) {
  if (this == &src) return *this;
  // The parent link stays: the target is still held by its own folder.
  name_ = src.name_;
  type_ = src.type_;
  life_ = src.life_;
  arrangement_ = src.arrangement_;
  page_ = src.page_;
  history_ = src.history_;
  return *this;
}

CDrawingFile* CDrawingFile::Clone() const {
  return new CDrawingFile(*this);
}

CString CDrawingFile::GetFilePath(const CEnvironObj& env, int full) const {
  const CString name = Name(full);
  if (!parent_) return name;
  CString path = FolderPathOf(*parent_, env);
  env.AddFileName(path, name);
  return path;
}

CString CDrawingFile::Name(int source) const {
  if (source) return name_;
  CString name = OrPlaceholder(life_, "?");
  name += OrPlaceholder(arrangement_, "?");
  name += (type_.fieldNo < 0 || type_.no < 0) ? CString("??") : type_.code;
  name += OrPlaceholder(page_, "???");
  name += OrPlaceholder(history_, "?");
  const int dot = name_.ReverseFind('.');
  if (dot >= 0) name += name_.Mid(dot);
  return name;
}

int CDrawingFile::Name(const CString& name) {
  name_ = name;
  return 1;
}

void CDrawingFile::SetTypeInfo(const DrawingTypeInfo& type) {
  type_ = type;
}

int CDrawingFile::Life(const CString& life) {
  const std::string& s = life.Bytes();
  if (s != "S" && s != "D" && s != "C" && s != "M") return 0;
  life_ = life;
  return 1;
}

int CDrawingFile::Arrangement(const CString& arrangement) {
  if (!IsSerialCharacter(arrangement)) return 0;
  arrangement_ = arrangement;
  return 1;
}

int CDrawingFile::History(const CString& history) {
  if (!IsSerialCharacter(history)) return 0;
  history_ = history;
  return 1;
}

int CDrawingFile::Page(const CString& page) {
  const int length = page.GetLength();
  if (length < 1 || length > 3) return 0;
  int value = 0;
  for (int i = 0; i < length; ++i) {
    if (!IsDigit(page[i])) return 0;
    value = value * 10 + (page[i] - '0');
  }
  if (value < 1) return 0;
  page_.Format("%03d", value);
  return 1;
}

CString CDrawingFile::ToString() const {
  std::string line;
  AppendLine(line);
  return CString(line);
}

void CDrawingFile::AppendLine(std::string& out) const {
  // Field by field rather than through Format, so that every byte of a field is kept.
  const auto text = [&](const CString& field) {
    out.append(field.Bytes());
    out.push_back(kFieldEnd);
  };
  const auto number = [&](int value) {
    char digits[12];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    out.push_back(kFieldEnd);
  };
  text(name_);
  text(life_);
  text(arrangement_);
  number(type_.fieldNo);
  number(type_.no);
  text(type_.code);
  text(page_);
  text(history_);
}

int CDrawingFile::Parse(const CString& line) {
  // The line's own length bounds the walk: a field may hold any byte, NUL included.
  const std::string_view bytes(line.Bytes());
  std::string_view fields[kLineFields];
  size_t start = 0;
  for (int n = 0; n < kLineFields; ++n) {
    const size_t end = bytes.find(kFieldEnd, start);
    if (end == std::string_view::npos) return 0;
    fields[n] = bytes.substr(start, end - start);
    start = end + 1;
  }
  name_ = CString(fields[0]);
  life_ = CString(fields[1]);
  arrangement_ = CString(fields[2]);
  type_.fieldNo = afx::DecimalValue(fields[3]);
  type_.no = afx::DecimalValue(fields[4]);
  type_.code = CString(fields[5]);
  page_ = CString(fields[6]);
  history_ = CString(fields[7]);
  return 1;
}

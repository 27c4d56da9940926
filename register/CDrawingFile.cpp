#include "register/CDrawingFile.h"

#include <charconv>
#include <climits>
#include <string>
#include <string_view>

#include "framework/Decimal.h"
#include "framework/Mbcs.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/FolderPath.h"

namespace {

constexpr char kFieldEnd = '\t';
constexpr int kLineFields = 8;
// The number of fields in a line that carries the user-defined part.
constexpr int kTitledLineFields = kLineFields + 1;

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

bool IsTrailByte(unsigned char c) {
  return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// Characters in text, a double-byte one counted once; -1 when one of them is neither a
// double-byte character of code page 932 nor a half-width A-Z or 0-9.
int TitleCharacters(const CString& text) {
  const std::string& bytes = text.Bytes();
  int count = 0;
  for (size_t i = 0; i < bytes.size(); ++count) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (afx::IsLeadByte(c)) {
      if (i + 1 >= bytes.size() || !IsTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
        return -1;
      }
      i += 2;
    } else if (IsDigit(bytes[i]) || (c >= 'A' && c <= 'Z')) {
      ++i;
    } else {
      return -1;
    }
  }
  // A pair of the right byte ranges that code page 932 leaves unassigned is no character.
  std::string utf8;
  return afx::TryToUtf8(text, utf8) ? count : -1;
}

// Characters of a name of any bytes, a double-byte one counted once.
int CharacterCount(const CString& text) {
  const std::string& bytes = text.Bytes();
  const char* p = bytes.data();
  const char* end = p + bytes.size();
  int count = 0;
  for (; p < end; p += afx::CharLength(p, end))
    ++count;
  return count;
}

}  // namespace

CDrawingFile::CDrawingFile(const CDrawingFile& src)
    : name_(src.name_),
      type_(src.type_),
      life_(src.life_),
      arrangement_(src.arrangement_),
      page_(src.page_),
      history_(src.history_),
      title_(src.title_),
      naming_(src.naming_) {}

CDrawingFile& CDrawingFile::operator=(const CDrawingFile& src) {
  if (this == &src) return *this;
  // The parent link stays: the target is still held by its own folder.
  name_ = src.name_;
  type_ = src.type_;
  life_ = src.life_;
  arrangement_ = src.arrangement_;
  page_ = src.page_;
  history_ = src.history_;
  title_ = src.title_;
  naming_ = src.naming_;
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

CString CDrawingFile::Name(int source, NamingEdition edition) const {
  if (source) return name_;
  const CString life = OrPlaceholder(life_, "?");
  const CString arrangement = OrPlaceholder(arrangement_, "?");
  const CString type = (type_.fieldNo < 0 || type_.no < 0) ? CString("??") : type_.code;
  const CString page = OrPlaceholder(page_, "???");
  const CString history = OrPlaceholder(history_, "?");
  CString name;
  if (edition == NamingEdition::k2017) {
    name = page + life + arrangement + type + history;
    if (!title_.IsEmpty()) name += CString("-") + title_;
  } else {
    name = life + arrangement + type + page + history;
  }
  return name + Extension();
}

CString CDrawingFile::Extension() const {
  const int dot = name_.ReverseFind('.');
  return dot >= 0 ? name_.Mid(dot) : CString();
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

int CDrawingFile::Title(const CString& title) {
  const int characters = TitleCharacters(title);
  if (characters < 0 || characters > kTitleLimit) return 0;
  // The eight characters of the fields, the hyphen, the part and the extension; no part at
  // all is always allowed.
  if (characters > 0 && 8 + 1 + characters + CharacterCount(Extension()) > kNameLimit) return 0;
  title_ = title;
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
  // Without a user-defined part the line is exactly what every earlier version writes.
  if (!title_.IsEmpty()) text(title_);
}

int CDrawingFile::Parse(const CString& line) {
  // The line's own length bounds the walk: a field may hold any byte, NUL included.
  const std::string_view bytes(line.Bytes());
  std::string_view fields[kTitledLineFields];
  size_t start = 0;
  for (int n = 0; n < kTitledLineFields; ++n) {
    const size_t end = bytes.find(kFieldEnd, start);
    if (end == std::string_view::npos) {
      if (n < kLineFields) return 0;
      break;
    }
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
  title_ = CString(fields[8]);
  return 1;
}

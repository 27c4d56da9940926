#include "register/CDrawingFile.h"

#include "register/CDrawingFolder.h"

#include <algorithm>

#include <charconv>
#include <climits>
#include <cstring>
#include <string>
#include <string_view>

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

// The C library's atoi over a field that may hold any bytes: white space skipped, an optional
// sign, then digits up to the first other byte. Saturates instead of overflowing.
int DecimalValue(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<int>(value);
}

// Copies n bytes from s to p. The fields of a record are mostly one to a few bytes long, for
// which a call to the C library's copy costs more than the copy: they are moved in two
// overlapping pieces of fixed size instead, never reading outside [s, s + n).
inline char* CopyField(char* p, const char* s, size_t n) {
  if (n >= 16) {
    std::memcpy(p, s, n);
  } else if (n >= 8) {
    std::memcpy(p, s, 8);
    std::memcpy(p + n - 8, s + n - 8, 8);
  } else if (n >= 4) {
    std::memcpy(p, s, 4);
    std::memcpy(p + n - 4, s + n - 4, 4);
  } else if (n > 0) {
    p[0] = s[0];
    p[n / 2] = s[n / 2];
    p[n - 1] = s[n - 1];
  }
  return p + n;
}

}  // namespace

CDrawingFile::CDrawingFile(const CDrawingFile& src)
    : name_(src.name_),
      type_(src.type_),
      life_(src.life_),
      arrangement_(src.arrangement_),
      page_(src.page_),
      history_(src.history_) {}

// The owning folder keeps the size of its information file up to date from these reports, so
// that a save can reserve its room without reading every record first. The report is made
// even when the change stops half way on an exception.
template <typename Change>
int CDrawingFile::Changing(Change change) {
  if (!parent_) return change();
  struct Report {
    const CDrawingFile& file;
    const size_t before;
    ~Report() { file.parent_->RecordLineChanged(before, file.LineLength()); }
  } report{*this, LineLength()};
  return change();
}

CDrawingFile& CDrawingFile::operator=(const CDrawingFile& src) {
  if (this == &src) return *this;
  // The parent link stays: the target is still held by its own folder.
  Changing([&] {
    name_ = src.name_;
    type_ = src.type_;
    life_ = src.life_;
    arrangement_ = src.arrangement_;
    page_ = src.page_;
    history_ = src.history_;
    return 1;
  });
  return *this;
}

CDrawingFile* CDrawingFile::Clone() const {
  return new CDrawingFile(*this);
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
  return Changing([&] {
    name_ = name;
    return 1;
  });
}

void CDrawingFile::SetTypeInfo(const DrawingTypeInfo& type) {
  Changing([&] {
    type_ = type;
    return 1;
  });
}

int CDrawingFile::Life(const CString& life) {
  const std::string& s = life.Bytes();
  if (s != "S" && s != "D" && s != "C" && s != "M") return 0;
  return Changing([&] {
    life_ = life;
    return 1;
  });
}

int CDrawingFile::Arrangement(const CString& arrangement) {
  if (!IsSerialCharacter(arrangement)) return 0;
  return Changing([&] {
    arrangement_ = arrangement;
    return 1;
  });
}

int CDrawingFile::History(const CString& history) {
  if (!IsSerialCharacter(history)) return 0;
  return Changing([&] {
    history_ = history;
    return 1;
  });
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
  return Changing([&] {
    page_.Format("%03d", value);
    return 1;
  });
}

CString CDrawingFile::ToString() const {
  std::string line;
  AppendLine(line);
  return CString(line);
}

namespace {

// The number of characters "%d" writes for value.
size_t DecimalLength(int value) {
  size_t length = value < 0 ? 2 : 1;
  unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
  while (magnitude >= 10) {
    magnitude /= 10;
    ++length;
  }
  return length;
}

}  // namespace

size_t CDrawingFile::LineLength() const {
  size_t length = kLineFields;  // the closing TABs
  for (const CString* field : {&name_, &life_, &arrangement_, &type_.code, &page_, &history_}) {
    length += static_cast<size_t>(field->GetLength());
  }
  return length + DecimalLength(type_.fieldNo) + DecimalLength(type_.no);
}

void CDrawingFile::AppendLine(std::string& out) const {
  const size_t at = out.size();
  out.resize(at + LineLength());
  WriteLine(out.data() + at);
}

char* CDrawingFile::WriteLine(char* p) const {
  // Written field by field rather than through Format, so that every byte of a field is kept
  // (NUL included), straight into the caller's buffer: a folder writes one line per record.
  const auto text = [&](const CString& field) {
    p = CopyField(p, field.GetString(), static_cast<size_t>(field.GetLength()));
    *p++ = kFieldEnd;
  };
  const auto number = [&](int value) {
    if (value >= 0 && value < 10) {
      *p++ = static_cast<char>('0' + value);
    } else {
      p = std::to_chars(p, p + 11, value).ptr;
    }
    *p++ = kFieldEnd;
  };
  text(name_);
  text(life_);
  text(arrangement_);
  number(type_.fieldNo);
  number(type_.no);
  text(type_.code);
  text(page_);
  text(history_);
  return p;
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
  return Changing([&] {
    name_ = CString(fields[0]);
    life_ = CString(fields[1]);
    arrangement_ = CString(fields[2]);
    type_.fieldNo = DecimalValue(fields[3]);
    type_.no = DecimalValue(fields[4]);
    type_.code = CString(fields[5]);
    page_ = CString(fields[6]);
    history_ = CString(fields[7]);
    return 1;
  });
}

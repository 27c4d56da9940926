#include "hostlibs/stddraft/StdDraftFileReader.h"

#include <cstring>

#include "framework/CFile.h"

namespace {

// Length of the UTF-8 sequence that starts at p, or 0 when it is not a valid one (a stray
// continuation byte, a cut sequence, an overlong form, a surrogate, or past U+10FFFF).
size_t Utf8SequenceLength(std::string_view text, size_t p) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char c = byte(p);
  if (c < 0x80) return 1;
  size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
  if (n == 0 || c > 0xF4 || p + n > text.size()) return 0;
  for (size_t i = 1; i < n; ++i) {
    if ((byte(p + i) & 0xC0) != 0x80) return 0;
  }
  const unsigned char d = byte(p + 1);
  if ((c == 0xE0 && d < 0xA0) || (c == 0xED && d >= 0xA0)) return 0;  // overlong, surrogate
  if ((c == 0xF0 && d < 0x90) || (c == 0xF4 && d >= 0x90)) return 0;  // overlong, too large
  return n;
}

bool IsValidUtf8(std::string_view text) {
  for (size_t p = 0; p < text.size();) {
    const size_t n = Utf8SequenceLength(text, p);
    if (n == 0) return false;
    p += n;
  }
  return true;
}

bool HasControlCharacter(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  }
  return false;
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> columns;
  for (size_t start = 0;;) {
    const size_t tab = line.find('\t', start);
    columns.push_back(TrimSpaces(line.substr(start, tab - start)));
    if (tab == std::string_view::npos) return columns;
    start = tab + 1;
  }
}

bool IsBlankOrComment(std::string_view line) {
  const size_t first = line.find_first_not_of(" \t");
  return first == std::string_view::npos || line[first] == '#';
}

// For messages: the text as the user wrote it, in code page 932.
CString Shown(std::string_view utf8) {
  return afx::FromUtf8(utf8);
}

// The code point of the UTF-8 sequence at p (which is valid).
unsigned CodePointAt(std::string_view text, size_t p, size_t length) {
  const auto c = static_cast<unsigned char>(text[p]);
  unsigned value = length == 1 ? c : c & (0x7Fu >> length);
  for (size_t i = 1; i < length; ++i)
    value = (value << 6) | (static_cast<unsigned char>(text[p + i]) & 0x3Fu);
  return value;
}

// The first character of valid UTF-8 text that code page 932 cannot hold, or 0 for none.
unsigned FirstCharacterNotInCp932(std::string_view text) {
  CString ignored;
  for (size_t p = 0; p < text.size();) {
    const size_t n = Utf8SequenceLength(text, p);
    if (!afx::TryFromUtf8(text.substr(p, n), ignored)) return CodePointAt(text, p, n);
    p += n;
  }
  return 0;
}

}  // namespace

bool StdDraftFileReader::Fail(const CString& message) {
  if (line_ > 0) {
    error_.Format("%s:%d: %s", path_.GetString(), line_, message.GetString());
  } else {
    error_.Format("%s: %s", path_.GetString(), message.GetString());
  }
  return false;
}

bool StdDraftFileReader::ReadBytes(std::string& bytes) {
  CFile file;
  CFileException error(CFileException::none, 0, path_);
  if (!file.Open(path_, CFile::modeRead | CFile::shareDenyWrite | CFile::modeFollowLink, &error)) {
    CString message = "cannot open the catalogue file";
    if (error.m_cause == CFileException::sharingViolation) {
      message += ": another program holds it locked";
    } else if (error.m_cause == CFileException::notRegularFile) {
      message += ": not a regular file";
    } else if (error.m_lOsError) {
      message = message + ": " + std::strerror(error.m_lOsError);
    }
    return Fail(message);
  }
  try {
    // Counted while reading, so that a device that never ends is refused too.
    char buffer[8192];
    while (const UINT got = file.Read(buffer, sizeof buffer)) {
      bytes.append(buffer, got);
      if (bytes.size() > kMaxFileSize) return Fail("the file is too large for a catalogue");
    }
  } catch (const CFileException&) {
    return Fail("cannot read the catalogue file");
  }
  return true;
}

bool StdDraftFileReader::Read(StdDraftCatalogue& catalogue) {
  std::string bytes;
  if (!ReadBytes(bytes)) return false;
  std::string_view rest(bytes);
  if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
  while (!rest.empty()) {
    ++line_;
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!ParseLine(line, catalogue)) return false;
  }
  line_ = 0;
  if (catalogue.GetTypeCnt() == 0) return Fail("the catalogue lists no drawing types");
  return true;
}

bool StdDraftFileReader::ParseLine(std::string_view line, StdDraftCatalogue& catalogue) {
  if (!IsValidUtf8(line)) return Fail("the line is not valid UTF-8");
  if (IsBlankOrComment(line)) return true;
  const std::vector<std::string_view> columns = SplitTabs(line);
  if (columns[0] == "field") return ParseField(columns, catalogue);
  if (columns[0] == "type") return ParseType(columns, catalogue);
  return Fail("expected a line starting with \"field\" or \"type\" and a tab, found \"" +
              Shown(columns[0]) + "\"");
}

bool StdDraftFileReader::ParseField(const std::vector<std::string_view>& columns,
                                    StdDraftCatalogue& catalogue) {
  if (columns.size() != 3) {
    CString message;
    message.Format("expected 3 tab-separated columns (field, number, name), found %zu",
                   columns.size());
    return Fail(message);
  }
  int no = 0;
  CString name, error;
  if (!ParseNumber(columns[1], "field number", no) || !ParseName(columns[2], name)) return false;
  return catalogue.AddField(no, name, line_, error) || Fail(error);
}

bool StdDraftFileReader::ParseType(const std::vector<std::string_view>& columns,
                                   StdDraftCatalogue& catalogue) {
  if (columns.size() != 5) {
    CString message;
    message.Format(
        "expected 5 tab-separated columns (type, field number, type number, code, name), "
        "found %zu",
        columns.size());
    return Fail(message);
  }
  int field = 0, no = 0;
  CString code, name, error;
  if (!ParseNumber(columns[1], "field number", field) ||
      !ParseNumber(columns[2], "type number", no) || !ParseCode(columns[3], code) ||
      !ParseName(columns[4], name)) {
    return false;
  }
  return catalogue.AddType(field, no, code, name, line_, error) || Fail(error);
}

bool StdDraftFileReader::ParseNumber(std::string_view text, const char* what, int& number) {
  int value = 0;
  bool ok = !text.empty() && text.size() <= 4;
  for (const char c : text) {
    ok = ok && c >= '0' && c <= '9';
    value = value * 10 + (c - '0');
  }
  if (!ok) {
    CString message;
    message.Format("the %s \"%s\" is not a number from 0 to %d", what, Shown(text).GetString(),
                   kMaxNumber);
    return Fail(message);
  }
  number = value;
  return true;
}

bool StdDraftFileReader::ParseCode(std::string_view text, CString& code) {
  const auto allowed = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); };
  if (text.size() != 2 || !allowed(text[0]) || !allowed(text[1])) {
    return Fail("the code \"" + Shown(text) +
                "\" is not two upper-case ASCII letters or digits (A-Z, 0-9)");
  }
  code = CString(text);
  return true;
}

bool StdDraftFileReader::ParseName(std::string_view text, CString& name) {
  if (text.empty()) return Fail("the name is empty");
  if (HasControlCharacter(text)) return Fail("the name holds a control character");
  if (afx::TryFromUtf8(text, name)) return true;
  CString message;
  message.Format("the name holds the character U+%04X, which code page 932 cannot hold",
                 FirstCharacterNotInCp932(text));
  return Fail(message);
}

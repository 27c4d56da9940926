// The link box's XML file: writing it, reading it back, and the file-time guard that keeps a
// box from overwriting a file that someone changed since the box last read or wrote it.
#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/CFile.h"
#include "framework/CMemFile.h"
#include "framework/FileSystem.h"
#include "hostlibs/xmlfile/CXmlFileAutoPtr.h"
#include "hostlibs/xmlfile/CXmlFileDoc.h"
#include "hostlibs/xmlfile/CXmlFileElm.h"
#include "hostlibs/xmlfile/CXmlFileElms.h"
#include "hostlibs/xmlfile/CXmlFileReader.h"
#include "hostlibs/xmlfile/CXmlFileWriter.h"
#include "hostlibs/xmlfile/XmlTagReader.h"
#include "templates/TovoLinkBox.h"

namespace {

// The names begin with a line feed so that the writer puts their tags on lines of their own;
// reading passes the very same names.
constexpr const char* kRootName = "\nTovoLinkBox";
constexpr const char* kLinksName = "\nLinks";
constexpr const char* kDeletedLinksName = "\nDeletedLinks";
constexpr const char* kLinkName = "Link";

// The newest file version this box writes and reads: major * 256 + minor.
constexpr unsigned kFileVersion = 0x100;

// Versions are written "%X.%02X" and read as two hexadecimal numbers, of which only the low
// bytes count, as they always have.
bool IsReadableVersion(const CString& text) {
  const char* p = text.GetString();
  char* end = nullptr;
  const unsigned long major = std::strtoul(p, &end, 16);
  if (end == p || *end != '.') return false;
  p = end + 1;
  const unsigned long minor = std::strtoul(p, &end, 16);
  if (end == p) return false;
  return (major & 0xFF) * 256 + (minor & 0xFF) <= kFileVersion;
}

// A group number is the unsigned 32-bit value of the leading digits; none gives 0, and
// more than 32 bits hold stays at the largest value.
int ParseGroupNo(std::string_view text) {
  std::uint64_t value = 0;
  for (size_t i = 0; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + static_cast<unsigned>(text[i] - '0');
    if (value > UINT32_MAX) value = UINT32_MAX;
  }
  return static_cast<int>(static_cast<std::uint32_t>(value));
}

// A data number is a signed decimal number, kept within what an int holds, read as strtoll
// reads it: after leading whitespace, with an optional sign; no digits give 0.
int ParseDataNo(std::string_view text) {
  // Nine digits and nothing else, the usual number, cannot pass what an int holds.
  if (!text.empty() && text.size() <= 9) {
    int value = 0;
    size_t digits = 0;
    for (; digits < text.size() && text[digits] >= '0' && text[digits] <= '9'; ++digits)
      value = value * 10 + (text[digits] - '0');
    if (digits == text.size()) return value;
  }
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
    ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  constexpr long long kBeyond = INT_MAX + 1LL;  // as far as a number needs to grow
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min(value * 10 + (text[i] - '0'), kBeyond);
  }
  if (negative) return static_cast<int>(std::max(-value, static_cast<long long>(INT_MIN)));
  return static_cast<int>(std::min(value, static_cast<long long>(INT_MAX)));
}

// The attributes of a Link element, in the order they are written; the first five are
// required.
enum LinkAttr { kName, kDispName, kGroupNo, kFolName, kExtension, kNo, kAddText, kLinkAttrs };
constexpr const char* kLinkAttrNames[kLinkAttrs] = {"Name",      "DispName", "GroupNo", "FolName",
                                                    "Extension", "No",       "AddText"};
constexpr unsigned long kRequiredLinkAttrs = (1UL << kNo) - 1;

// The attributes of one Link element into values; a mask with bit i set for each
// kLinkAttrNames[i] found, the values of the others left as they were.
unsigned long ReadLinkAttrs(const CXmlFileElm& elm, std::string_view (&values)[kLinkAttrs]) {
  return elm.GetAttrs(kLinkAttrNames, kLinkAttrs, values);
}

CString Decimal(long long value) {
  char text[24];
  const auto result = std::to_chars(text, text + sizeof text - 1, value);
  *result.ptr = '\0';
  return CString(text);
}

}  // namespace

// ---- Writing ----

void TovoLinkBox::WriteLinks(CXmlFileWriter& writer, const char* name, const TovoItemBuff& links) {
  writer.WriteOpenTag(name, nullptr);
  CString attrs;
  for (int i = 0; i < links.GetCnt(); ++i) {
    const TovoLink* link = DYNAMIC_DOWNCAST(TovoLink, links.GetItem(i));
    if (!link) continue;
    attrs.Empty();
    CXmlFileWriter::AddAttrStr(attrs, "Name", link->Name());
    CXmlFileWriter::AddAttrStr(attrs, "DispName", link->DispName());
    // The group number is written as its unsigned 32-bit value.
    const auto group = static_cast<std::uint32_t>(link->GetLinkInfo().GroupNo);
    CXmlFileWriter::AddAttrStr(attrs, "GroupNo", Decimal(group));
    CXmlFileWriter::AddAttrStr(attrs, "FolName", link->GetLinkInfo().FolName);
    CXmlFileWriter::AddAttrStr(attrs, "Extension", link->GetExtension());
    CXmlFileWriter::AddAttrStr(attrs, "No", Decimal(link->GetDataNo()));
    CXmlFileWriter::AddAttrStr(attrs, "AddText", link->GetAddText());
    writer.WriteSingleTag(kLinkName, attrs);
  }
  writer.WriteCloseTag(name);
}

void TovoLinkBox::WriteDoc(CXmlFileWriter& writer) const {
  writer.WriteBeginDtd(nullptr, nullptr, 0);
  writer.WriteEndDtd();
  CString version;
  version.Format("%X.%02X", kFileVersion >> 8, kFileVersion & 0xFF);
  CString attrs;
  CXmlFileWriter::AddAttrStr(attrs, "Version", version);
  CXmlFileWriter::AddAttrStr(attrs, "Name", Name());
  CXmlFileWriter::AddAttrStr(attrs, "DispName", DispName());
  writer.WriteBeginDoc(attrs);
  WriteLinks(writer, kLinksName, links_);
  WriteLinks(writer, kDeletedLinksName, deleted_);
  writer.WriteEndDoc();
  writer.WriteEndFile();
}

int TovoLinkBox::Save(const char* path) {
  CFileStatus status;
  if (file_time_ != 0 && afx::GetFileStatus(path, status) && status.m_mtime > file_time_) {
    return -1;
  }
  try {
    // The whole text is made before the file is touched, and the disk room is taken before
    // the old text is overwritten, so a failure leaves the previous file as it was.
    CMemFile text;
    CXmlFileWriter writer;
    writer.WriteBeginFile(text, kRootName, 1);
    WriteDoc(writer);
    const std::string_view bytes = text.Contents();
    CFile file(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite |
                         CFile::shareExclusive);
    file.Reserve(bytes.size());
    for (size_t done = 0; done < bytes.size();) {
      const size_t piece = std::min<size_t>(bytes.size() - done, 1u << 30);
      file.Write(bytes.data() + done, static_cast<UINT>(piece));
      done += piece;
    }
    file.SetLength(bytes.size());
    file.Close();
  } catch (const CException&) {
    return 0;
  } catch (const std::bad_alloc&) {
    return 0;
  }
  file_time_ = afx::GetFileStatus(path, status) ? status.m_mtime : 0;
  return 1;
}

// ---- Reading ----

int TovoLinkBox::Load(const char* path) {
  Clear();
  if (_Load(path)) return 1;
  Clear();
  return 0;
}

int TovoLinkBox::_Load(const char* path) {
  // The time is taken before the file is read: should someone write it meanwhile, the box
  // then holds an older time and refuses to overwrite that change.
  CFileStatus status;
  if (!path || !afx::GetFileStatus(path, status)) return 0;
  CXmlFileReader reader;
  CXmlFileAutoPtr<CXmlFileDoc> doc(reader.GetDoc());
  if (!doc || !doc->ReadUrl(path)) return 0;
  // A file as Save writes it is read from its text, tag by tag: a box of many links loads in
  // a fraction of the time that building the document's tree takes. Any other is parsed.
  if (!ReadTags(doc->GetText()) && !(doc->ParseText() && ReadDoc(*doc))) return 0;
  file_time_ = status.m_mtime;
  return 1;
}

int TovoLinkBox::ReadDoc(const CXmlFileDoc& doc) {
  CXmlFileAutoPtr<CXmlFileElm> root(doc.GetRoot());
  if (!root || !root->IsSameTagName(kRootName)) return 0;
  CString value;
  if (!root->GetAttr("Version", value) || !IsReadableVersion(value)) return 0;
  if (!root->GetAttr("Name", value)) return 0;
  Name(value);
  if (!root->GetAttr("DispName", value)) return 0;
  DispName(value);
  CXmlFileAutoPtr<CXmlFileElms> children(root->GetChildren());
  if (!children) return 0;
  return ReadLinks(*children, kLinksName, links_) &&
         ReadLinks(*children, kDeletedLinksName, deleted_);
}

int TovoLinkBox::ReadLinks(const CXmlFileElms& children, const char* name, TovoItemBuff& into) {
  CXmlFileAutoPtr<CXmlFileElm> list(children.FindAnElm(name));
  if (!list) return 0;
  CXmlFileAutoPtr<CXmlFileElms> elms(list->GetChildren());
  if (!elms) return 1;
  ReadLinkList read;
  read.links.reserve(static_cast<size_t>(elms->GetCount()));
  TovoLinkPool pool(static_cast<size_t>(elms->GetCount()), sizeof(TovoLink));
  long position = 0;
  // One element object serves the whole list, pointed at each Link in turn.
  CXmlFileAutoPtr<CXmlFileElm> elm(elms->FindElm(kLinkName, position));
  std::string_view values[kLinkAttrs];
  for (bool more = elm; more; more = elms->FindElm(kLinkName, position, *elm)) {
    if (!read.Add(ReadLinkAttrs(*elm, values), values)) return 0;
  }
  read.MoveTo(into);
  return 1;
}

int TovoLinkBox::ReadLinkList::Add(unsigned long found, const std::string_view* values) {
  if ((found & kRequiredLinkAttrs) != kRequiredLinkAttrs) return 0;
  int data_no = found & (1UL << kNo) ? ParseDataNo(values[kNo]) : -1;
  if (data_no < 0) {
    data_no = running;
    running = running == INT_MAX ? INT_MAX : running + 1;
  } else {
    running = data_no == INT_MAX ? INT_MAX : data_no + 1;
  }
  const TovoLink::Texts texts{values[kName], values[kDispName], values[kFolName],
                              values[kExtension],
                              found & (1UL << kAddText) ? values[kAddText] : std::string_view()};
  links.push_back(
      std::unique_ptr<TovoLink>(new TovoLink(texts, ParseGroupNo(values[kGroupNo]), data_no)));
  return 1;
}

void TovoLinkBox::ReadLinkList::MoveTo(TovoItemBuff& into) {
  for (std::unique_ptr<TovoLink>& link : links) {
    into.AddItem(link.get());
    link.release();
  }
  links.clear();
}

// ---- Reading tag by tag ----

int TovoLinkBox::ReadTags(std::string_view text) {
  xmlfile::XmlTagReader reader(text);
  if (reader.Next() != xmlfile::XmlTagReader::kOpen || !reader.IsSameTagName(kRootName)) {
    return 0;
  }
  static constexpr const char* kRootAttrs[] = {"Version", "Name", "DispName"};
  static const xmlfile::XmlTagReader::Names kRootNames(kRootAttrs, 3);
  std::string_view values[kLinkAttrs];
  if (reader.Attrs(kRootNames, values) != 7 || !IsReadableVersion(CString(values[0]))) {
    return 0;
  }
  const CString name(values[1]);
  const CString disp_name(values[2]);
  ReadLinkList links;
  ReadLinkList deleted;
  if (!ReadTagList(reader, kLinksName, links) || !ReadTagList(reader, kDeletedLinksName, deleted) ||
      reader.Next() != xmlfile::XmlTagReader::kClose ||
      reader.Next() != xmlfile::XmlTagReader::kEnd) {
    return 0;
  }
  Name(name);
  DispName(disp_name);
  links.MoveTo(links_);
  deleted.MoveTo(deleted_);
  return 1;
}

int TovoLinkBox::ReadTagList(xmlfile::XmlTagReader& reader, const char* name, ReadLinkList& into) {
  using Tag = xmlfile::XmlTagReader::Tag;
  if (reader.Next() != Tag::kOpen || !reader.IsSameTagName(name)) return 0;
  static const xmlfile::XmlTagReader::Names kLinkTagNames(kLinkAttrNames, kLinkAttrs);
  TovoLinkPool pool(sizeof(TovoLink));  // how many links the list holds is not known yet
  std::string_view values[kLinkAttrs];
  for (;;) {
    const Tag tag = reader.Next();
    if (tag == Tag::kClose) return 1;  // the list's end: each Link's own is read below
    if (tag != Tag::kOpen || !reader.IsSameTagName(kLinkName)) return 0;
    const long found = reader.Attrs(kLinkTagNames, values);
    if (found < 0 || !into.Add(static_cast<unsigned long>(found), values)) return 0;
    if (reader.Next() != Tag::kClose) return 0;
  }
}

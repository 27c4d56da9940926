// The link box's XML file: writing it, reading it back, and the file-time guard that keeps a
// box from overwriting a file that someone changed since the box last read or wrote it.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/CFile.h"
#include "framework/CMemFile.h"
#include "framework/FileSystem.h"
#include "framework/InPlaceRewrite.h"
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

// What the readers need for a moment beyond what they charge: the tag reader's decoded
// values and the first blocks of the link pools.
constexpr ULONGLONG kPassingBytes = 4 << 20;
// What each link read holds besides its piece and its texts: its pointer in the list being
// read, which doubles as it fills (the old array and the new for a moment), and its slot in
// the box, which grows by copying.
constexpr ULONGLONG kLinkListBytes = 3 * sizeof(void*) + TovoItemBuff::kBytesPerEntry;
// A pool whose links are not counted first lays out blocks that double as they fill: at most
// twice the pieces it hands out.
const ULONGLONG kTagLinkBytes = 2 * TovoLinkPool::PieceBytes(sizeof(TovoLink)) + kLinkListBytes;

// The modification time of the open file, as CFileStatus gives it.
ULONGLONG ModifiedTime(const CFile& file) {
  struct stat st;
  if (::fstat(file.m_hFile, &st) != 0) {
    throw CFileException(CFileException::CauseFromErrno(errno), errno, file.GetFilePath());
  }
  return static_cast<ULONGLONG>(st.st_mtim.tv_sec) * 1000000000ULL +
         static_cast<ULONGLONG>(st.st_mtim.tv_nsec);
}

// Finishes or undoes a save of the file that was cut short, for the holder of its exclusive
// lock. Recovering reads the journal whole: a journal larger than a save of a file that a
// load accepts (old and new contents of at most CXmlFileDoc::kMaxFileSize each) is no save
// of ours, and is left alone rather than read.
void RecoverCutShortSave(CFile& file) {
  const CString journal = afx::JournalPath(file.GetFilePath());
  std::string os;
  struct stat st;
  if (afx::TryToUtf8(journal, os) && ::lstat(os.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
      static_cast<ULONGLONG>(st.st_size) > 2 * CXmlFileDoc::kMaxFileSize + (64 << 10)) {
    throw CFileException(CFileException::invalidFile, EFBIG, journal);
  }
  afx::RecoverJournal(file);
}

// Opens the box's file to read it. A journal beside it is a save that was cut short: a save
// under way holds the file, so none is while the file is open here. The file is then taken
// whole and that save finished, or undone, before anything is read.
void OpenToRead(const CString& path, CFile& file) {
  CFileException error(CFileException::none, 0, CString());
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite, &error)) throw error;
  if (afx::LookAt(afx::JournalPath(path)).error == ENOENT) return;
  file.Close();
  if (!file.Open(path, CFile::modeReadWrite | CFile::shareExclusive, &error)) throw error;
  RecoverCutShortSave(file);
}

// Closes the file of a save that failed. A file the save itself created and left empty goes
// again, so that the failure leaves the folder as it was; one that a journal still stands
// beside is left for the next holder to finish.
void Unmake(CFile& file, bool created) {
  if (created && file.IsOpen() && file.IsLinked() &&
      afx::LookAt(afx::JournalPath(file.GetFilePath())).error == ENOENT) {
    try {
      if (file.GetLength() == 0) CFile::Remove(file.GetFilePath());
    } catch (const CException&) {
      // An empty file left behind is harmless: the next save fills it.
    }
  }
  file.Abort();
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
  CFile file;
  bool created = false;
  try {
    // The whole text is made before the file is touched.
    CMemFile text;
    CXmlFileWriter writer;
    writer.WriteBeginFile(text, kRootName, 1);
    WriteDoc(writer);
    created = afx::LookAt(path).error == ENOENT;
    CFileException error(CFileException::none, 0, CString());
    if (!file.Open(path,
                   CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite |
                       CFile::shareExclusive | CFile::modeSingleLink,
                   &error)) {
      throw error;
    }
    RecoverCutShortSave(file);
    // Checked again under the lock: a change written since the look above, or a cut-short
    // save just finished, is someone else's change too.
    if (file_time_ != 0 && !created && ModifiedTime(file) > file_time_) return -1;
    afx::RewriteInPlace(file, text.Contents());
    file_time_ = ModifiedTime(file);
    file.Close();
  } catch (const CException&) {
    Unmake(file, created);
    return 0;
  } catch (const std::bad_alloc&) {
    Unmake(file, created);
    return 0;
  }
  return 1;
}

// ---- Reading ----

int TovoLinkBox::Load(const char* path) {
  Clear();
  try {
    if (path && _Load(path)) return 1;
  } catch (const CException&) {
  } catch (const std::bad_alloc&) {
  }
  Clear();
  return 0;
}

int TovoLinkBox::_Load(const char* path) {
  CFile file;
  OpenToRead(path, file);
  CXmlFileReader reader;
  CXmlFileAutoPtr<CXmlFileDoc> doc(reader.GetDoc());
  if (!doc || !doc->ReadFile(file)) return 0;
  // Taken while the file is held, so that no save can come between the text and its time:
  // should someone write it later, the box refuses to overwrite that change.
  const ULONGLONG time = ModifiedTime(file);
  file.Close();
  // A file as Save writes it is read from its text, tag by tag: a box of many links loads in
  // a fraction of the time that building the document's tree takes. Any other is parsed.
  if (!ReadTags(doc->GetText()) && !(doc->ParseText() && ReadDoc(*doc))) return 0;
  file_time_ = time;
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
  // The document itself, as it bounds what it holds, and then every link.
  LoadBudget budget = LoadBudget::ForFile(doc.GetTextSize(), 0, kPassingBytes);
  if (!budget.TryCharge(doc.HeldBytes())) return 0;
  return ReadLinks(*children, kLinksName, links_, budget) &&
         ReadLinks(*children, kDeletedLinksName, deleted_, budget);
}

int TovoLinkBox::ReadLinks(const CXmlFileElms& children, const char* name, TovoItemBuff& into,
                           LoadBudget& budget) {
  CXmlFileAutoPtr<CXmlFileElm> list(children.FindAnElm(name));
  if (!list) return 0;
  CXmlFileAutoPtr<CXmlFileElms> elms(list->GetChildren());
  if (!elms) return 1;
  // Room for the Link elements there are, none for any other element, charged before it is
  // taken: a pool piece and a pointer each.
  const size_t count = static_cast<size_t>(elms->CountElms(kLinkName));
  if (!budget.TryCharge(count * (TovoLinkPool::PieceBytes(sizeof(TovoLink)) + sizeof(void*)))) {
    return 0;
  }
  ReadLinkList read{budget, TovoItemBuff::kBytesPerEntry};
  read.links.reserve(count);
  TovoLinkPool pool(count, sizeof(TovoLink));
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
  const ULONGLONG bytes =
      per_link + LoadBudget::TextBytes(texts.name.size()) +
      LoadBudget::TextBytes(texts.disp_name.size()) + LoadBudget::TextBytes(texts.fol_name.size()) +
      LoadBudget::TextBytes(texts.extension.size()) + LoadBudget::TextBytes(texts.add_text.size());
  if (!budget.TryCharge(bytes)) return 0;
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
  // The text, which the caller holds, and then every link.
  LoadBudget budget = LoadBudget::ForFile(text.size(), 0, kPassingBytes);
  if (!budget.TryCharge(LoadBudget::HeapBytes(text.size() + 1))) return 0;
  ReadLinkList links{budget, kTagLinkBytes};
  ReadLinkList deleted{budget, kTagLinkBytes};
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

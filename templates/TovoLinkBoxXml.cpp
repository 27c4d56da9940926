// The link box's XML file: writing it, reading it back, and the file-time guard that keeps a
// box from overwriting a file that someone changed since the box last read or wrote it.
#include <sys/stat.h>

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
#include "framework/Decimal.h"
#include "framework/FileSystem.h"
#include "framework/InPlaceRewrite.h"
#include "hostlibs/xmlfile/CXmlFileAutoPtr.h"
#include "hostlibs/xmlfile/CXmlFileDoc.h"
#include "hostlibs/xmlfile/CXmlFileElm.h"
#include "hostlibs/xmlfile/CXmlFileReader.h"
#include "hostlibs/xmlfile/CXmlFileWriter.h"
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

// What the reader needs for a moment beyond what it charges: the element being read and its
// values before the link takes them over, each at most CXmlFileDoc::kMaxValueLength bytes,
// converted once when the file is UTF-8.
constexpr ULONGLONG kPassingBytes = 4 << 20;

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
// lock. A journal larger than a save of a file that a load accepts is no save of ours.
void RecoverCutShortSave(CFile& file) {
  afx::RecoverJournal(file, CXmlFileDoc::kMaxFileSize);
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
  if (!doc || !doc->SetFile(file)) return 0;
  // Taken while the file is held, so that no save can come between the text and its time:
  // should someone write it later, the box refuses to overwrite that change.
  const ULONGLONG time = ModifiedTime(file);
  file.Close();
  if (!ReadDoc(*doc)) return 0;
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
  // The document itself, as it counts what it holds, and then every link.
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
  // The links are gathered first and handed to the box in one sweep, so that its array grows
  // without other blocks coming between; room for a pointer to each element is charged and
  // taken at once.
  const auto count = static_cast<size_t>(elms->GetCount());
  if (!budget.TryCharge(LoadBudget::HeapBytes(count * sizeof(void*)))) return 0;
  std::vector<std::unique_ptr<TovoLink>> links;
  links.reserve(count);
  int running = 0;
  long position = 0;
  CXmlFileAutoPtr<CXmlFileElm> elm;
  while ((elm = elms->FindElm(kLinkName, position))) {
    links.push_back(ReadLink(*elm, running, budget));
    if (!links.back()) return 0;
  }
  for (std::unique_ptr<TovoLink>& link : links) {
    into.AddItem(link.get());
    link.release();
  }
  return 1;
}

std::unique_ptr<TovoLink> TovoLinkBox::ReadLink(const CXmlFileElm& elm, int& running,
                                                LoadBudget& budget) {
  TovoLink::Texts texts;
  CString group_no;
  if (!elm.GetAttr("Name", texts.name) || !elm.GetAttr("DispName", texts.disp_name) ||
      !elm.GetAttr("GroupNo", group_no) || !elm.GetAttr("FolName", texts.fol_name) ||
      !elm.GetAttr("Extension", texts.extension)) {
    return nullptr;
  }
  CString no;
  int data_no = elm.GetAttr("No", no) ? afx::DecimalValue(no.Bytes()) : -1;
  elm.GetAttr("AddText", texts.add_text);
  if (data_no < 0) {
    data_no = running;
    running = running == INT_MAX ? INT_MAX : running + 1;
  } else {
    running = data_no == INT_MAX ? INT_MAX : data_no + 1;
  }
  // The link, its slot in the box, and its texts.
  const ULONGLONG bytes = LoadBudget::HeapBytes(sizeof(TovoLink)) + TovoItemBuff::kBytesPerEntry +
                          LoadBudget::TextBytes(texts.name.GetLength()) +
                          LoadBudget::TextBytes(texts.disp_name.GetLength()) +
                          LoadBudget::TextBytes(texts.fol_name.GetLength()) +
                          LoadBudget::TextBytes(texts.extension.GetLength()) +
                          LoadBudget::TextBytes(texts.add_text.GetLength());
  if (!budget.TryCharge(bytes)) return nullptr;
  return std::unique_ptr<TovoLink>(
      new TovoLink(std::move(texts), ParseGroupNo(group_no.Bytes()), data_no));
}

#include "host/TemplateFiles.h"

#include <cerrno>
#include <new>

#include "framework/CFile.h"
#include "framework/FileProblem.h"
#include "framework/FileSystem.h"
#include "host/Report.h"
#include "host/Text.h"
#include "hostlibs/xmlfile/CXmlFileAutoPtr.h"
#include "hostlibs/xmlfile/CXmlFileDoc.h"
#include "hostlibs/xmlfile/CXmlFileReader.h"
#include "templates/LoadBudget.h"

namespace host {

namespace {

std::string Named(const CString& path, const std::string& what) {
  return Printable(path) + ": " + what;
}

// What stands at path in place of a regular file.
std::string NotRegularText(const CString& path) {
  const afx::PathLook look = afx::LookAt(path);
  if (look.isLink) return Named(path, "a symbolic link: only a regular file is read");
  if (look.isDirectory) return Named(path, "a directory, not a file");
  return Named(path, "not a regular file (a FIFO, a device or a socket): refused");
}

std::string FileProblemText(const CFileException& e, const CString& path) {
  if (e.m_lOsError == EFBIG) return Named(path, "larger than 1 GiB: refused");
  if (e.m_lOsError == ENOENT) return Named(path, "no such file");
  if (e.m_cause == CFileException::notRegularFile) return NotRegularText(path);
  afx::FileProblem problem = afx::ProblemOf(e, false);
  if (problem.path.IsEmpty()) problem.path = path;
  return Printable(problem.path) + ": " + ProblemReason(problem);
}

// Opens the file only to look at it: what keeps it from being read, or "".
std::string OpenProblem(const CString& path) {
  CFile file;
  CFileException error(CFileException::none, 0, CString());
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite, &error)) {
    return FileProblemText(error, path);
  }
  if (file.GetLength() > LoadBudget::kMaxFileBytes)
    return Named(path, "larger than 1 GiB: refused");
  return "";
}

// Why a link box file that opens was not read: it is no XML at all, or XML of another kind.
std::string LinkBoxContentProblem(const CString& path) {
  CFile file;
  CXmlFileReader reader;
  CXmlFileAutoPtr<CXmlFileDoc> doc(reader.GetDoc());
  if (file.Open(path, CFile::modeRead | CFile::shareDenyWrite) && doc && !doc->SetFile(file)) {
    return Named(path,
                 "not a well-formed XML file (Shift_JIS or UTF-8), or more than its size "
                 "allows");
  }
  return Named(path,
               "not a link box this program reads (no TovoLinkBox of version 1.00 or below, a "
               "list or a link's attribute missing, or more links than its size allows)");
}

}  // namespace

std::unique_ptr<TovoTemplate> ReadTemplate(const CString& path, std::string& problem) {
  auto read = std::make_unique<TovoTemplate>();
  try {
    read->LoadFile(path);
    return read;
  } catch (const CFileException& e) {
    problem = FileProblemText(e, path);
  } catch (const CArchiveException& e) {
    problem = Named(path, e.m_cause == CArchiveException::endOfFile
                              ? "damaged: it ends before the template does"
                              : "damaged: not a template file");
  } catch (const CMemoryException&) {
    problem = Named(path, "damaged: its counts claim more than a file of its size can hold");
  } catch (const std::bad_alloc&) {
    problem = Named(path, "out of memory");
  } catch (const CException& e) {
    problem = Named(path, Printable(e.GetMessage()));
  }
  return nullptr;
}

std::unique_ptr<TovoLinkBox> ReadLinkBox(const CString& path, std::string& problem) {
  problem = OpenProblem(path);
  if (!problem.empty()) return nullptr;
  std::unique_ptr<TovoLinkBox> box(TovoLinkBox::Create(TovoFileBox()));
  if (box->Load(path)) return box;
  // Looked at again: the file may have changed kind since the look above.
  problem = OpenProblem(path);
  if (problem.empty()) problem = LinkBoxContentProblem(path);
  return nullptr;
}

}  // namespace host

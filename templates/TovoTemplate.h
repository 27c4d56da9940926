// TovoTemplate: one deliverable template, read from and written to a template file (".TFT"
// for user templates, ".@FT" for standard ones). It holds a name, the three output settings
// that every deliverable built from it carries for the host, and its top-level folder trees.
//
// Template file layout, in archive encodings (32-bit little-endian integers, length-prefixed
// strings), with nothing before, between or after:
//   version (written as 0x300), Name, OutText, OutProgram,
//   OutCmdLine (only in files of version 0x300 or above),
//   folder count, then each top-level folder's record (see TovoFolder).
#pragma once

#include "framework/CArchive.h"
#include "framework/CString.h"
#include "templates/TovoFolder.h"

class TovoTemplateInfo;

class TovoTemplate {
 public:
  TovoTemplate();
  // Copies are deep: each template owns its own folder trees.
  TovoTemplate(const TovoTemplate& src);
  TovoTemplate& operator=(const TovoTemplate& src);
  // Deletes every folder.
  virtual ~TovoTemplate();

  CString Name() const;
  void Name(const CString& name);
  CString OutText() const;
  void OutText(const CString& text);
  CString OutProgram() const;
  void OutProgram(const CString& program);
  CString OutCmdLine() const;
  void OutCmdLine(const CString& cmd_line);

  int GetFolderCnt() const;
  // The top-level folder at i, or null when that entry is not a folder.
  TovoFolder* GetFolder(int i);
  const TovoFolder* GetFolder(int i) const;
  // Takes ownership; returns the new index.
  int AddFolder(TovoFolder* folder);
  // Deletes the top-level folder equal to folder; any other pointer is ignored.
  void DelFolder(TovoFolder* folder);

  // Reads a template file, appending its folders to those already here. A damaged or short
  // file raises CArchiveException; what was read before the damage stays. A file that would
  // take more memory than its size allows (see LoadBudget), or that is larger than
  // LoadBudget::kMaxFileBytes, raises CMemoryException and leaves the template as it was.
  // Must not run for two templates at once: it sets the module-wide TemplateFileVersion
  // while it reads.
  void Load(CArchive& ar);
  // The same within a budget of the caller's.
  void Load(CArchive& ar, LoadBudget& budget);
  // Reads the template file at path in place of this template's contents. Only a regular
  // file is read, never through a symbolic link; a file larger than
  // LoadBudget::kMaxFileBytes is refused (CFileException, cause invalidFile, EFBIG). Any
  // failure raises the exception of its cause (CFileException, CArchiveException,
  // CMemoryException) and leaves the template as it was.
  void LoadFile(const char* path);
  // Writes a template file of the current version.
  void Save(CArchive& ar) const;

 private:
  TovoTemplateInfo* info_;
};

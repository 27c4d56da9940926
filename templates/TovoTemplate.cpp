#include "templates/TovoTemplate.h"

#include <cerrno>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "framework/CFile.h"
#include "templates/TovoTemplateInfo.h"

namespace {

// Puts the module-wide version back however a read ends, so that file boxes read later
// (outside any template file) see the current layout.
class CurrentVersionOnExit {
 public:
  CurrentVersionOnExit() = default;
  CurrentVersionOnExit(const CurrentVersionOnExit&) = delete;
  CurrentVersionOnExit& operator=(const CurrentVersionOnExit&) = delete;
  ~CurrentVersionOnExit() { TemplateFileVersion = kCurrentTemplateFileVersion; }
};

// What one read of a template file has taken so far. The template takes it over when the
// read ends, whole or cut short by damage; a read stopped for memory leaves the template as
// it was.
class TemplateRead {
 public:
  TemplateRead() = default;
  TemplateRead(const TemplateRead&) = delete;
  TemplateRead& operator=(const TemplateRead&) = delete;

  void Read(CArchive& ar, int version, LoadBudget& budget);
  // Appends the folders read to info's and sets the texts read; info is left as it was
  // when that fails.
  void MoveTo(TovoTemplateInfo& info);

 private:
  static constexpr CString TovoTemplateInfo::*kTexts[] = {
      &TovoTemplateInfo::Name, &TovoTemplateInfo::OutText, &TovoTemplateInfo::OutProgram,
      &TovoTemplateInfo::OutCmdLine};

  CString texts_[4];
  int texts_read_ = 0;
  // A list that doubles as it grows: a file of a million folders is not copied over for
  // every few of them.
  std::vector<std::unique_ptr<TovoFolder>> folders_;
};

void TemplateRead::Read(CArchive& ar, int version, LoadBudget& budget) {
  // The command line came with version 0x300; older files leave the present value alone.
  const int texts =
      static_cast<std::uint32_t>(version) >= static_cast<std::uint32_t>(kCurrentTemplateFileVersion)
          ? 4
          : 3;
  while (texts_read_ < texts) {
    CString& text = texts_[texts_read_];
    ar >> text;
    budget.ChargeText(text.GetLength());
    ++texts_read_;
  }
  std::int32_t count = 0;
  ar >> count;
  budget.Consume(sizeof count);
  for (std::int32_t i = 0; i < count; ++i) {
    // Its slot here (the old array and the new for a moment while the list doubles) and,
    // once handed over, in the template's own list.
    budget.Charge(TovoFolder::EmptyBytes() + 3 * sizeof(void*) + TovoItemBuff::kBytesPerEntry);
    auto folder = std::make_unique<TovoFolder>();
    folder->Load(ar, budget);
    folders_.push_back(std::move(folder));
  }
}

void TemplateRead::MoveTo(TovoTemplateInfo& info) {
  const int kept = info.folders.GetCnt();
  try {
    for (const std::unique_ptr<TovoFolder>& folder : folders_)
      info.folders.AddItem(folder.get());
  } catch (...) {
    info.folders.DelItem(kept, info.folders.GetCnt() - kept);  // still ours to free
    throw;
  }
  for (std::unique_ptr<TovoFolder>& folder : folders_)
    folder.release();
  folders_.clear();
  for (int i = 0; i < texts_read_; ++i)
    info.*kTexts[i] = std::move(texts_[i]);
}

}  // namespace

TovoTemplate::TovoTemplate() : info_(new TovoTemplateInfo) {}

TovoTemplate::TovoTemplate(const TovoTemplate& src) : info_(new TovoTemplateInfo(*src.info_)) {}

TovoTemplate& TovoTemplate::operator=(const TovoTemplate& src) {
  if (this != &src) {
    TovoTemplateInfo* copy = new TovoTemplateInfo(*src.info_);
    delete info_;
    info_ = copy;
  }
  return *this;
}

TovoTemplate::~TovoTemplate() {
  delete info_;
}

CString TovoTemplate::Name() const {
  return info_->Name;
}
void TovoTemplate::Name(const CString& name) {
  info_->Name = name;
}
CString TovoTemplate::OutText() const {
  return info_->OutText;
}
void TovoTemplate::OutText(const CString& text) {
  info_->OutText = text;
}
CString TovoTemplate::OutProgram() const {
  return info_->OutProgram;
}
void TovoTemplate::OutProgram(const CString& program) {
  info_->OutProgram = program;
}
CString TovoTemplate::OutCmdLine() const {
  return info_->OutCmdLine;
}
void TovoTemplate::OutCmdLine(const CString& cmd_line) {
  info_->OutCmdLine = cmd_line;
}

int TovoTemplate::GetFolderCnt() const {
  return info_->folders.GetCnt();
}

TovoFolder* TovoTemplate::GetFolder(int i) {
  return DYNAMIC_DOWNCAST(TovoFolder, info_->folders.GetItem(i));
}

const TovoFolder* TovoTemplate::GetFolder(int i) const {
  return DYNAMIC_DOWNCAST(TovoFolder, info_->folders.GetItem(i));
}

int TovoTemplate::AddFolder(TovoFolder* folder) {
  return info_->folders.AddItem(folder);
}

void TovoTemplate::DelFolder(TovoFolder* folder) {
  const int at = info_->folders.FindItem(folder);
  if (at >= 0) info_->folders.FreeItem(at, 1);
}

void TovoTemplate::Load(CArchive& ar) {
  LoadBudget budget = LoadBudget::ForArchive(ar);
  Load(ar, budget);
}

void TovoTemplate::Load(CArchive& ar, LoadBudget& budget) {
  CurrentVersionOnExit restore;
  std::int32_t version = 0;
  ar >> version;
  budget.Consume(sizeof version);
  TemplateFileVersion = version;
  TemplateRead read;
  try {
    read.Read(ar, version, budget);
  } catch (const CArchiveException&) {
    read.MoveTo(*info_);
    throw;
  } catch (const std::bad_alloc&) {
    throw CMemoryException();
  }
  read.MoveTo(*info_);
}

void TovoTemplate::LoadFile(const char* path) {
  CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
  if (file.GetLength() > LoadBudget::kMaxFileBytes) {
    throw CFileException(CFileException::invalidFile, EFBIG, file.GetFilePath());
  }
  TovoTemplate read;
  CArchive ar(&file, CArchive::load);
  read.Load(ar);
  std::swap(info_, read.info_);
}

void TovoTemplate::Save(CArchive& ar) const {
  ar << std::int32_t{kCurrentTemplateFileVersion};
  ar << info_->Name << info_->OutText << info_->OutProgram << info_->OutCmdLine;
  std::int32_t count = 0;
  for (int i = 0; i < info_->folders.GetCnt(); ++i)
    count += info_->folders.GetItem(i) ? 1 : 0;
  ar << count;
  for (int i = 0; i < info_->folders.GetCnt(); ++i) {
    if (TovoItem* folder = info_->folders.GetItem(i)) folder->Serialize(ar);
  }
}

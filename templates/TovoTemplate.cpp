#include "templates/TovoTemplate.h"

#include <cstdint>
#include <memory>
#include <new>

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
  CurrentVersionOnExit restore;
  std::int32_t version = 0;
  ar >> version;
  TemplateFileVersion = version;
  try {
    LoadBody(ar, version);
  } catch (const std::bad_alloc&) {
    throw CMemoryException();
  }
}

void TovoTemplate::LoadBody(CArchive& ar, int version) {
  ar >> info_->Name;
  ar >> info_->OutText;
  ar >> info_->OutProgram;
  // The command line came with version 0x300; older files leave the present value alone.
  if (static_cast<std::uint32_t>(version) >=
      static_cast<std::uint32_t>(kCurrentTemplateFileVersion))
    ar >> info_->OutCmdLine;
  std::int32_t count = 0;
  ar >> count;
  for (std::int32_t i = 0; i < count; ++i) {
    auto folder = std::make_unique<TovoFolder>();
    folder->Serialize(ar);
    info_->folders.AddItem(folder.get());
    folder.release();
  }
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

#include "templates/TovoSeika.h"

#include <memory>

namespace {

// Folders are the same folder when their names are equal ignoring case.
bool SameFolder(const TovoLinkFolder& a, const TovoLinkFolder& b) {
  return a.Name().CompareNoCase(b.Name()) == 0;
}

// Boxes are the same box when the file boxes they were made from agree in name and
// extension (ignoring case) and in digit count.
bool SameBox(const TovoLinkBox& a, const TovoLinkBox& b) {
  const TovoFileBox& x = a.GetTemplate();
  const TovoFileBox& y = b.GetTemplate();
  return x.Name().CompareNoCase(y.Name()) == 0 && x.SNDigit() == y.SNDigit() &&
         x.Extension().CompareNoCase(y.Extension()) == 0;
}

}  // namespace

TovoSeika* TovoSeika::FromTemplate(const TovoTemplate& t) {
  std::unique_ptr<TovoSeika> seika(new TovoSeika());
  seika->name_ = t.Name();
  seika->out_text_ = t.OutText();
  seika->out_program_ = t.OutProgram();
  seika->out_cmd_line_ = t.OutCmdLine();
  for (int i = 0; i < t.GetFolderCnt(); ++i) {
    const TovoFolder* folder = t.GetFolder(i);
    if (!folder) continue;
    std::unique_ptr<TovoLinkFolder> made(TovoLinkFolder::Create(*folder));
    seika->AddFolder(made.get());
    made.release();
  }
  return seika.release();
}

TovoSeika::TovoSeika(const TovoSeika& src)
    : name_(src.name_),
      out_text_(src.out_text_),
      out_program_(src.out_program_),
      out_cmd_line_(src.out_cmd_line_) {
  try {
    folders_.AddClonesOf(src.folders_);
  } catch (...) {
    folders_.FreeAllItems();  // the destructor does not run for a copy that never finished
    throw;
  }
}

TovoSeika& TovoSeika::operator=(const TovoSeika& src) {
  if (this == &src) return *this;
  TovoSeika copy(src);
  folders_.FreeAllItems();
  name_ = copy.name_;
  out_text_ = copy.out_text_;
  out_program_ = copy.out_program_;
  out_cmd_line_ = copy.out_cmd_line_;
  folders_ = copy.folders_;
  copy.folders_.Clear();
  return *this;
}

TovoSeika::~TovoSeika() {
  folders_.FreeAllItems();
}

int TovoSeika::AddSeika(const TovoSeika& o) {
  return Combine(o, true);
}

int TovoSeika::MergeSeika(const TovoSeika& o) {
  return Combine(o, false);
}

// Counts are taken before each loop, so that combining a deliverable with itself takes in
// what it held at the start and ends.
int TovoSeika::Combine(const TovoSeika& o, bool add) {
  if (out_program_ != o.out_program_ || out_cmd_line_ != o.out_cmd_line_) return 0;
  const int count = o.GetFolderCnt();
  for (int i = 0; i < count; ++i) {
    const TovoLinkFolder* s = o.GetFolder(i);
    if (!s) continue;
    TovoLinkFolder* m = nullptr;
    for (int k = 0; k < GetFolderCnt() && !m; ++k) {
      TovoLinkFolder* candidate = GetFolder(k);
      if (candidate && SameFolder(*candidate, *s)) m = candidate;
    }
    if (m) {
      MergeFolder(*m, *s, add);
    } else if (add) {
      std::unique_ptr<TovoLinkFolder> copy(s->Copy());
      AddFolder(copy.get());
      copy.release();
    }
  }
  return 1;
}

void TovoSeika::MergeFolder(TovoLinkFolder& m, const TovoLinkFolder& s, bool add) {
  const int folder_count = s.GetFolderCnt();
  for (int i = 0; i < folder_count; ++i) {
    const TovoLinkFolder* sub = s.GetFolder(i);
    if (!sub) continue;
    TovoLinkFolder* match = nullptr;
    for (int k = 0; k < m.GetFolderCnt() && !match; ++k) {
      TovoLinkFolder* candidate = m.GetFolder(k);
      if (candidate && SameFolder(*candidate, *sub)) match = candidate;
    }
    if (match) {
      MergeFolder(*match, *sub, add);
    } else if (add) {
      std::unique_ptr<TovoLinkFolder> copy(sub->Copy());
      m.AddFolder(copy.get());
      copy.release();
    }
  }
  if (m.GetHideLinkBox() && s.GetHideLinkBox()) {
    AppendLinks(*m.GetHideLinkBox(), *s.GetHideLinkBox());
  }
  const int box_count = s.GetLinkBoxCnt();
  for (int i = 0; i < box_count; ++i) {
    const TovoLinkBox* box = s.GetLinkBox(i);
    if (box) MergeLinkBox(m, *box, add);
  }
}

void TovoSeika::MergeLinkBox(TovoLinkFolder& m, const TovoLinkBox& b, bool add) {
  for (int k = 0; k < m.GetLinkBoxCnt(); ++k) {
    TovoLinkBox* candidate = m.GetLinkBox(k);
    if (candidate && SameBox(*candidate, b)) {
      AppendLinks(*candidate, b);
      return;
    }
  }
  if (!add) return;
  std::unique_ptr<TovoLinkBox> copy(b.Copy());
  m.AddLinkBox(copy.get());
  copy.release();
}

// Copies of the links, without their additional texts, each a data item of its own.
void TovoSeika::AppendLinks(TovoLinkBox& to, const TovoLinkBox& from) {
  const int count = from.GetLinkCnt();
  for (int i = 0; i < count; ++i) {
    const TovoLink* link = from.GetLink(i);
    if (!link) continue;
    std::unique_ptr<TovoLink> copy(link->Copy());
    to.AddLink(copy.get());
    copy.release();
  }
}

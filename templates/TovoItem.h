// TovoItem: the base of every node of a deliverable template and of a deliverable. A node has
// a name and a display name, knows its own class at run time, writes its names to an archive
// and can make a deep copy of itself.
#pragma once

#include <utility>

#include "framework/CArchive.h"
#include "framework/CObject.h"
#include "framework/CString.h"
#include "templates/LoadBudget.h"

class TovoItem : public CObject {
  DECLARE_DYNAMIC(TovoItem)

 public:
  ~TovoItem() override = default;

  CString Name() const { return name_; }
  void Name(CString name) { name_ = std::move(name); }
  CString DispName() const { return disp_name_; }
  void DispName(CString disp_name) { disp_name_ = std::move(disp_name); }

  // Writes or reads the two names as archive strings. A name read before a failure stays.
  virtual void Serialize(CArchive& ar);
  // A new deep copy of the exact class, owned by the caller; a plain item has none (null).
  virtual TovoItem* Clone() const { return nullptr; }

 protected:
  // A null name leaves that name empty.
  explicit TovoItem(const char* name = nullptr, const char* disp_name = nullptr)
      : name_(name), disp_name_(disp_name) {}
  TovoItem(const TovoItem&) = default;
  TovoItem& operator=(const TovoItem&) = default;
  // Reads the two names as Serialize does, charging their texts to budget.
  void LoadNames(CArchive& ar, LoadBudget& budget);

 private:
  CString name_;
  CString disp_name_;
};

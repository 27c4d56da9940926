// CObject and run-time class records: class identification and safe down-casts.
// No dynamic creation: objects are made by their constructors.
#pragma once

#include "framework/Types.h"

class CObject;

struct CRuntimeClass {
  const char* m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;
  const CRuntimeClass* m_pBaseClass;

  bool IsDerivedFrom(const CRuntimeClass* base) const {
    for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass) {
      if (c == base) return true;
    }
    return false;
  }
};

class CObject {
 public:
  static const CRuntimeClass classCObject;
  static const CRuntimeClass* GetThisClass() { return &classCObject; }
  virtual const CRuntimeClass* GetRuntimeClass() const { return &classCObject; }
  virtual ~CObject() = default;

  bool IsKindOf(const CRuntimeClass* c) const { return GetRuntimeClass()->IsDerivedFrom(c); }

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

// In a class body: the record object class<Name> and the two accessors.
#define DECLARE_DYNAMIC(class_name)                       \
 public:                                                  \
  static const CRuntimeClass class##class_name;           \
  static const CRuntimeClass* GetThisClass() {            \
    return &class##class_name;                            \
  }                                                       \
  const CRuntimeClass* GetRuntimeClass() const override { \
    return &class##class_name;                            \
  }

// In one source file: the record with its name, schema and base.
#define IMPLEMENT_RUNTIMECLASS(class_name, base_name, schema)                                   \
  const CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class_name), schema, \
                                                       RUNTIME_CLASS(base_name)};
#define IMPLEMENT_DYNAMIC(class_name, base_name) \
  IMPLEMENT_RUNTIMECLASS(class_name, base_name, 0xFFFF)

namespace afx {

template <typename T>
T* DynamicDownCast(CObject* p) {
  return (p && p->IsKindOf(RUNTIME_CLASS(T))) ? static_cast<T*>(p) : nullptr;
}
template <typename T>
const T* DynamicDownCast(const CObject* p) {
  return (p && p->IsKindOf(RUNTIME_CLASS(T))) ? static_cast<const T*>(p) : nullptr;
}

}  // namespace afx

#define DYNAMIC_DOWNCAST(class_name, object) (afx::DynamicDownCast<class_name>(object))

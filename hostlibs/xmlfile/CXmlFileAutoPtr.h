// CXmlFileAutoPtr: holds one object handed out by the XML file library (a document, an
// element or a list of elements) and releases it when it goes out of scope, so that a
// reader that gives up halfway leaks nothing.
#pragma once

template <typename T>
class CXmlFileAutoPtr {
 public:
  explicit CXmlFileAutoPtr(T* p = nullptr) : p_(p) {}
  CXmlFileAutoPtr(const CXmlFileAutoPtr&) = delete;
  CXmlFileAutoPtr& operator=(const CXmlFileAutoPtr&) = delete;
  ~CXmlFileAutoPtr() { delete p_; }

  // Takes p and releases what was held before.
  CXmlFileAutoPtr& operator=(T* p) {
    if (p != p_) {
      delete p_;
      p_ = p;
    }
    return *this;
  }

  T* operator->() const { return p_; }
  T& operator*() const { return *p_; }
  operator T*() const { return p_; }  // NOLINT: reads like the raw pointer it holds

 private:
  T* p_;
};

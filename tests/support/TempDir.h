// A real temporary folder for a test, removed with everything in it afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "framework/CString.h"
#include "support/PrintCString.h"

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "drawreg-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    path_ = pattern;
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  const std::string& path() const { return path_; }
  CString Path() const { return CString(path_.c_str()); }
  // A path inside the folder, as a code page 932 string.
  CString File(const char* name) const { return Path() + "/" + name; }

 private:
  std::string path_;
};

// Loads arbitrary bytes as a folder information file. Every record that loads must name a
// plain file of the folder (or one this system cannot spell, which is kept rather than lost),
// and saving then loading again must keep exactly those records. A line that is no record is
// numbered, never kept.
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "framework/FileSystem.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFolder.h"

namespace {

struct Root {
  Root() {
    std::string pattern = (std::filesystem::temp_directory_path() / "drawreg-fuzz-XXXXXX").string();
    path = ::mkdtemp(pattern.data());
    std::filesystem::create_directories(path + "/F/sub");
    for (const char* name : {"a.dwg", "b.P21", "c"})
      std::ofstream(path + "/F/" + name);
    std::ofstream(path + "/outside.dwg");
    env.SetPath(CEnvironObj::kDrawingRoot, CString(path.c_str()));
  }
  ~Root() { std::filesystem::remove_all(path); }
  std::string path;
  CEnvironObj env;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Root root;
  {
    std::ofstream out(root.path + "/F/FOLDERINF.$$$", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  CDrawingFolder folder;
  folder.Name("F");
  if (!folder.LoadFiles(root.env, 0)) abort();
  for (int i = 0; i < folder.GetFileCount(); ++i) {
    const CString name = folder.GetFile(i)->Name(1);
    if (!afx::IsPlainFileName(name)) abort();
    const afx::PathLook look = afx::LookAt(folder.GetFile(i)->GetFilePath(root.env, 1));
    if (look.error != EILSEQ && (look.error != 0 || look.isDirectory)) abort();
  }
  const int count = folder.GetFileCount();
  if (!folder.SaveFiles(root.env) || !folder.LoadFiles(root.env, 0)) abort();
  if (folder.GetFileCount() != count || !folder.GetUnreadLines().empty()) abort();
  return 0;
}

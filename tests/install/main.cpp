// An outside program built against the installed package.
#include <drawreg/module/drawreg.h>

#include <cstdio>

int main() {
  CDrawingFile file;
  file.Name(CString("A.P21"));
  const CString name = file.Name(0);
  std::printf("installed package: %s\n", static_cast<const char*>(name));
  return name == CString("S0??0010.P21") ? 0 : 1;
}

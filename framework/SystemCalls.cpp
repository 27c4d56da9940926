#include "framework/SystemCalls.h"

#include <unistd.h>

namespace afx {

SystemCalls& Sys() {
  static SystemCalls calls{::read, ::pread, ::pwrite, ::lstat};
  return calls;
}

}  // namespace afx

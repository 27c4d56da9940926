#include "framework/FileProblem.h"

#include <cerrno>

namespace afx {

FileProblem ProblemOf(const CFileException& e, bool writing) {
  FileProblem p;
  p.osError = e.m_lOsError;
  p.path = e.m_strFileName;
  switch (e.m_cause) {
    case CFileException::sharingViolation:
    case CFileException::lockViolation:
      p.fault = FileFault::locked;
      break;
    case CFileException::accessDenied:
      p.fault = FileFault::accessDenied;
      break;
    case CFileException::notRegularFile:
      p.fault = FileFault::notRegular;
      break;
    case CFileException::badPath:
      p.fault = e.m_lOsError == EILSEQ ? FileFault::badName
                                       : (writing ? FileFault::writeError : FileFault::readError);
      break;
    default:
      p.fault = writing ? FileFault::writeError : FileFault::readError;
  }
  return p;
}

}  // namespace afx

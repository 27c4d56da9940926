#include "framework/Exceptions.h"

#include <cerrno>
#include <cstring>

CFileException::CFileException(int cause, int os_error, const CString& file_name)
    : CException(CString(std::strerror(os_error ? os_error : EIO))),
      m_cause(cause),
      m_lOsError(os_error),
      m_strFileName(file_name) {}

int CFileException::CauseFromErrno(int error) {
  switch (error) {
    case ENOENT:
      return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
      return badPath;
    case EMFILE:
    case ENFILE:
      return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
      return accessDenied;
    case EISDIR:
    case ELOOP:
      return notRegularFile;
    case EWOULDBLOCK:
      return sharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return diskFull;
    case EIO:
      return hardIO;
    case EEXIST:
      return fileExists;
    default:
      return genericException;
  }
}

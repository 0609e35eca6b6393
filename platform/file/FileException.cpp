// Causes of file failures as the operating system reports them.
#include "platform/file/FileException.h"

#include <cerrno>

namespace zn {

CFileException::CFileException(Cause cause, int osError, std::u16string_view fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}

CFileException::Cause CFileException::OsErrorToException(int osError) {
    switch (osError) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EMLINK:
        return directoryFull;
    case ESPIPE:
        return badSeek;
    case EIO:
    case ENXIO:
    case ENODEV:
        return hardIO;
    case ETXTBSY:
    case EBUSY:
        return sharingViolation;
    case EDEADLK:
    case ENOLCK:
        return lockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    default:
        return genericException;
    }
}

void CFileException::ThrowOsError(int osError, std::u16string_view fileName) {
    throw CFileException(OsErrorToException(osError), osError, fileName);
}

const char* CFileException::what() const noexcept {
    static const char* const kNames[] = {
        "no file error",      "file error",          "file not found",
        "bad path",           "too many open files", "access denied",
        "invalid file",       "directory full",      "bad seek",
        "hardware I/O error", "sharing violation",   "lock violation",
        "disk full",          "end of file",
    };
    return kNames[m_cause];
}

} // namespace zn

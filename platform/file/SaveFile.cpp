// Saving through a temporary file and a rename.
#include "platform/file/SaveFile.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace zn {

CSaveFile::CSaveFile(std::u16string_view fileName, unsigned openFlags) {
    openOrThrow(fileName, openFlags);
}

CSaveFile::~CSaveFile() {
    CSaveFile::Abort();
}

bool CSaveFile::Open(std::u16string_view fileName, unsigned openFlags, CFileException* error) {
    Abort();
    std::string target = toUtf8(fileName);
    auto fail = [&](CFileException::Cause cause, int osError) {
        if (error)
            *error = CFileException(cause, osError, fileName);
        return false;
    };
    if (target.empty())
        return fail(CFileException::badPath, ENOENT);
    struct stat existing;
    bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return fail(CFileException::accessDenied, EISDIR);
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        int osError = errno;
        return fail(CFileException::OsErrorToException(osError), osError);
    }

    std::string temporary = target + ".saving";
    unsigned access = (openFlags & modeReadWrite) ? modeReadWrite : modeWrite;
    CFileException failure;
    if (!CFile::Open(fromUtf8(temporary), access | modeCreate, &failure))
        return fail(failure.m_cause, failure.m_lOsError);
    // The new file keeps the permissions the user gave the old one.
    if (exists)
        ::fchmod(m_hFile, existing.st_mode & 07777);
    m_temporary = temporary;
    m_strFileName = fileName;
    if (error)
        *error = CFileException();
    return true;
}

void CSaveFile::Close() {
    try {
        Flush();
        CFile::Close();
    } catch (const CFileException&) {
        Abort();
        throw;
    }
    if (::rename(m_temporary.c_str(), toUtf8(m_strFileName).c_str()) != 0) {
        int osError = errno;
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
        CFileException::ThrowOsError(osError, m_strFileName);
    }
    m_temporary.clear();
}

void CSaveFile::Abort() {
    CFile::Abort();
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
}

} // namespace zn

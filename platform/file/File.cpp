// The file over a POSIX descriptor, with the framework's open modes and causes.
#include "platform/file/File.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace zn {

namespace {

constexpr unsigned kAccessMask = 0x3;

// The system names a missing file and a missing folder with the same error; the framework
// tells them apart, so a name whose folder is not there is a bad path.
CFileException::Cause causeForName(int osError, const std::string& path) {
    if (path.empty())
        return CFileException::badPath;
    if (osError == ENOENT) {
        std::filesystem::path folder = std::filesystem::path(path).parent_path();
        std::error_code ignored;
        if (!folder.empty() && !std::filesystem::is_directory(folder, ignored))
            return CFileException::badPath;
    }
    return CFileException::OsErrorToException(osError);
}

int openFlagsFor(unsigned flags) {
    unsigned access = flags & kAccessMask;
    int result = access == CFile::modeWrite       ? O_WRONLY
                 : access == CFile::modeReadWrite ? O_RDWR
                                                  : O_RDONLY;
    if (flags & CFile::modeCreate)
        result |= O_CREAT | ((flags & CFile::modeNoTruncate) ? 0 : O_TRUNC);
    return result | O_CLOEXEC;
}

} // namespace

CFile::CFile(std::u16string_view fileName, unsigned openFlags) {
    openOrThrow(fileName, openFlags);
}

CFile::~CFile() {
    CFile::Abort();
}

bool CFile::Open(std::u16string_view fileName, unsigned openFlags, CFileException* error) {
    CFile::Abort();
    std::string path = toUtf8(fileName);
    int fd = path.empty() ? -1 : ::open(path.c_str(), openFlagsFor(openFlags), 0666);
    int osError = fd < 0 ? (path.empty() ? ENOENT : errno) : 0;
    // A folder opens for reading here, but it is no file to read.
    struct stat status;
    if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        ::close(fd);
        fd = -1;
        osError = EISDIR;
    }
    if (fd < 0) {
        if (error)
            *error = CFileException(causeForName(osError, path), osError, fileName);
        return false;
    }
    m_hFile = fd;
    m_openFlags = openFlags;
    m_strFileName = fileName;
    if (error)
        *error = CFileException();
    return true;
}

void CFile::openOrThrow(std::u16string_view fileName, unsigned openFlags) {
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        throw error;
}

void CFile::throwOsError(int osError) const {
    CFileException::ThrowOsError(osError, m_strFileName);
}

void CFile::requireOpen() const {
    if (!IsOpen())
        throw CFileException(CFileException::invalidFile, EBADF, m_strFileName);
}

void CFile::requireAccess(bool writing) const {
    requireOpen();
    unsigned access = m_openFlags & kAccessMask;
    if (access == (writing ? modeRead : modeWrite))
        throw CFileException(CFileException::accessDenied, EBADF, m_strFileName);
}

std::size_t CFile::Read(void* buffer, std::size_t count) {
    requireAccess(false);
    auto* bytes = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::read(m_hFile, bytes + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throwOsError(errno);
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    return done;
}

void CFile::ReadExactly(void* buffer, std::size_t count) {
    if (Read(buffer, count) < count)
        throw CFileException(CFileException::endOfFile, 0, m_strFileName);
}

namespace {

std::optional<std::uint64_t> writeBudget;

} // namespace

void CFile::FailWritesAfter(std::uint64_t bytes) {
    writeBudget = bytes;
}

void CFile::StopFailingWrites() {
    writeBudget.reset();
}

void CFile::Write(const void* buffer, std::size_t count) {
    requireAccess(true);
    auto* bytes = static_cast<const char*>(buffer);
    // With a failure injected, the bytes within the budget reach the file, as on a disk
    // that fills up part way through a write.
    const std::size_t allowed =
        writeBudget ? std::size_t(std::min<std::uint64_t>(*writeBudget, count)) : count;
    if (writeBudget)
        *writeBudget -= allowed;
    std::size_t done = 0;
    while (done < count) {
        if (done == allowed)
            throwOsError(ENOSPC);
        ssize_t n = ::write(m_hFile, bytes + done, allowed - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throwOsError(n < 0 ? errno : ENOSPC);
        done += std::size_t(n);
    }
}

std::uint64_t CFile::Seek(std::int64_t offset, SeekPosition from) {
    requireOpen();
    static const int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    off_t position = ::lseek(m_hFile, off_t(offset), kWhence[from]);
    if (position < 0)
        throw CFileException(CFileException::badSeek, errno, m_strFileName);
    return std::uint64_t(position);
}

std::uint64_t CFile::GetPosition() const {
    requireOpen();
    off_t position = ::lseek(m_hFile, 0, SEEK_CUR);
    if (position < 0)
        throwOsError(errno);
    return std::uint64_t(position);
}

std::uint64_t CFile::GetLength() const {
    requireOpen();
    struct stat status;
    if (::fstat(m_hFile, &status) != 0)
        throwOsError(errno);
    return std::uint64_t(status.st_size);
}

void CFile::SetLength(std::uint64_t length) {
    requireAccess(true);
    if (::ftruncate(m_hFile, off_t(length)) != 0)
        throwOsError(errno);
}

void CFile::Flush() {
    requireOpen();
    // Devices and pipes have nothing to synchronise and say so with EINVAL.
    if (::fsync(m_hFile) != 0 && errno != EINVAL)
        throwOsError(errno);
}

void CFile::Close() {
    requireOpen();
    int fd = m_hFile;
    m_hFile = -1;
    // After EINTR the descriptor is gone all the same.
    if (::close(fd) != 0 && errno != EINTR)
        throwOsError(errno);
}

void CFile::Abort() {
    if (IsOpen())
        ::close(m_hFile);
    m_hFile = -1;
}

void CFile::Rename(std::u16string_view oldName, std::u16string_view newName) {
    std::string from = toUtf8(oldName), to = toUtf8(newName);
    if (::rename(from.c_str(), to.c_str()) == 0)
        return;
    int osError = errno;
    std::error_code ignored;
    // With the old file there, a missing name can only be the new one's folder.
    bool sourceThere = std::filesystem::exists(from, ignored);
    CFileException::Cause cause =
        sourceThere && osError == ENOENT ? CFileException::badPath : causeForName(osError, from);
    throw CFileException(cause, osError, oldName);
}

void CFile::Remove(std::u16string_view fileName) {
    std::string path = toUtf8(fileName);
    if (::unlink(path.c_str()) == 0)
        return;
    int osError = errno;
    throw CFileException(causeForName(osError, path), osError, fileName);
}

} // namespace zn

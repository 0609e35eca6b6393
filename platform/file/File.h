// The framework's file: an operating-system file opened by name with the framework's open
// modes, read, written and positioned in bytes. Every failure throws CFileException with
// the cause, the OS error and the file name; Open alone reports through a supplied
// exception and a false result, for callers that test instead of catching.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/file/FileException.h"

namespace zn {

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        // Sharing is not enforced between processes here; the flags are accepted so that
        // callers keep the framework's spelling.
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000, // with modeCreate: open an existing file as it is
        // Bytes are never translated; line ends are the business of CStdioFile.
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition { begin, current, end };

    CFile() = default;
    // Opens the file or throws.
    CFile(std::u16string_view fileName, unsigned openFlags);
    // Closes an open file; errors are lost, so callers that care call Close first.
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    virtual bool Open(std::u16string_view fileName, unsigned openFlags,
                      CFileException* error = nullptr);
    // Reads up to `count` bytes; fewer only at the end of the file.
    virtual std::size_t Read(void* buffer, std::size_t count);
    // Reads exactly `count` bytes or throws endOfFile.
    void ReadExactly(void* buffer, std::size_t count);
    virtual void Write(const void* buffer, std::size_t count);
    // Positions may go past the end (a later write fills the gap with zeros); a position
    // before the start throws badSeek and leaves the position where it was.
    virtual std::uint64_t Seek(std::int64_t offset, SeekPosition from);
    void SeekToBegin() { Seek(0, begin); }
    std::uint64_t SeekToEnd() { return Seek(0, end); }
    virtual std::uint64_t GetPosition() const;
    std::uint64_t GetLength() const;
    virtual void SetLength(std::uint64_t length);
    // Pushes written bytes to the disk.
    virtual void Flush();
    virtual void Close();
    // Closes without reporting errors: the way out after a failure.
    virtual void Abort();

    bool IsOpen() const { return m_hFile >= 0; }
    const ZnsStringW& GetFilePath() const { return m_strFileName; }

    static void Rename(std::u16string_view oldName, std::u16string_view newName);
    static void Remove(std::u16string_view fileName);

    // Fault injection for the tests of every writer: once `bytes` more bytes have gone out
    // through Write (in any file), writes fail as on a full disk until StopFailingWrites.
    static void FailWritesAfter(std::uint64_t bytes);
    static void StopFailingWrites();

protected:
    // For constructors: by then Open dispatches to the class being made.
    void openOrThrow(std::u16string_view fileName, unsigned openFlags);
    // Throws the exception of an OS error on this file.
    [[noreturn]] void throwOsError(int osError) const;
    void requireOpen() const;
    // Also refuses reading a file opened only for writing, and the other way round.
    void requireAccess(bool writing) const;

    int m_hFile = -1;
    unsigned m_openFlags = 0;
    ZnsStringW m_strFileName;
};

} // namespace zn

// A file read in lines: text lines in the system ANSI code page, mixed freely with byte
// reads, as the old text notebooks are laid out (a header and index lines, then texts of
// given byte lengths). Lines are read ahead in blocks; every other operation sees the
// position just after the last line taken.
#pragma once

#include <string>

#include "platform/file/File.h"

namespace zn {

class CStdioFile : public CFile {
public:
    CStdioFile() = default;
    CStdioFile(std::u16string_view fileName, unsigned openFlags);

    bool Open(std::u16string_view fileName, unsigned openFlags,
              CFileException* error = nullptr) override;
    // The next line without its line end (LF or CR LF); false at the end of the file.
    bool ReadString(ZnsStringW& line);

    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    std::uint64_t Seek(std::int64_t offset, SeekPosition from) override;
    std::uint64_t GetPosition() const override;
    void SetLength(std::uint64_t length) override;

private:
    std::size_t unread() const { return m_ahead.size() - m_aheadUsed; }
    // Gives the bytes read ahead back to the file, so the descriptor's position is ours.
    void returnReadAhead();

    std::string m_ahead;
    std::size_t m_aheadUsed = 0;
};

} // namespace zn

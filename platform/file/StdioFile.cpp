// Line reading over the file, with the bytes read ahead accounted for in every operation.
#include "platform/file/StdioFile.h"

#include <algorithm>
#include <cstring>

#include "platform/text/CodePage.h"

namespace zn {

namespace {
constexpr std::size_t kBlock = 4096;
}

CStdioFile::CStdioFile(std::u16string_view fileName, unsigned openFlags) {
    openOrThrow(fileName, openFlags);
}

bool CStdioFile::Open(std::u16string_view fileName, unsigned openFlags, CFileException* error) {
    m_ahead.clear();
    m_aheadUsed = 0;
    return CFile::Open(fileName, openFlags, error);
}

bool CStdioFile::ReadString(ZnsStringW& line) {
    std::string bytes;
    bool any = false;
    for (;;) {
        if (unread() == 0) {
            m_ahead.resize(kBlock);
            m_ahead.resize(CFile::Read(m_ahead.data(), kBlock));
            m_aheadUsed = 0;
            if (m_ahead.empty())
                break;
        }
        any = true;
        std::size_t lineEnd = m_ahead.find('\n', m_aheadUsed);
        std::size_t stop = lineEnd == std::string::npos ? m_ahead.size() : lineEnd;
        bytes.append(m_ahead, m_aheadUsed, stop - m_aheadUsed);
        m_aheadUsed = lineEnd == std::string::npos ? stop : stop + 1;
        if (lineEnd != std::string::npos)
            break;
    }
    if (!bytes.empty() && bytes.back() == '\r')
        bytes.pop_back();
    line = ansiToWide(bytes);
    return any;
}

std::size_t CStdioFile::Read(void* buffer, std::size_t count) {
    std::size_t fromAhead = std::min(count, unread());
    if (fromAhead)
        std::memcpy(buffer, m_ahead.data() + m_aheadUsed, fromAhead);
    m_aheadUsed += fromAhead;
    if (fromAhead == count)
        return count;
    return fromAhead + CFile::Read(static_cast<char*>(buffer) + fromAhead, count - fromAhead);
}

void CStdioFile::returnReadAhead() {
    if (unread())
        CFile::Seek(-std::int64_t(unread()), current);
    m_ahead.clear();
    m_aheadUsed = 0;
}

void CStdioFile::Write(const void* buffer, std::size_t count) {
    returnReadAhead();
    CFile::Write(buffer, count);
}

std::uint64_t CStdioFile::Seek(std::int64_t offset, SeekPosition from) {
    // A relative move starts from the position the caller knows.
    if (from == current)
        offset -= std::int64_t(unread());
    std::uint64_t position = CFile::Seek(offset, from);
    m_ahead.clear();
    m_aheadUsed = 0;
    return position;
}

std::uint64_t CStdioFile::GetPosition() const {
    return CFile::GetPosition() - unread();
}

void CStdioFile::SetLength(std::uint64_t length) {
    returnReadAhead();
    CFile::SetLength(length);
}

} // namespace zn

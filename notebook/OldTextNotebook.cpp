// The old text notebook: "NAME //COUNT" index lines up to "// Data:", then the texts back
// to back, each exactly COUNT bytes.
#include <charconv>

#include "notebook/OldNotebooks.h"
#include "platform/text/CodePage.h"

namespace notebook {

namespace {

class LineReader {
public:
    explicit LineReader(std::string_view bytes) : m_bytes(bytes) {}
    // The next line without LF or CR LF; false at the end.
    bool next(std::string_view& line) {
        if (m_position >= m_bytes.size())
            return false;
        size_t end = m_bytes.find('\n', m_position);
        size_t stop = end == std::string_view::npos ? m_bytes.size() : end;
        line = m_bytes.substr(m_position, stop - m_position);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_position = end == std::string_view::npos ? m_bytes.size() : end + 1;
        return true;
    }
    std::string_view rest() const { return m_bytes.substr(m_position); }

private:
    std::string_view m_bytes;
    size_t m_position = 0;
};

bool parseCount(std::string_view text, size_t& count) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    return error == std::errc() && end != text.data();
}

} // namespace

OldTextNotebook ReadOldTextNotebook(std::string_view bytes,
                                    const std::vector<ZnsStringW>& headers) {
    OldTextNotebook result;
    LineReader lines(bytes);
    std::string_view line;
    bool accepted = false;
    if (lines.next(line)) {
        ZnsStringW first = zn::ansiToWide(line);
        for (const ZnsStringW& header : headers)
            accepted = accepted || first == header;
    }
    if (!accepted) {
        result.status = OldTextNotebook::NotOldText;
        return result;
    }
    std::vector<size_t> counts;
    while (lines.next(line) && line != "// Data:") {
        size_t marks = line.find("//");
        // A line without the mark ends the index as "// Data:" would.
        if (marks == std::string_view::npos)
            break;
        size_t count = 0;
        if (!parseCount(line.substr(marks + 2), count)) {
            result.status = OldTextNotebook::ReadError;
            return result;
        }
        // The name stands before the one blank in front of the mark.
        std::string_view name = line.substr(0, marks == 0 ? 0 : marks - 1);
        result.pages.emplace_back(zn::ansiToWide(name), ZnsStringW());
        counts.push_back(count);
    }
    std::string_view texts = lines.rest();
    for (size_t i = 0; i < counts.size(); ++i) {
        if (counts[i] > texts.size()) {
            result.status = OldTextNotebook::ReadError;
            result.pages.clear();
            return result;
        }
        result.pages[i].second = zn::ansiToWide(texts.substr(0, counts[i]));
        texts.remove_prefix(counts[i]);
    }
    return result;
}

} // namespace notebook

// A table of unique formats: runs store small indices and equal formats share one entry.
// Entries are never removed; a document's format vocabulary is small.
#pragma once

#include <vector>

namespace zn::richedit {

template <class Format>
class FormatTable {
public:
    // The index of a format equal to `format` (by `sameAs`), adding it when new.
    int Intern(const Format& format) {
        for (size_t i = 0; i < m_formats.size(); ++i)
            if (m_formats[i].sameAs(format))
                return int(i);
        m_formats.push_back(format);
        return int(m_formats.size() - 1);
    }
    const Format& operator[](int index) const { return m_formats[size_t(index)]; }
    int Size() const { return int(m_formats.size()); }

private:
    std::vector<Format> m_formats;
};

} // namespace zn::richedit

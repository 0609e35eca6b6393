// A table of unique formats: runs store small indices and equal formats share one entry.
// Entries are never removed; a document's format vocabulary is small, but a hash keeps a
// pathological one from making every lookup a scan.
#pragma once

#include <unordered_map>
#include <vector>

namespace zn::richedit {

template <class Format> class FormatTable {
public:
    // The index of a format equal to `format` (by `sameAs`), adding it when new.
    int Intern(const Format& format) {
        const size_t key = format.hash();
        const auto [first, last] = m_byHash.equal_range(key);
        for (auto it = first; it != last; ++it)
            if (m_formats[size_t(it->second)].sameAs(format))
                return it->second;
        m_formats.push_back(format);
        const int index = int(m_formats.size() - 1);
        m_byHash.emplace(key, index);
        return index;
    }
    const Format& operator[](int index) const { return m_formats[size_t(index)]; }
    int Size() const { return int(m_formats.size()); }

private:
    std::vector<Format> m_formats;
    std::unordered_multimap<size_t, int> m_byHash;
};

} // namespace zn::richedit

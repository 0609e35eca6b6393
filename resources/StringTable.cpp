// Parses the embedded string tables on first use.
#include "resources/StringTable.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/text/CodePage.h"

extern const char kStringsNeutral[];
extern const std::size_t kStringsNeutralSize;
extern const char kStrings1033[];
extern const std::size_t kStrings1033Size;
extern const char kStrings1049[];
extern const std::size_t kStrings1049Size;
extern const char kStrings3082[];
extern const std::size_t kStrings3082Size;

namespace res {

namespace {

std::string unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char next = text[++i];
        out += next == 'n' ? '\n' : next == 't' ? '\t' : next;
    }
    return out;
}

StringTable parse(std::string_view data) {
    StringTable table;
    while (!data.empty()) {
        size_t end = data.find('\n');
        std::string_view line = data.substr(0, end);
        data.remove_prefix(end == std::string_view::npos ? data.size() : end + 1);
        size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string_view::npos)
            continue;
        unsigned id = unsigned(std::strtoul(std::string(line.substr(0, tab)).c_str(), nullptr, 10));
        table[id] = zn::fromUtf8(unescape(line.substr(tab + 1)));
    }
    return table;
}

} // namespace

const StringTable& stringTable(int language) {
    static const StringTable neutral = parse({kStringsNeutral, kStringsNeutralSize});
    static const StringTable english = parse({kStrings1033, kStrings1033Size});
    static const StringTable russian = parse({kStrings1049, kStrings1049Size});
    static const StringTable spanish = parse({kStrings3082, kStrings3082Size});
    switch (language) {
    case 1033:
        return english;
    case 1049:
        return russian;
    case 3082:
        return spanish;
    default:
        return neutral;
    }
}

int LoadStringW(unsigned id, char16_t* buffer, int bufferSize) {
    if (bufferSize <= 0)
        return 0;
    const StringTable& table = stringTable(zn::interfaceLanguage());
    auto it = table.find(id);
    if (it == table.end()) {
        buffer[0] = 0;
        return 0;
    }
    int n = std::min(int(it->second.size()), bufferSize - 1);
    std::copy_n(it->second.data(), n, buffer);
    buffer[n] = 0;
    return n;
}

ZnsStringW LoadStringW(unsigned id) {
    char16_t buffer[kStringBufferSize];
    int n = LoadStringW(id, buffer, int(kStringBufferSize));
    return ZnsStringW(buffer, size_t(n));
}

} // namespace res

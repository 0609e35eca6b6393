#include "apps/ShellWords.h"

#include <cmath>

#include "platform/text/ZnsString.h"

std::optional<std::vector<std::string>> SplitShellWords(const std::string& line,
                                                        std::string& error) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        if (line[i] == '#')
            break;
        std::string word;
        bool quoted = false;
        for (; i < line.size(); ++i) {
            char c = line[i];
            if (quoted && c == '\\' && i + 1 < line.size())
                word += line[++i];
            else if (c == '"')
                quoted = !quoted;
            else if (!quoted && (c == ' ' || c == '\t' || c == '\r'))
                break;
            else
                word += c;
        }
        if (quoted) {
            error = "a quote is not closed";
            return std::nullopt;
        }
        words.push_back(word);
    }
    return words;
}

std::optional<double> ParseNumber(const std::string& word) {
    size_t consumed = 0;
    double value = zn::parseDoubleC(word, &consumed);
    if (word.empty() || consumed != word.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

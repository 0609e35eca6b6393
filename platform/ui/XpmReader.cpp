// XPM reading: the C-array text is reduced to its quoted strings (values, colours, rows),
// each remembered with its line for error reports.
#include "platform/ui/XpmReader.h"

#include <cctype>
#include <map>
#include <sstream>
#include <vector>

namespace zn::ui {

namespace {

struct QuotedString {
    std::string text;
    int line = 0;
};

XpmResult failure(XpmStatus status, int line, std::string message) {
    return {status, line, std::move(message)};
}

// The quoted strings of the text, outside comments. Answers false when the text does not
// begin (after blanks) with the XPM comment.
bool quotedStrings(std::string_view text, std::vector<QuotedString>& out, int& badLine) {
    size_t i = 0;
    int line = 1;
    bool sawHeader = false;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\n') {
            ++line, ++i;
        } else if (text.compare(i, 2, "/*") == 0) {
            size_t end = text.find("*/", i + 2);
            std::string_view body = text.substr(
                i + 2, end == std::string_view::npos ? std::string_view::npos : end - i - 2);
            if (!sawHeader && out.empty()) {
                std::string word;
                std::istringstream(std::string(body)) >> word;
                sawHeader = word == "XPM";
            }
            for (char b : body)
                line += b == '\n';
            i = end == std::string_view::npos ? text.size() : end + 2;
        } else if (!sawHeader && !std::isspace(static_cast<unsigned char>(c))) {
            badLine = line;
            return false;
        } else if (c == '"') {
            QuotedString s{{}, line};
            for (++i; i < text.size() && text[i] != '"' && text[i] != '\n'; ++i) {
                if (text[i] == '\\' && i + 1 < text.size())
                    ++i;
                s.text += text[i];
            }
            ++i; // the closing quote (an unclosed string ends at the line's end)
            out.push_back(std::move(s));
        } else {
            ++i;
        }
    }
    badLine = line;
    return sawHeader;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = char(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// "#RGB", "#RRGGBB" or "#RRRRGGGGBBBB" (the high digits of each component count), and the
// two names every XPM writer uses for the extremes.
std::optional<COLORREF> parseColour(const std::string& value) {
    std::string lower;
    for (char c : value)
        lower += char(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "black")
        return RGB(0, 0, 0);
    if (lower == "white")
        return RGB(255, 255, 255);
    if (value.size() < 2 || value[0] != '#' || (value.size() - 1) % 3 != 0)
        return std::nullopt;
    size_t digits = (value.size() - 1) / 3;
    if (digits > 4)
        return std::nullopt;
    int component[3] = {};
    for (int k = 0; k < 3; ++k) {
        int v = 0;
        for (size_t d = 0; d < digits; ++d) {
            int h = hexDigit(value[1 + size_t(k) * digits + d]);
            if (h < 0)
                return std::nullopt;
            v = v * 16 + h;
        }
        // Scale to 8 bits: one digit repeats (F -> FF), longer ones keep their high byte.
        component[k] = digits == 1 ? v * 17 : v >> (4 * (digits - 2));
    }
    return RGB(component[0], component[1], component[2]);
}

struct Colour {
    COLORREF rgb = 0;
    bool none = false;
};

// A colour line after its code: key/value pairs; the colour visual ("c") wins over the
// grey and mono ones, which stand in when it is missing.
XpmResult parseColourLine(const QuotedString& line, size_t codeLength, Colour& out) {
    std::istringstream words(line.text.substr(codeLength));
    std::map<std::string, std::string> byKey;
    std::string word, key;
    while (words >> word) {
        if (word == "c" || word == "m" || word == "g" || word == "g4" || word == "s") {
            key = word;
            byKey[key];
        } else if (key.empty()) {
            return failure(XpmStatus::BadColour, line.line, "colour value without a key");
        } else {
            std::string& value = byKey[key];
            value += (value.empty() ? "" : " ") + word;
        }
    }
    std::string value;
    for (const char* k : {"c", "g", "g4", "m"})
        if (auto it = byKey.find(k); it != byKey.end() && !it->second.empty()) {
            value = it->second;
            break;
        }
    if (value.empty())
        return failure(XpmStatus::BadColour, line.line, "no colour given");
    std::string lower;
    for (char c : value)
        lower += char(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "none") {
        out.none = true;
        return {};
    }
    std::optional<COLORREF> rgb = parseColour(value);
    if (!rgb)
        return failure(XpmStatus::BadColour, line.line,
                       "colour '" + value + "' is not #RGB, #RRGGBB, black, white or None");
    out.rgb = *rgb;
    return {};
}

} // namespace

XpmResult ReadXpm(std::string_view text, XpmImage& out) {
    std::vector<QuotedString> strings;
    int lastLine = 0;
    if (!quotedStrings(text, strings, lastLine))
        return failure(XpmStatus::NotXpm, lastLine, "not an XPM picture (no /* XPM */ header)");
    if (strings.empty())
        return failure(XpmStatus::NotXpm, lastLine, "no values line");

    const QuotedString& values = strings[0];
    std::istringstream in(values.text);
    int width = 0, height = 0, colours = 0, codeLength = 0;
    if (!(in >> width >> height >> colours >> codeLength) || width <= 0 || height <= 0 ||
        colours <= 0 || codeLength <= 0 || codeLength > 4 || width > 4096 || height > 4096)
        return failure(XpmStatus::BadValues, values.line,
                       "values must be positive width, height, colours and chars per pixel");
    XpmImage image;
    int hotX = 0, hotY = 0;
    if (in >> hotX >> hotY) {
        if (hotX < 0 || hotY < 0 || hotX >= width || hotY >= height)
            return failure(XpmStatus::BadValues, values.line, "hot spot outside the picture");
        image.hotSpot = CPoint{hotX, hotY};
    }

    size_t needed = 1 + size_t(colours) + size_t(height);
    if (strings.size() < needed)
        return failure(XpmStatus::MissingRows, lastLine,
                       "the picture ends after " + std::to_string(strings.size()) + " strings; " +
                           std::to_string(needed) + " expected");

    std::map<std::string, Colour> palette;
    for (int k = 0; k < colours; ++k) {
        const QuotedString& line = strings[1 + size_t(k)];
        if (line.text.size() < size_t(codeLength))
            return failure(XpmStatus::BadColour, line.line, "colour line shorter than its code");
        Colour colour;
        if (XpmResult r = parseColourLine(line, size_t(codeLength), colour); !r)
            return r;
        palette[line.text.substr(0, size_t(codeLength))] = colour;
    }

    image.image = PixelImage(width, height);
    for (int y = 0; y < height; ++y) {
        const QuotedString& row = strings[1 + size_t(colours) + size_t(y)];
        if (row.text.size() != size_t(width) * size_t(codeLength))
            return failure(XpmStatus::BadPixels, row.line,
                           "row has " + std::to_string(row.text.size()) + " characters; " +
                               std::to_string(width * codeLength) + " expected");
        for (int x = 0; x < width; ++x) {
            std::string code = row.text.substr(size_t(x) * size_t(codeLength), size_t(codeLength));
            auto it = palette.find(code);
            if (it == palette.end())
                return failure(XpmStatus::BadPixels, row.line,
                               "undefined colour code '" + code + "' in column " +
                                   std::to_string(x + 1));
            image.image.Set(x, y, it->second.rgb);
            if (it->second.none)
                image.image.SetTransparent(x, y, true);
        }
    }
    out = std::move(image);
    return {};
}

} // namespace zn::ui

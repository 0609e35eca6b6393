#include "simhost/TextLayout.h"

namespace simhost {

namespace {

char32_t codePointAt(std::u16string_view text, size_t& i) {
    char32_t ch = text[i];
    if (ch >= 0xD800 && ch < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
        ch = 0x10000 + ((ch - 0xD800) << 10) + (text[i + 1] - 0xDC00);
        ++i;
    }
    return ch;
}

struct Breaker {
    const TextStyle& style;
    double height;
    double width;
    std::vector<LaidOutLine>& lines;

    double measure(std::u16string_view text) const { return MeasureLine(text, style, height); }

    // Breaks a word that alone is wider than the line between characters.
    void breakWord(std::u16string_view word, ZnsStringW& line) {
        for (size_t i = 0; i < word.size(); ++i) {
            size_t start = i;
            codePointAt(word, i);
            std::u16string_view piece = word.substr(start, i + 1 - start);
            ZnsStringW trial = line + ZnsStringW(piece);
            if (!line.empty() && measure(trial) > width) {
                lines.push_back({line, measure(line)});
                line = ZnsStringW(piece);
            } else {
                line = trial;
            }
        }
    }

    void paragraph(std::u16string_view text) {
        if (width <= 0) {
            lines.push_back({ZnsStringW(text), measure(text)});
            return;
        }
        ZnsStringW line;
        size_t at = 0;
        while (at <= text.size()) {
            size_t blank = text.find(u' ', at);
            std::u16string_view word =
                text.substr(at, blank == std::u16string_view::npos ? blank : blank - at);
            ZnsStringW trial = line.empty() ? ZnsStringW(word) : line + u' ' + ZnsStringW(word);
            if (measure(trial) <= width) {
                line = trial;
            } else if (!line.empty() && measure(word) <= width) {
                lines.push_back({line, measure(line)});
                line = ZnsStringW(word);
            } else {
                if (!line.empty())
                    line += u' ';
                breakWord(word, line);
            }
            if (blank == std::u16string_view::npos)
                break;
            at = blank + 1;
        }
        lines.push_back({line, measure(line)});
    }
};

} // namespace

double MeasureLine(std::u16string_view text, const TextStyle& style, double height) {
    double ems = 0;
    for (size_t i = 0; i < text.size(); ++i)
        ems += style.font->Advance(codePointAt(text, i));
    return ems * height / style.font->CapHeight() * style.widthFactor;
}

LaidOutText LayOutText(const std::vector<ZnsStringW>& paragraphs, const ZnsTextParams& params,
                       double width, const TextStyles& styles) {
    LaidOutText text;
    text.style = &styles.Find(params.style);
    text.capHeight = params.height;
    text.pitch = params.height * kLinePitchFactor;
    Breaker breaker{*text.style, params.height, width, text.lines};
    for (const ZnsStringW& paragraph : paragraphs)
        breaker.paragraph(paragraph);
    for (const LaidOutLine& line : text.lines)
        text.width = std::max(text.width, line.width);
    if (!text.lines.empty())
        text.height = params.height + text.pitch * double(text.lines.size() - 1);
    return text;
}

} // namespace simhost

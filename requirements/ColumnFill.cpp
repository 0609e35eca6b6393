// Pouring the text into a column: the text left for the column is cut into pieces (at
// paragraph marks, or line by line in a scratch control for the older modes), each piece is
// measured at the column width by the host's text object, and what does not fit is kept as
// one more column text for the next column. Header paragraphs at the start of the text get a
// column text of their own.
#include <cmath>

#include "host/ClassIds.h"
#include "host/Services.h"
#include "host/TextObject.h"
#include "platform/richedit/RichEditModel.h"
#include "platform/text/CodePage.h"
#include "requirements/ItemPrefix.h"
#include "requirements/RtfContent.h"
#include "requirements/ZnTText.h"

namespace {

constexpr double kDegreesToRadians = 6.283185307179586 / 360.0;

// The scratch control's RTF as content: stored RTF is 7-bit, the code page only matters for
// raw bytes.
std::string contentBytes(const ZnsStringW& rtf) {
    return zn::wideToAnsi(rtf);
}
ZnsStringW contentText(const std::string& bytes) {
    return zn::ansiToWide(bytes);
}

// The gap after a paragraph in units of its height: the line spacing of its last paragraph
// (in twentieths of a line) read in a scratch control.
double lineFactor(const ZnsStringW& rtf) {
    zn::richedit::RichEditModel scratch;
    scratch.StreamInRtf(contentBytes(rtf), false);
    // A text that ends with a paragraph mark has that paragraph last, not the empty one the
    // model opens after it.
    int end = scratch.GetTextLength();
    if (end > 0 && scratch.GetText()[size_t(end - 1)] == u'\r')
        --end;
    int lastLine = scratch.LineFromChar(end);
    int start = scratch.LineIndex(lastLine);
    zn::richedit::ParaFormat format = scratch.GetParaFormat(start, std::max(start, end));
    if (format.lineSpacingRule == 5 && format.lineSpacing == 30)
        return 1.25;
    if (format.lineSpacingRule == 5 && format.lineSpacing == 40)
        return 2.0;
    return 0.5;
}

} // namespace

ZnsTextParams CZnTText::textParams(bool header) const {
    const ZnParameterSet& parameters = GetParameters();
    ZnsTextParams params;
    params.style = parameters.GetText(header ? kTTParamHeaderStyle : kTTParamStyle);
    params.color = parameters.GetInteger(header ? kTTParamHeaderColor : kTTParamColor);
    params.height =
        parameters.GetDouble(header ? kTTParamHeaderHeight : kTTParamFontHeight) * GetScale();
    params.oblique =
        parameters.GetInteger(header ? kTTParamHeaderOblique : kTTParamOblique) * kDegreesToRadians;
    return params;
}

double CZnTText::measure(const ZnsStringW& rtf, double width, bool header) const {
    ZnPtr<IZnTextObject> text = ZnCreate<IZnTextObject>(CLSID_ZnTextObject);
    ZnsBox3 box;
    if (!text || FAILED(text->SetContent(rtf, ZnsContentKind::Rtf)) ||
        FAILED(text->SetWidth(width)) || FAILED(text->SetTextParams(textParams(header))) ||
        FAILED(text->GetExtents(box)))
        return 0.0;
    return box.Height();
}

ZnsStringW CZnTText::gatherRest(std::int32_t index) {
    ZnsStringW rest;
    if (m_columnTexts.empty() && index == 0)
        rest = m_content;
    const std::int32_t start = index + (index >= m_headerIndex && m_headerCount != 0 ? 1 : 0);
    for (std::int32_t i = start; i < GetColumnTextCount(); ++i)
        AppendRtf(rest, m_columnTexts[size_t(i)]);
    if (start >= 0 && start < GetColumnTextCount())
        m_columnTexts.resize(size_t(start));
    return rest;
}

std::int32_t CZnTText::FillColumn(std::int32_t index, std::int32_t flag) {
    writeEnabled();
    const bool keepHeader = flag && index == m_headerIndex && m_headerCount != 0 && index >= 0 &&
                            index < GetColumnTextCount();
    std::vector<ZnsStringW> pieces;
    if (!keepHeader) {
        std::int32_t headers = SplitRtfParagraphs(gatherRest(index), pieces, index <= 0);
        return pourPieces(index, pieces, headers);
    }
    // The header text stays this column's own text; the body after it starts below the
    // header's height and its gap, both measured again as the header may have changed.
    const ZnsStringW& header = m_columnTexts[size_t(index)];
    m_extraValue =
        lineFactor(header) * GetScale() * GetParameters().GetDouble(kTTParamHeaderHeight);
    const double headerUsed = measure(header, columnWidth(index), true) + m_extraValue;
    SplitRtfParagraphs(gatherRest(index), pieces, false);
    return pourPieces(index, pieces, 0, headerUsed);
}

std::int32_t CZnTText::fillColumnByLines(std::int32_t index) {
    writeEnabled();
    zn::richedit::RichEditModel scratch;
    scratch.StreamInRtf(contentBytes(gatherRest(index)), false);
    std::vector<ZnsStringW> pieces;
    std::int32_t headers = 0;
    // An empty text has no first line to be its header.
    const bool hasText = scratch.GetText().find_first_not_of(u'\r') != ZnsStringW::npos;
    const int lines = scratch.GetLineCount();
    for (int line = 0; line < lines; ++line) {
        const int start = scratch.LineIndex(line);
        const bool marked = line + 1 < lines;
        const int end = marked ? scratch.LineIndex(line + 1) - 1 : scratch.GetTextLength();
        if (line == 0 && index <= 0 && hasText && !StartsWithItemPrefix(scratch.GetLine(0)))
            headers = 1;
        if (start == end && !marked)
            break; // nothing after the last mark
        // The line without its mark, closed with a paragraph mark as the paragraph cut
        // closes its pieces, so pieces glue together the same way.
        scratch.SetSel(start, end);
        ZnsStringW piece = contentText(scratch.GetRtf(true));
        if (marked && !piece.empty() && piece.back() == u'}') {
            piece.pop_back();
            piece += u"\\par}";
        }
        pieces.push_back(std::move(piece));
    }
    return pourPieces(index, pieces, headers, 0.0, true);
}

double CZnTText::columnWidth(std::int32_t index) const {
    if (index < 0 || index >= GetColumnCount())
        return 0.0;
    const ZnsTTColumn& column = m_columns[size_t(index)];
    return std::fabs(column.second.x - column.first.x);
}

std::int32_t CZnTText::pourPieces(std::int32_t index, const std::vector<ZnsStringW>& pieces,
                                  std::int32_t headers, double used, bool statedInFull) {
    const double width = columnWidth(index);
    double height = 0;
    if (index >= 0 && index < GetColumnCount()) {
        const ZnsTTColumn& column = m_columns[size_t(index)];
        height = std::fabs(column.first.y - column.second.y);
    }
    if (headers > 0) {
        m_headerIndex = index;
        m_headerCount = 0;
    }
    const double scale = GetScale();
    double gap = 0;
    ZnsStringW current;
    size_t i = 0;
    for (; i < pieces.size(); ++i) {
        const bool header = std::int32_t(i) < headers;
        used += measure(pieces[i], width, header);
        if (height > 0 && used > height)
            break;
        if (std::int32_t(i) == headers && headers >= 1) {
            m_headerCount = 1;
            m_extraValue = gap;
            m_columnTexts.push_back(std::move(current));
            current.clear();
        }
        AppendRtf(current, pieces[i]);
        // The spacing is read from the column text built so far: a paragraph may keep the
        // spacing of the one before it, which the piece alone does not show. A piece that
        // states its format in full is that last paragraph, and reading it alone keeps a
        // tall column linear.
        gap = lineFactor(statedInFull ? pieces[i] : current) * scale *
              GetParameters().GetDouble(header ? kTTParamHeaderHeight : kTTParamFontHeight);
        used += gap;
    }
    m_columnTexts.push_back(std::move(current));
    ZnsStringW rest;
    for (; i < pieces.size(); ++i)
        AppendRtf(rest, pieces[i]);
    if (rest.empty())
        return 0;
    m_columnTexts.push_back(std::move(rest));
    return 1;
}

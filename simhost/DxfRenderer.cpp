#include "simhost/DxfRenderer.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <cmath>
#include <functional>
#include <set>

#include "platform/text/ZnsString.h"
#include "simhost/TextPlacement.h"

namespace simhost {

namespace {

constexpr double kPi = 3.141592653589793;
// An MTEXT line spacing factor of 1 puts baselines 5/3 of the text height apart.
constexpr double kMTextPitchAtFactorOne = 5.0 / 3.0;
constexpr int kColorByLayer = 256;
constexpr int kColorBlack = 7;
constexpr int kWeightByLayer = -1;

// dxflib writes through an output file; collecting the groups in memory lets the host write
// the file the way it writes every other one (atomically).
class MemoryWriter : public DL_WriterA {
public:
    MemoryWriter() : DL_WriterA("", DL_Codes::AC1015) {}

    void dxfReal(int gc, double value) const override {
        std::string text = zn::formatA("%.10f", value);
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text += '0';
        dxfString(gc, text);
    }
    void dxfInt(int gc, int value) const override { dxfString(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override { dxfString(gc, zn::formatA("%0X", value)); }
    void dxfString(int gc, const char* value) const override { dxfString(gc, std::string(value)); }
    void dxfString(int gc, const std::string& value) const override {
        out += gc < 10 ? "  " : gc < 100 ? " " : "";
        out += std::to_string(gc);
        out += '\n';
        out += value;
        out += '\n';
    }

    mutable std::string out;
};

// MTEXT reads backslashes and braces as formatting.
std::u16string mtextEscaped(std::u16string_view text) {
    std::u16string escaped;
    for (char16_t ch : text) {
        if (ch == u'\\' || ch == u'{' || ch == u'}')
            escaped += u'\\';
        escaped += ch;
    }
    return escaped;
}

int dxfColor(std::int32_t color) {
    return color == kZnsColorByDefault ? kColorByLayer : kColorBlack;
}

int trueColor(std::int32_t color) {
    return color == kZnsColorByDefault ? -1 : int(InkRgb(color));
}

double degrees(double radians) {
    return radians * 180 / kPi;
}

struct MText {
    ZnsPoint3 at;
    ZnsPoint3 direction;
    double height = 0;
    int attachment = 1;
    std::string style;
    std::vector<std::string> pieces; // at most 250 bytes each
};

// MTEXT content in pieces of at most 250 bytes, cut between characters only: a reader
// decodes each piece's \U+XXXX escapes on its own.
std::vector<std::string> pieces(std::u16string_view text) {
    constexpr size_t kPieceBytes = 250;
    std::vector<std::string> pieces(1);
    for (char16_t ch : text) {
        std::string encoded = DxfText(std::u16string_view(&ch, 1));
        if (pieces.back().size() + encoded.size() > kPieceBytes)
            pieces.emplace_back();
        pieces.back() += encoded;
    }
    return pieces;
}

// dxflib cuts MTEXT content every 250 bytes wherever that falls, even inside an escape, so
// the MTEXT is written group by group here.
void writeMText(DL_WriterA& dw, const MText& text, const DL_Attributes& attrib) {
    dw.entity("MTEXT");
    dw.dxfString(100, "AcDbEntity");
    dw.entityAttributes(attrib);
    dw.dxfString(100, "AcDbMText");
    dw.dxfReal(10, text.at.x);
    dw.dxfReal(20, text.at.y);
    dw.dxfReal(30, 0);
    dw.dxfReal(40, text.height);
    dw.dxfReal(41, 0);
    dw.dxfInt(71, text.attachment);
    dw.dxfInt(72, 1); // left to right
    for (size_t i = 0; i + 1 < text.pieces.size(); ++i)
        dw.dxfString(3, text.pieces[i]);
    dw.dxfString(1, text.pieces.back());
    dw.dxfString(7, text.style);
    dw.dxfReal(11, text.direction.x);
    dw.dxfReal(21, text.direction.y);
    dw.dxfReal(31, 0);
    dw.dxfInt(73, 2); // exact line spacing
    dw.dxfReal(44, kLinePitchFactor / kMTextPitchAtFactorOne);
}

} // namespace

std::string DxfText(std::u16string_view text) {
    std::string out;
    for (char16_t ch : text) {
        if (ch >= 0x20 && ch < 0x7F)
            out += char(ch);
        else if (ch < 0x20)
            out += ' ';
        else
            out += zn::formatA("\\U+%04X", unsigned(ch));
    }
    return out;
}

struct DxfRenderer::Impl {
    Impl(const TextStyles& styles, const SheetPage& page) : styles(styles), page(page) {}

    using Write = std::function<void(DL_Dxf&, DL_WriterA&)>;

    const TextStyles& styles;
    SheetPage page;
    std::string layer = "0";
    double weight = 0;
    std::set<std::string> layers{"0"};
    std::vector<Write> entities;

    DL_Attributes attributes(std::int32_t color) const {
        DL_Attributes result(layer, dxfColor(color), trueColor(color),
                             weight > 0 ? int(std::lround(weight * 100)) : kWeightByLayer,
                             "BYLAYER");
        return result;
    }

    void writeTables(DL_Dxf& dxf, DL_WriterA& dw) const;
    void writeLines(const ZnsTextPrimitive& text, const PlacedText& placed);
    void writeColumn(const ZnsTextPrimitive& text, const PlacedText& placed);
};

void DxfRenderer::Impl::writeTables(DL_Dxf& dxf, DL_WriterA& dw) const {
    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(int(layers.size()));
    for (const std::string& name : layers)
        dxf.writeLayer(dw, DL_LayerData(name, 0),
                       DL_Attributes("", kColorBlack, -3, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(int(styles.Styles().size()));
    for (const TextStyle& style : styles.Styles()) {
        // dxflib names a TrueType font by its family, in the style's extended data.
        DL_StyleData data(DxfText(style.name), 0, 0.0, style.widthFactor, degrees(style.oblique), 0,
                          2.5, style.font->FamilyName(), "");
        dxf.writeStyle(dw, data);
    }
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 1.25, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();
}

// A wrapped text: one MTEXT, our lines as its paragraphs, no width so no reader wraps again.
void DxfRenderer::Impl::writeColumn(const ZnsTextPrimitive& text, const PlacedText& placed) {
    MText mtext;
    mtext.at = text.position;
    mtext.direction = placed.direction;
    mtext.height = text.params.height;
    mtext.attachment = 1 + std::clamp(text.alignment, 0, 2) + 3 * std::clamp(text.anchor, 0, 2);
    mtext.style = DxfText(placed.layout.style->name);
    std::u16string content;
    if (text.params.oblique != 0) {
        double oblique = degrees(text.params.oblique + placed.layout.style->oblique);
        content = u"\\Q" + zn::fromUtf8(zn::formatA("%.3f", oblique)) + u";";
    }
    for (size_t i = 0; i < placed.layout.lines.size(); ++i) {
        if (i > 0)
            content += u"\\P";
        content += mtextEscaped(placed.layout.lines[i].text);
    }
    mtext.pieces = pieces(content);
    DL_Attributes attrib = attributes(text.params.color);
    entities.push_back([mtext, attrib](DL_Dxf&, DL_WriterA& dw) { writeMText(dw, mtext, attrib); });
}

// An unwrapped text: one TEXT per line, standing on its baseline at the alignment point.
void DxfRenderer::Impl::writeLines(const ZnsTextPrimitive& text, const PlacedText& placed) {
    int alignment = std::clamp(text.alignment, 0, 2);
    for (size_t i = 0; i < placed.layout.lines.size(); ++i) {
        const LaidOutLine& line = placed.layout.lines[i];
        ZnsPoint3 start = placed.baselines[i];
        ZnsPoint3 aligned = start + placed.direction * (line.width * alignment / 2);
        DL_TextData data(start.x, start.y, 0, aligned.x, aligned.y, 0, text.params.height,
                         placed.layout.style->widthFactor, 0, alignment, 0, DxfText(line.text),
                         DxfText(placed.layout.style->name),
                         degrees(std::atan2(placed.direction.y, placed.direction.x)));
        DL_Attributes attrib = attributes(text.params.color);
        entities.push_back(
            [data, attrib](DL_Dxf& dxf, DL_WriterA& dw) { dxf.writeText(dw, data, attrib); });
    }
}

DxfRenderer::DxfRenderer(const TextStyles& styles, const SheetPage& page)
    : m_impl(new Impl(styles, page)) {}

DxfRenderer::~DxfRenderer() = default;

void DxfRenderer::BeginObject(const IZnEntity& entity) {
    m_impl->layer = entity.GetLayer().empty() ? "0" : DxfText(entity.GetLayer());
    m_impl->layers.insert(m_impl->layer);
}

void DxfRenderer::SetLineWeight(double millimetres) {
    m_impl->weight = millimetres;
}

void DxfRenderer::Line(const ZnsPoint3& from, const ZnsPoint3& to, std::int32_t color) {
    DL_LineData data(from.x, from.y, 0, to.x, to.y, 0);
    DL_Attributes attrib = m_impl->attributes(color);
    m_impl->entities.push_back(
        [data, attrib](DL_Dxf& dxf, DL_WriterA& dw) { dxf.writeLine(dw, data, attrib); });
}

void DxfRenderer::Polyline(const std::vector<ZnsPoint3>& points, bool closed, std::int32_t color) {
    DL_Attributes attrib = m_impl->attributes(color);
    m_impl->entities.push_back([points, closed, attrib](DL_Dxf& dxf, DL_WriterA& dw) {
        dxf.writePolyline(dw, DL_PolylineData(int(points.size()), 0, 0, closed ? 1 : 0), attrib);
        for (const ZnsPoint3& p : points)
            dxf.writeVertex(dw, DL_VertexData(p.x, p.y, 0, 0));
        dxf.writePolylineEnd(dw);
    });
}

void DxfRenderer::Text(const ZnsTextPrimitive& text) {
    PlacedText placed = PlaceText(text, m_impl->styles);
    if (placed.layout.lines.empty())
        return;
    if (text.width > 0)
        m_impl->writeColumn(text, placed);
    else
        m_impl->writeLines(text, placed);
}

std::string DxfRenderer::Document() const {
    DL_Dxf dxf;
    MemoryWriter dw;
    dxf.writeHeader(dw);
    dw.dxfString(9, "$DWGCODEPAGE");
    dw.dxfString(3, "ANSI_1252");
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4); // millimetres
    dw.dxfString(9, "$LIMMAX");
    dw.dxfReal(10, m_impl->page.width);
    dw.dxfReal(20, m_impl->page.height);
    dw.sectionEnd();
    m_impl->writeTables(dxf, dw);
    dw.sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, block);
    }
    dw.sectionEnd();
    dw.sectionEntities();
    for (const Impl::Write& write : m_impl->entities)
        write(dxf, dw);
    dw.sectionEnd();
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    return dw.out;
}

std::string RenderDxf(Drawing& drawing, const TextStyles& styles, const SheetPage& page) {
    DxfRenderer renderer(styles, page);
    DrawSpace(drawing, renderer);
    return renderer.Document();
}

} // namespace simhost

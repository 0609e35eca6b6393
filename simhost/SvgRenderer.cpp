// pugixml builds and escapes the SVG document.
#include "simhost/SvgRenderer.h"

#include <pugixml.hpp>

#include <cmath>
#include <set>
#include <sstream>

#include "platform/text/ZnsString.h"
#include "simhost/TextPlacement.h"

namespace simhost {

namespace {

constexpr double kPi = 3.141592653589793;

std::string number(double value) {
    std::string text = zn::formatA("%.3f", value);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string colour(std::int32_t value) {
    return zn::formatA("#%06X", unsigned(InkRgb(value)));
}

} // namespace

struct SvgRenderer::Impl {
    pugi::xml_document document;
    pugi::xml_node root;
    pugi::xml_node ink;
};

SvgRenderer::SvgRenderer(const TextStyles& styles, double width, double height)
    : m_styles(styles), m_height(height), m_impl(new Impl) {
    pugi::xml_node svg = m_impl->document.append_child("svg");
    svg.append_attribute("xmlns") = "http://www.w3.org/2000/svg";
    svg.append_attribute("width") = (number(width) + "mm").c_str();
    svg.append_attribute("height") = (number(height) + "mm").c_str();
    svg.append_attribute("viewBox") = ("0 0 " + number(width) + " " + number(height)).c_str();
    std::ostringstream css;
    std::set<std::string> fonts;
    for (const TextStyle& style : styles.Styles())
        if (fonts.insert(style.font->Path()).second)
            css << "@font-face{font-family:'" << style.font->FamilyName() << "';src:url('file://"
                << style.font->Path() << "');}";
    svg.append_child("style").text() = css.str().c_str();
    pugi::xml_node paper = svg.append_child("rect");
    paper.append_attribute("width") = number(width).c_str();
    paper.append_attribute("height") = number(height).c_str();
    paper.append_attribute("fill") = "#FFFFFF";
    m_impl->ink = svg.append_child("g");
    m_impl->ink.append_attribute("fill") = "none";
    m_impl->ink.append_attribute("stroke-width") = "0.25";
    m_impl->ink.append_attribute("stroke-linecap") = "round";
}

SvgRenderer::~SvgRenderer() {
    delete m_impl;
}

void SvgRenderer::Line(const ZnsPoint3& from, const ZnsPoint3& to, std::int32_t color) {
    pugi::xml_node line = m_impl->ink.append_child("line");
    line.append_attribute("x1") = number(from.x).c_str();
    line.append_attribute("y1") = number(m_height - from.y).c_str();
    line.append_attribute("x2") = number(to.x).c_str();
    line.append_attribute("y2") = number(m_height - to.y).c_str();
    line.append_attribute("stroke") = colour(color).c_str();
    if (m_weight > 0)
        line.append_attribute("stroke-width") = number(m_weight).c_str();
}

void SvgRenderer::Polyline(const std::vector<ZnsPoint3>& points, bool closed, std::int32_t color) {
    std::string list;
    for (const ZnsPoint3& p : points)
        list += number(p.x) + "," + number(m_height - p.y) + " ";
    pugi::xml_node shape = m_impl->ink.append_child(closed ? "polygon" : "polyline");
    shape.append_attribute("points") = list.c_str();
    shape.append_attribute("stroke") = colour(color).c_str();
    if (m_weight > 0)
        shape.append_attribute("stroke-width") = number(m_weight).c_str();
}

void SvgRenderer::Text(const ZnsTextPrimitive& text) {
    PlacedText placed = PlaceText(text, m_styles);
    const TextStyle& style = *placed.layout.style;
    double emSize = text.params.height / style.font->CapHeight();
    double angle = std::atan2(placed.direction.y, placed.direction.x) * 180 / kPi;
    double slant = (text.params.oblique + style.oblique) * 180 / kPi;
    for (size_t i = 0; i < placed.layout.lines.size(); ++i) {
        const ZnsPoint3& at = placed.baselines[i];
        pugi::xml_node line = m_impl->ink.append_child("text");
        line.append_attribute("transform") =
            ("translate(" + number(at.x) + "," + number(m_height - at.y) + ") rotate(" +
             number(-angle) + ") skewX(" + number(-slant) + ") scale(" + number(style.widthFactor) +
             ",1)")
                .c_str();
        line.append_attribute("font-family") = style.font->FamilyName().c_str();
        line.append_attribute("font-size") = number(emSize).c_str();
        line.append_attribute("fill") = colour(text.params.color).c_str();
        line.append_attribute("stroke") = "none";
        line.append_attribute("xml:space") = "preserve";
        line.text() = zn::toUtf8(placed.layout.lines[i].text).c_str();
    }
}

std::string SvgRenderer::Document() const {
    std::ostringstream out;
    m_impl->document.save(out, "  ");
    return out.str();
}

std::string RenderSvg(Drawing& drawing, const TextStyles& styles, const SheetPage& page) {
    SvgRenderer renderer(styles, page.width, page.height);
    DrawSpace(drawing, renderer);
    return renderer.Document();
}

} // namespace simhost

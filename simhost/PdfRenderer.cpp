#include "simhost/PdfRenderer.h"

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>

#include <cmath>
#include <map>
#include <stdexcept>

#include "platform/text/ZnsString.h"
#include "simhost/TextPlacement.h"

namespace simhost {

namespace {

constexpr double kPointsPerMillimetre = 72 / 25.4;
constexpr double kThinLine = 0.25; // millimetres on paper

cairo_status_t append(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// cairo opens the font file itself, so the face lives as long as cairo needs it.
cairo_font_face_t* fontFace(const std::string& path) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(path.c_str()));
    FcPatternAddInteger(pattern, FC_INDEX, 0);
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(pattern);
    FcPatternDestroy(pattern);
    return face;
}

} // namespace

struct PdfRenderer::Impl {
    Impl(const TextStyles& styles, const SheetPage& page) : styles(styles), page(page) {}

    const TextStyles& styles;
    SheetPage page;
    std::string pdf;
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    std::map<std::string, cairo_font_face_t*> faces;

    ~Impl() {
        for (auto& [path, face] : faces)
            cairo_font_face_destroy(face);
        if (cr)
            cairo_destroy(cr);
        if (surface)
            cairo_surface_destroy(surface);
    }

    cairo_font_face_t* face(const std::string& path) {
        auto [it, added] = faces.try_emplace(path, nullptr);
        if (added)
            it->second = fontFace(path);
        return it->second;
    }

    void ink(std::int32_t color) {
        std::uint32_t rgb = InkRgb(color);
        cairo_set_source_rgb(cr, double(rgb >> 16) / 255, double((rgb >> 8) & 0xFF) / 255,
                             double(rgb & 0xFF) / 255);
    }

    // Drawing units with y up become the page's y down.
    double y(double value) const { return page.height - value; }

    void stroke(std::int32_t color, double weight) {
        ink(color);
        cairo_set_line_width(cr, (weight > 0 ? weight : kThinLine) * page.scale);
        cairo_stroke(cr);
    }
};

PdfRenderer::PdfRenderer(const TextStyles& styles, const SheetPage& page)
    : m_impl(new Impl(styles, page)) {
    double scale = page.scale > 0 ? page.scale : 1;
    m_impl->page.scale = scale;
    m_impl->surface = cairo_pdf_surface_create_for_stream(
        append, &m_impl->pdf, page.width / scale * kPointsPerMillimetre,
        page.height / scale * kPointsPerMillimetre);
    m_impl->cr = cairo_create(m_impl->surface);
    cairo_scale(m_impl->cr, kPointsPerMillimetre / scale, kPointsPerMillimetre / scale);
    cairo_set_line_cap(m_impl->cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(m_impl->cr, CAIRO_LINE_JOIN_ROUND);
}

PdfRenderer::~PdfRenderer() = default;

void PdfRenderer::Line(const ZnsPoint3& from, const ZnsPoint3& to, std::int32_t color) {
    cairo_move_to(m_impl->cr, from.x, m_impl->y(from.y));
    cairo_line_to(m_impl->cr, to.x, m_impl->y(to.y));
    m_impl->stroke(color, m_weight);
}

void PdfRenderer::Polyline(const std::vector<ZnsPoint3>& points, bool closed, std::int32_t color) {
    if (points.empty())
        return;
    for (const ZnsPoint3& p : points)
        cairo_line_to(m_impl->cr, p.x, m_impl->y(p.y));
    if (closed)
        cairo_close_path(m_impl->cr);
    m_impl->stroke(color, m_weight);
}

void PdfRenderer::Text(const ZnsTextPrimitive& text) {
    cairo_t* cr = m_impl->cr;
    PlacedText placed = PlaceText(text, m_impl->styles);
    if (placed.layout.lines.empty())
        return;
    const TextStyle& style = *placed.layout.style;
    cairo_set_font_face(cr, m_impl->face(style.font->Path()));
    cairo_set_font_size(cr, text.params.height / style.font->CapHeight());
    m_impl->ink(text.params.color);
    const double angle = std::atan2(placed.direction.y, placed.direction.x);
    const double slant = text.params.oblique + style.oblique;
    for (size_t i = 0; i < placed.layout.lines.size(); ++i) {
        const ZnsPoint3& at = placed.baselines[i];
        cairo_save(cr);
        cairo_translate(cr, at.x, m_impl->y(at.y));
        cairo_rotate(cr, -angle);
        cairo_matrix_t skew;
        cairo_matrix_init(&skew, 1, 0, -std::tan(slant), 1, 0, 0);
        cairo_transform(cr, &skew);
        cairo_scale(cr, style.widthFactor, 1);
        cairo_move_to(cr, 0, 0);
        cairo_show_text(cr, zn::toUtf8(placed.layout.lines[i].text).c_str());
        cairo_restore(cr);
    }
}

std::string PdfRenderer::Document() {
    cairo_show_page(m_impl->cr);
    cairo_surface_finish(m_impl->surface);
    cairo_status_t status = cairo_surface_status(m_impl->surface);
    if (status == CAIRO_STATUS_SUCCESS)
        status = cairo_status(m_impl->cr);
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(std::string("cannot make the PDF: ") +
                                 cairo_status_to_string(status));
    return m_impl->pdf;
}

std::string RenderPdf(Drawing& drawing, const TextStyles& styles, const SheetPage& page) {
    PdfRenderer renderer(styles, page);
    DrawSpace(drawing, renderer);
    return renderer.Document();
}

} // namespace simhost

// The sheet as the SVG renderer draws it, turned into pixels once per change and zoom: the
// picture keeps one rendered image (the whole sheet, or around the visible part when the
// whole would be too large), so panning is a blit and only a zoom or a new drawing renders.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSizeF>
#include <QSvgRenderer>

class QPainter;

namespace gui {

class SheetTransform;

class SheetPicture {
public:
    // Takes a new SVG document; false when it does not read as one (the picture is then empty).
    bool Load(const QByteArray& svg);
    void Clear();
    bool IsEmpty() const { return !m_renderer.isValid(); }
    // The sheet in drawing units (the SVG's view box).
    QSizeF Sheet() const;

    // Draws the part of the sheet that `view` shows, rendering first when the kept image
    // does not cover it at this zoom. With `allowScaled`, the image of another zoom is
    // scaled instead (a zoom in progress shows at once; Prepare makes it sharp later).
    // False when what was drawn is not sharp.
    bool Draw(QPainter& painter, const SheetTransform& transform, QSize view,
              bool allowScaled = false);
    // Renders what `view` shows at this zoom unless the kept image covers it already.
    void Prepare(const SheetTransform& transform, QSize view);
    // How often the SVG was rendered into pixels; a pan that renders has missed the cache.
    int Renders() const { return m_renders; }

private:
    // The part of the sheet that `view` shows, in sheet pixels.
    static QRect visiblePart(const SheetTransform& transform, QSize view);
    bool covers(const SheetTransform& transform, const QRect& visible) const;
    void render(const QRect& area, double zoom);

    QSvgRenderer m_renderer;
    QImage m_image;
    QRect m_area; // the rendered part of the sheet, in sheet pixels at m_zoom
    double m_zoom = 0;
    int m_renders = 0;
};

// Registers the font files that an SVG names in its @font-face rules, so the lettering is
// drawn in the font the host laid it out with.
void RegisterSvgFonts(const QByteArray& svg);

} // namespace gui

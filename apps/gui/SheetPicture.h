// The sheet as the SVG renderer draws it, turned into pixels once per change and zoom: the
// picture keeps one rendered image (the whole sheet, or around the visible part when the
// whole would be too large), so panning is a blit and only a zoom or a new drawing renders.
// Rendering takes long for a large drawing, so the view has it done on a worker thread
// (Needed, Render there, Adopt) and shows the image it has meanwhile.
#pragma once

#include <optional>

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
    // One rendering of the sheet: the document, the part of the sheet in sheet pixels and
    // the zoom. Rendering it needs nothing else, so it may run on another thread.
    struct Job {
        QByteArray svg;
        int generation = 0; // of the document the picture took it from
        QRect area;
        double zoom = 0;
    };
    static QImage Render(const Job& job);

    // Takes a new SVG document; false when it does not read as one (the picture is then empty).
    // The image of the document before stays to be shown meanwhile while the sheet keeps its
    // size, but no longer counts as sharp.
    bool Load(const QByteArray& svg);
    void Clear();
    bool IsEmpty() const { return !m_renderer.isValid(); }
    // Whether there is an image to show, sharp or not.
    bool HasImage() const { return !m_image.isNull(); }
    // The sheet in drawing units (the SVG's view box).
    QSizeF Sheet() const;

    // Draws the part of the sheet that `view` shows. Without an image to show it renders
    // first; with `allowScaled`, an image of another zoom or of the document before is shown
    // where it lies instead (the sharp one comes later). False when what was drawn is not
    // sharp.
    bool Draw(QPainter& painter, const SheetTransform& transform, QSize view,
              bool allowScaled = false);
    // What has to be rendered for `view` to be sharp at this zoom; none when the kept image is.
    std::optional<Job> Needed(const SheetTransform& transform, QSize view) const;
    // Keeps a rendering of `job` unless the document changed since; false when it did.
    bool Adopt(const Job& job, QImage image);
    // Renders what `view` shows at this zoom, here and now, unless it is sharp already.
    void Prepare(const SheetTransform& transform, QSize view);
    bool IsSharp(const SheetTransform& transform, QSize view) const {
        return !Needed(transform, view);
    }
    // How many renderings the picture took; a pan that renders has missed the cache.
    int Renders() const { return m_renders; }

private:
    // The part of the sheet that `view` shows, in sheet pixels.
    static QRect visiblePart(const SheetTransform& transform, QSize view);
    bool covers(const SheetTransform& transform, const QRect& visible) const;

    QSvgRenderer m_renderer; // the view box, and whether the document reads
    QByteArray m_svg;
    int m_generation = 0;
    QImage m_image;
    int m_imageGeneration = 0;
    QRect m_area; // the rendered part of the sheet, in sheet pixels at m_zoom
    double m_zoom = 0;
    int m_renders = 0;
};

// Registers the font files that an SVG names in its @font-face rules, so the lettering is
// drawn in the font the host laid it out with.
void RegisterSvgFonts(const QByteArray& svg);

} // namespace gui

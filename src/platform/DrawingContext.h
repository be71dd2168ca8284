#pragma once

#include "platform/EllipseRingCache.h"
#include "platform/Geometry.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// Pen styles stored in templates ("borderstyle").
enum PenStyle : int32_t
{
    kPenSolid = 0,
    kPenDash = 1,
    kPenDot = 2,
    kPenDashDot = 3,
    kPenDashDotDot = 4,
    kPenNull = 5,
};

// Where templates are drawn: the design view, the print preview and the
// printer's page image all paint through this, on an image in memory.
// Coordinates are logical: the image pixel is logical + origin. Shapes are
// drawn without anti-aliasing so that strokes keep exact widths and colours.
// Outlines lie inside the rectangle they are given. UI thread only.
class DrawingContext
{
public:
    // Paints on the caller's image, which must outlive the context.
    explicit DrawingContext(QImage& target);
    ~DrawingContext();
    DrawingContext(const DrawingContext&) = delete;
    DrawingContext& operator=(const DrawingContext&) = delete;

    QImage& Target() { return *m_target; }
    // Moves logical (0, 0) to this image pixel.
    void SetOrigin(Point origin);
    Point Origin() const { return m_origin; }

    // Clipping. Save and Restore nest; ClipScope does both. Only the clip is
    // saved: every drawing call sets the pen, font and opacity it needs.
    void Save();
    void Restore();
    void IntersectClip(const Rect& rect);
    // The rounded rectangle whose corner ellipses are `ellipse` wide and high.
    void IntersectClipRoundRect(const Rect& rect, Size ellipse);
    // The drawable part of the image in logical coordinates: the clip (when
    // one is set) within the image.
    Rect ClipBox() const;

    // Fills with an opaque colour; alpha is ignored.
    void Fill(const Rect& rect, QColor color);
    // Blends a colour by its alpha over what is there.
    void Blend(const Rect& rect, QColor color);
    // `steps` horizontal bands from `top` to `bottom`, both included.
    void FillVerticalGradient(const Rect& rect, QColor top, QColor bottom, int steps);

    // A line `width` wide centred on from-to; the end point is excluded.
    void DrawLine(Point from, Point to, int width, QColor color, int32_t style = kPenSolid);
    void DrawFrameRect(const Rect& rect, int width, QColor color);
    void DrawFrameEllipse(const Rect& rect, int width, QColor color);
    void DrawFrameRoundRect(const Rect& rect, Size ellipse, int width, QColor color);

    // Draws text in the rectangle honouring the DT_* flags templates use:
    // alignment, vertical centre and bottom (single line), single line, word
    // break, end ellipsis and no prefix (without it "&x" underlines x).
    void DrawText(const Rect& rect, const QString& text, const QFont& font, QColor color, uint32_t flags);
    // As TextMeasure: the extent DrawText needs for the text.
    Size MeasureText(const QFont& font, const QString& text, uint32_t flags) const;

    // Draws an image already at its final size with its top-left at `at`,
    // blended by its alpha and the opacity (0 to 255).
    void DrawImage(Point at, const QImage& image, int opacity = 255);
    // The same for the part `source` of the image.
    void DrawImage(Point at, const QImage& image, const Rect& source, int opacity = 255);
    // Draws keyed ink (see platform/KeyedInk.h): its opaque pixels replace the
    // target's. The same pixels as DrawImage of its premultiplied form.
    void DrawKeyedInk(Point at, const QImage& ink);
    // Draws an image with pure white (0xFFFFFF) left out: the target keeps
    // those pixels, every other pixel replaces the target's.
    void DrawWhiteKeyed(Point at, const QImage& image);
    // Copies (replaces) an image's pixels, alpha included, ignoring the clip.
    void CopyImage(Point at, const QImage& image);
    // The pixels of a logical rectangle (within the image) as a new image.
    QImage CopyArea(const Rect& rect) const;

private:
    // The painter's clip as far as it is one rectangle in image pixels; a
    // rounded clip or one too far out to reckon exactly is left to Qt.
    struct ClipShape
    {
        bool clipped = false;
        bool rectangular = true;
        QRect device;
    };

    struct SavedClip
    {
        ClipShape clip;
        bool painterSaved;
    };

    QRect ToDevice(const Rect& rect) const;
    void SaveBeforeClipping();
    // The page pixels drawing may write straight into, bypassing the
    // painter: only while the clip is one rectangle and the page a plain
    // 32-bit one (IsPlainPage).
    std::optional<QRect> DirectArea() const;
    // DrawText for text Qt draws as outlines (see OutlineText), within the
    // clip already narrowed to the text's rectangle.
    void DrawOutlineText(const Rect& rect, const QString& text, const QFont& font, QColor color, int qtFlags);
    // Fills a held ring's runs with its top-left at `at`.
    void FillRuns(Point at, const RingRuns& runs, QColor color);

    QImage* m_target;
    QPainter m_painter;
    Point m_origin;
    ClipShape m_clip;
    std::vector<SavedClip> m_savedClips;
};

// Saves the clip on construction and restores it on destruction.
class ClipScope
{
public:
    explicit ClipScope(DrawingContext& dc) : m_dc(dc) { m_dc.Save(); }
    ~ClipScope() { m_dc.Restore(); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    DrawingContext& m_dc;
};

// 0xAARRGGBB as stored in templates, alpha dropped.
QColor OpaqueColor(uint32_t argb);
// 0xAARRGGBB with its alpha.
QColor ArgbColor(uint32_t argb);

} // namespace platform

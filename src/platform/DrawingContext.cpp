#include "platform/DrawingContext.h"

#include "platform/DrawTextFlags.h"
#include "platform/EllipseRingCache.h"
#include "platform/KeyedInk.h"
#include "platform/OutlineText.h"
#include "platform/TextMeasure.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QRegularExpression>

#include <algorithm>

namespace platform {

namespace {

QRectF ToRectF(const Rect& rect)
{
    return QRectF(rect.left, rect.top, static_cast<qreal>(rect.Width()), static_cast<qreal>(rect.Height()));
}

QRect ToQRect(const Rect& rect)
{
    return QRect(rect.left, rect.top, static_cast<int>(rect.Width()), static_cast<int>(rect.Height()));
}

Rect Deflated(const Rect& rect, int by)
{
    return Rect{SaturatingAdd(rect.left, by), SaturatingAdd(rect.top, by),
                SaturatingAdd(rect.right, -int64_t(by)), SaturatingAdd(rect.bottom, -int64_t(by))};
}

Qt::PenStyle ToQtPenStyle(int32_t style)
{
    switch (style) {
    case kPenDash:
        return Qt::DashLine;
    case kPenDot:
        return Qt::DotLine;
    case kPenDashDot:
        return Qt::DashDotLine;
    case kPenDashDotDot:
        return Qt::DashDotDotLine;
    case kPenNull:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

int ToQtTextFlags(uint32_t flags)
{
    int qt = 0;
    if ((flags & DT_CENTER) != 0) {
        qt |= Qt::AlignHCenter;
    } else if ((flags & DT_RIGHT) != 0) {
        qt |= Qt::AlignRight;
    } else {
        qt |= Qt::AlignLeft;
    }
    // Vertical placement applies to a single line only; other text starts
    // at the top.
    if ((flags & DT_SINGLELINE) != 0) {
        qt |= Qt::TextSingleLine;
        if ((flags & DT_VCENTER) != 0) {
            qt |= Qt::AlignVCenter;
        } else if ((flags & DT_BOTTOM) != 0) {
            qt |= Qt::AlignBottom;
        } else {
            qt |= Qt::AlignTop;
        }
    } else {
        qt |= Qt::AlignTop;
        if ((flags & DT_WORDBREAK) != 0) {
            qt |= Qt::TextWordWrap;
        }
    }
    if ((flags & DT_NOPREFIX) == 0) {
        qt |= Qt::TextShowMnemonic;
    }
    return qt;
}

// Shortens lines that do not fit, ending them with "...".
QString ElideLines(const QString& text, const QFont& font, const QPaintDevice* device, int width,
                   uint32_t flags)
{
    const QFontMetricsF metrics(font, device);
    if ((flags & DT_SINGLELINE) != 0) {
        return metrics.elidedText(text, Qt::ElideRight, width, Qt::TextSingleLine);
    }
    if ((flags & DT_WORDBREAK) != 0) {
        return text; // wrapped lines fit by construction
    }
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    for (QString& line : lines) {
        line = metrics.elidedText(line, Qt::ElideRight, width);
    }
    return lines.join(u'\n');
}

} // namespace

QColor OpaqueColor(uint32_t argb)
{
    return QColor(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
                  static_cast<int>(argb & 0xFF));
}

QColor ArgbColor(uint32_t argb)
{
    return QColor::fromRgba(argb);
}

DrawingContext::DrawingContext(QImage& target) : m_target(&target)
{
    m_painter.begin(m_target);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

DrawingContext::~DrawingContext()
{
    m_painter.end();
}

void DrawingContext::SetOrigin(Point origin)
{
    m_origin = origin;
    m_painter.setTransform(QTransform::fromTranslate(origin.x, origin.y));
}

void DrawingContext::Save()
{
    // The painter saves its whole state, a cost every element paid though
    // few change the clip: it is saved only once a clip is set.
    m_savedClips.push_back(SavedClip{m_clip, false});
}

void DrawingContext::Restore()
{
    if (m_savedClips.empty()) {
        return;
    }
    const SavedClip saved = m_savedClips.back();
    m_savedClips.pop_back();
    if (saved.painterSaved) {
        m_painter.restore();
    }
    m_clip = saved.clip;
}

void DrawingContext::SaveBeforeClipping()
{
    if (!m_savedClips.empty() && !m_savedClips.back().painterSaved) {
        m_painter.save();
        m_savedClips.back().painterSaved = true;
    }
}

void DrawingContext::IntersectClip(const Rect& rect)
{
    SaveBeforeClipping();
    const QRect clip = rect.IsEmpty() ? QRect() : ToQRect(rect);
    m_painter.setClipRect(clip, m_painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);

    // Far beyond any page, Qt's own rounding of the clip is not worth
    // predicting.
    constexpr int64_t kReckoned = int64_t(1) << 24;
    const auto near = [](int64_t value) { return value > -kReckoned && value < kReckoned; };
    const bool wasClipped = m_clip.clipped;
    m_clip.clipped = true;
    if (rect.IsEmpty()) {
        m_clip.device = QRect();
    } else if (near(int64_t(rect.left) + m_origin.x) && near(int64_t(rect.right) + m_origin.x) &&
               near(int64_t(rect.top) + m_origin.y) && near(int64_t(rect.bottom) + m_origin.y)) {
        const QRect device = ToDevice(rect);
        m_clip.device = wasClipped ? m_clip.device.intersected(device) : device;
    } else {
        m_clip.rectangular = false;
    }
}

void DrawingContext::IntersectClipRoundRect(const Rect& rect, Size ellipse)
{
    SaveBeforeClipping();
    QPainterPath path;
    path.addRoundedRect(ToRectF(rect), ellipse.cx / 2.0, ellipse.cy / 2.0);
    m_painter.setClipPath(path, m_painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    m_clip.clipped = true;
    m_clip.rectangular = false;
}

Rect DrawingContext::ClipBox() const
{
    Rect box{-m_origin.x, -m_origin.y, m_target->width() - m_origin.x, m_target->height() - m_origin.y};
    if (m_painter.hasClipping()) {
        const QRect clip = m_painter.clipBoundingRect().toAlignedRect();
        box = Intersect(box, Rect{clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1});
    }
    return box;
}

QRect DrawingContext::ToDevice(const Rect& rect) const
{
    return ToQRect(rect).translated(m_origin.x, m_origin.y);
}

void DrawingContext::Fill(const Rect& rect, QColor color)
{
    if (!rect.IsEmpty()) {
        color.setAlpha(255);
        m_painter.fillRect(ToQRect(rect), color);
    }
}

void DrawingContext::Blend(const Rect& rect, QColor color)
{
    if (!rect.IsEmpty() && color.alpha() != 0) {
        m_painter.fillRect(ToQRect(rect), color);
    }
}

void DrawingContext::FillVerticalGradient(const Rect& rect, QColor top, QColor bottom, int steps)
{
    if (rect.IsEmpty() || steps < 1) {
        return;
    }
    const int64_t height = rect.Height();
    for (int step = 0; step < steps; ++step) {
        const auto bandTop = static_cast<int32_t>(rect.top + height * step / steps);
        const auto bandBottom = static_cast<int32_t>(rect.top + height * (step + 1) / steps);
        const int divisor = std::max(steps - 1, 1);
        auto mix = [&](int a, int b) { return a + (b - a) * step / divisor; };
        const QColor color(mix(top.red(), bottom.red()), mix(top.green(), bottom.green()),
                           mix(top.blue(), bottom.blue()));
        Fill(Rect{rect.left, bandTop, rect.right, bandBottom}, color);
    }
}

void DrawingContext::DrawLine(Point from, Point to, int width, QColor color, int32_t style)
{
    if (width < 1 || style == kPenNull) {
        return;
    }
    color.setAlpha(255);
    // Solid horizontal and vertical lines are exact bands: `width` pixels
    // across, the upper or left half rounded down.
    if (style == kPenSolid && (from.y == to.y || from.x == to.x)) {
        const int before = (width - 1) / 2;
        if (from.y == to.y) {
            const int32_t top = SaturatingAdd(from.y, -int64_t(before));
            Fill(Rect{std::min(from.x, to.x), top, std::max(from.x, to.x), SaturatingAdd(top, width)}, color);
        } else {
            const int32_t left = SaturatingAdd(from.x, -int64_t(before));
            Fill(Rect{left, std::min(from.y, to.y), SaturatingAdd(left, width), std::max(from.y, to.y)},
                 color);
        }
        return;
    }
    QPen pen(color, width, ToQtPenStyle(style), Qt::FlatCap, Qt::MiterJoin);
    m_painter.setPen(pen);
    const qreal centre = (width % 2 == 1) ? 0.5 : 0.0;
    m_painter.drawLine(QPointF(from.x + centre, from.y + centre), QPointF(to.x + centre, to.y + centre));
    m_painter.setPen(Qt::NoPen);
}

void DrawingContext::DrawFrameRect(const Rect& rect, int width, QColor color)
{
    if (rect.IsEmpty() || width < 1) {
        return;
    }
    if (int64_t(width) * 2 >= rect.Width() || int64_t(width) * 2 >= rect.Height()) {
        Fill(rect, color);
        return;
    }
    const Rect inner = Deflated(rect, width);
    Fill(Rect{rect.left, rect.top, rect.right, inner.top}, color);
    Fill(Rect{rect.left, inner.bottom, rect.right, rect.bottom}, color);
    Fill(Rect{rect.left, inner.top, inner.left, inner.bottom}, color);
    Fill(Rect{inner.right, inner.top, rect.right, inner.bottom}, color);
}

void DrawingContext::DrawFrameEllipse(const Rect& rect, int width, QColor color)
{
    if (rect.IsEmpty() || width < 1) {
        return;
    }
    // Colours given in whole 8-bit channels (all a template can hold) come
    // out the same from a held ring's runs.
    color.setAlpha(255);
    if (color.spec() == QColor::Rgb && QColor::fromRgb(color.rgb()) == color) {
        const RingRuns* runs = EllipseRingRuns(int(std::min<int64_t>(rect.Width(), INT32_MAX)),
                                               int(std::min<int64_t>(rect.Height(), INT32_MAX)), width);
        if (runs != nullptr) {
            FillRuns(Point{rect.left, rect.top}, *runs, color);
            return;
        }
    }
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addEllipse(ToRectF(rect));
    const Rect inner = Deflated(rect, width);
    if (!inner.IsEmpty()) {
        path.addEllipse(ToRectF(inner));
    }
    m_painter.fillPath(path, color);
}

std::optional<QRect> DrawingContext::DirectArea() const
{
    if (!m_clip.rectangular || !m_painter.isActive() || !IsPlainPage(*m_target)) {
        return std::nullopt;
    }
    return m_clip.clipped ? m_clip.device.intersected(m_target->rect()) : m_target->rect();
}

void DrawingContext::FillRuns(Point at, const RingRuns& runs, QColor color)
{
    const std::optional<QRect> area = DirectArea();
    if (!area) {
        for (const RingRun& run : runs) {
            const int64_t x = int64_t(at.x) + run.left;
            const int64_t y = int64_t(at.y) + run.y;
            if (x >= INT32_MIN && x + run.right - run.left <= INT32_MAX && y <= INT32_MAX) {
                m_painter.fillRect(QRect(int(x), int(y), run.right - run.left, 1), color);
            }
        }
        return;
    }
    // Written straight into the page: the runs of a ring are many and short.
    const int64_t left = int64_t(at.x) + m_origin.x;
    const int64_t top = int64_t(at.y) + m_origin.y;
    const QRgb pixel = 0xFF000000u | color.rgb();
    // The painter draws into this same buffer; bits() could detach it.
    auto* bits = const_cast<uchar*>(m_target->constBits());
    const qsizetype stride = m_target->bytesPerLine();
    for (const RingRun& run : runs) {
        const int64_t y = top + run.y;
        const int64_t from = std::max<int64_t>(left + run.left, area->left());
        const int64_t to = std::min<int64_t>(left + run.right, int64_t(area->right()) + 1);
        if (y < area->top() || y > area->bottom() || from >= to) {
            continue;
        }
        auto* line = reinterpret_cast<QRgb*>(bits + qsizetype(y) * stride);
        std::fill(line + from, line + to, pixel);
    }
}

void DrawingContext::DrawFrameRoundRect(const Rect& rect, Size ellipse, int width, QColor color)
{
    if (rect.IsEmpty() || width < 1) {
        return;
    }
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addRoundedRect(ToRectF(rect), ellipse.cx / 2.0, ellipse.cy / 2.0);
    const Rect inner = Deflated(rect, width);
    if (!inner.IsEmpty()) {
        path.addRoundedRect(ToRectF(inner), std::max(0.0, ellipse.cx / 2.0 - width),
                            std::max(0.0, ellipse.cy / 2.0 - width));
    }
    color.setAlpha(255);
    m_painter.fillPath(path, color);
}

void DrawingContext::DrawText(const Rect& rect, const QString& text, const QFont& font, QColor color,
                              uint32_t flags)
{
    if (rect.IsEmpty() || text.isEmpty()) {
        return;
    }
    const QString shown =
        (flags & DT_END_ELLIPSIS) != 0
            ? ElideLines(text, font, m_target, static_cast<int>(std::min<int64_t>(rect.Width(), INT32_MAX)),
                         flags)
            : text;
    ClipScope scope(*this);
    IntersectClip(rect);
    if (OutlineText::IsDrawnAsOutlines(font, m_target->logicalDpiY())) {
        DrawOutlineText(rect, shown, font, color, ToQtTextFlags(flags));
        return;
    }
    m_painter.setFont(font);
    m_painter.setPen(color);
    m_painter.drawText(ToQRect(rect), ToQtTextFlags(flags), shown);
    m_painter.setPen(Qt::NoPen);
}

void DrawingContext::DrawOutlineText(const Rect& rect, const QString& text, const QFont& font, QColor color,
                                     int qtFlags)
{
    // Drawn elsewhere on a copy of the pixels within the clip, then copied
    // back under the same clip: the pixels drawing here would give.
    const QRect area = ToDevice(ClipBox());
    if (area.isEmpty()) {
        return;
    }
    QImage patch = m_target->copy(area);
    if (patch.isNull()) {
        return;
    }
    patch = OutlineText::Draw(std::move(patch), QPoint(m_origin.x - area.left(), m_origin.y - area.top()),
                              ToQRect(rect), qtFlags, text, font, color);
    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_Source);
    m_painter.drawImage(QPoint(area.left() - m_origin.x, area.top() - m_origin.y), patch);
    m_painter.restore();
}

Size DrawingContext::MeasureText(const QFont& font, const QString& text, uint32_t flags) const
{
    static const TextMeasure measure;
    return measure.MeasureText(font, text, flags);
}

namespace {
// Opaque pictures are held as RGB32 so that Qt copies them. Under a fade Qt
// rounds RGB32 otherwise than the premultiplied pixels they are, so faded
// ones are blended as those: the same bits, read as ARGB32_Premultiplied.
QImage AsFadedImage(const QImage& image, int opacity)
{
    if (opacity >= 255 || image.format() != QImage::Format_RGB32) {
        return image;
    }
    return QImage(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                  QImage::Format_ARGB32_Premultiplied);
}
} // namespace

void DrawingContext::DrawImage(Point at, const QImage& image, int opacity)
{
    if (image.isNull() || opacity <= 0) {
        return;
    }
    m_painter.setOpacity(std::min(opacity, 255) / 255.0);
    m_painter.drawImage(QPoint(at.x, at.y), AsFadedImage(image, opacity));
    m_painter.setOpacity(1.0);
}

void DrawingContext::DrawImage(Point at, const QImage& image, const Rect& source, int opacity)
{
    if (image.isNull() || opacity <= 0 || source.IsEmpty()) {
        return;
    }
    m_painter.setOpacity(std::min(opacity, 255) / 255.0);
    m_painter.drawImage(QPoint(at.x, at.y), AsFadedImage(image, opacity), ToQRect(source));
    m_painter.setOpacity(1.0);
}

void DrawingContext::DrawKeyedInk(Point at, const QImage& ink)
{
    if (ink.isNull()) {
        return;
    }
    // Copying the opaque pixels gives the page Qt's blend would, at a
    // fraction of the cost: labels pile up on busy tickets.
    if (const std::optional<QRect> area = DirectArea()) {
        const Point device{int32_t(std::clamp<int64_t>(int64_t(at.x) + m_origin.x, INT32_MIN, INT32_MAX)),
                           int32_t(std::clamp<int64_t>(int64_t(at.y) + m_origin.y, INT32_MIN, INT32_MAX))};
        if (CopyKeyedInk(*m_target, *area, device, ink)) {
            return;
        }
    }
    m_painter.drawImage(QPoint(at.x, at.y), KeyedInkAsArgb(ink));
}

void DrawingContext::DrawWhiteKeyed(Point at, const QImage& image)
{
    if (!image.isNull()) {
        m_painter.drawImage(QPoint(at.x, at.y), KeyOutWhite(image));
    }
}

void DrawingContext::CopyImage(Point at, const QImage& image)
{
    if (image.isNull()) {
        return;
    }
    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_Source);
    m_painter.drawImage(QPoint(at.x, at.y), image);
    m_painter.restore();
}

QImage DrawingContext::CopyArea(const Rect& rect) const
{
    return m_target->copy(ToDevice(rect));
}

} // namespace platform

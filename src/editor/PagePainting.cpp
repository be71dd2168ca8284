#include "editor/PagePainting.h"

#include "controls/ContainerUI.h"
#include "controls/ControlUI.h"
#include "elements/ElementKind.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace editor {

using platform::Rect;

namespace {

constexpr int kLabelHeight = 12;

// A rectangle given by 64-bit extents, cut to the area painted: margins of
// an absurd template can exceed what QRect holds.
QRect CutTo(int64_t x, int64_t y, int64_t width, int64_t height, const QRect& area)
{
    if (width <= 0 || height <= 0) {
        return {};
    }
    const int64_t left = std::max<int64_t>(x, area.left());
    const int64_t top = std::max<int64_t>(y, area.top());
    const int64_t right = std::min<int64_t>(x + width, int64_t(area.right()) + 1);
    const int64_t bottom = std::min<int64_t>(y + height, int64_t(area.bottom()) + 1);
    if (right <= left || bottom <= top) {
        return {};
    }
    return QRect(int(left), int(top), int(right - left), int(bottom - top));
}

void FillCut(QPainter& painter, int64_t x, int64_t y, int64_t width, int64_t height, const QRect& area,
             QRgb colour)
{
    const QRect cut = CutTo(x, y, width, height, area);
    if (!cut.isEmpty()) {
        painter.fillRect(cut, QColor(colour));
    }
}

QString LabelText(int millimetres)
{
    return QString::number(millimetres / 10);
}

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

} // namespace

ViewFonts ViewFonts::ForScreen(ScreenDpi dpi)
{
    ViewFonts fonts;
    fonts.ruler = QFont(QStringLiteral("Times New Roman"));
    fonts.ruler.setPixelSize(10);
    fonts.label = QFont(QStringLiteral("Times New Roman"));
    // Ten points at the screen's resolution, as the label font was realised.
    const double pixels = std::isfinite(dpi.y) && dpi.y > 0 ? 10.0 * dpi.y / 72.0 : 13.0;
    fonts.label.setPixelSize(std::clamp(int(std::lround(pixels)), 1, 200));
    return fonts;
}

void PaintRulers(QPainter& painter, const PageFrame& frame, const ViewFonts& fonts, const QRect& area)
{
    const MillimetreScale scale = PageScale(frame.page.cx, frame.paperMm, frame.dpi);
    const double step = kRulerStepMm * scale.horizontal;
    const double vstep = kRulerStepMm * scale.vertical;
    const double labelLength = 5 * vstep;
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(fonts.ruler);

    // Along the top: labels right of their long tick.
    if (area.top() < kRulerBand) {
        for (const RulerTick& tick :
             RulerTicks(step, labelLength, frame.page.cx, area.left(), int64_t(area.right()) + 1)) {
            if (tick.IsLong()) {
                painter.drawLine(tick.at, 2, tick.at, 17);
                const int right = std::isfinite(labelLength) ? int(std::clamp(tick.at + labelLength, -1e9, 1e9))
                                                             : tick.at + 2;
                painter.drawText(QRect(QPoint(tick.at + 2, 0), QPoint(right - 1, kLabelHeight - 1)), kTextFlags,
                                 LabelText(tick.millimetres));
            } else {
                painter.drawLine(tick.at, 12, tick.at, 17);
            }
        }
    }
    // Down the left: labels below their long tick, reading downward.
    if (area.left() < kRulerBand) {
        for (const RulerTick& tick :
             RulerTicks(vstep, labelLength, frame.page.cy, area.top(), int64_t(area.bottom()) + 1)) {
            if (tick.IsLong()) {
                painter.drawLine(2, tick.at, 17, tick.at);
                const int length = std::isfinite(labelLength) ? int(std::clamp(labelLength - 3, 0.0, 1e6)) : 0;
                painter.save();
                painter.translate(0, tick.at + 2);
                painter.rotate(90);
                painter.drawText(QRect(0, -kLabelHeight, length, kLabelHeight), kTextFlags,
                                 LabelText(tick.millimetres));
                painter.restore();
            } else {
                painter.drawLine(12, tick.at, 17, tick.at);
            }
        }
    }
    painter.restore();
}

void PaintSizeLabels(QPainter& painter, const PageFrame& frame, const ViewFonts& fonts)
{
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(fonts.label);
    const int64_t cx = frame.page.cx;
    const int64_t cy = frame.page.cy;
    if (cx + 75 < (1 << 30)) {
        painter.drawText(QRect(QPoint(int(cx + 25), 20), QPoint(int(cx + 74), 34)), kTextFlags,
                         QStringLiteral("%1mm").arg(frame.paperMm));
    }
    const double length = TicketLengthMm(frame.page, frame.paperMm, frame.dpi);
    if (std::isfinite(length) && cy + 40 < (1 << 30)) {
        painter.drawText(QRect(QPoint(20, int(cy + 25)), QPoint(69, int(cy + 39))), kTextFlags,
                         QString::number(length, 'f', 1) + QStringLiteral("mm"));
    }
    painter.restore();
}

void PaintMargins(QPainter& painter, const PageFrame& frame, const QRect& area)
{
    const int64_t cx = frame.page.cx;
    const int64_t cy = frame.page.cy;
    const int64_t l = frame.margins.left;
    const int64_t t = frame.margins.top;
    const int64_t r = frame.margins.right;
    const int64_t b = frame.margins.bottom;
    if (l > 0) {
        FillCut(painter, 0, 0, l, cy, area, kMarginShade);
    }
    const int64_t printableWidth = cx - r - l;
    if (printableWidth != 0) {
        if (t > 0) {
            FillCut(painter, l, 0, printableWidth, t, area, kMarginShade);
        }
        FillCut(painter, l, t, printableWidth, cy - b - t, area, 0xFFFFFF);
        if (b > 0) {
            FillCut(painter, l, std::max<int64_t>(cy - b, 0), printableWidth, b, area, kMarginShade);
        }
    }
    if (r > 0) {
        FillCut(painter, l + printableWidth, 0, r, cy, area, kMarginShade);
    }
}

void PaintGrid(QPainter& painter, platform::Size page, const QRect& area)
{
    const QRect dots = CutTo(0, 0, page.cx, page.cy, area);
    if (dots.isEmpty()) {
        return;
    }
    // One black dot every pitch in each direction: a tile laid from the
    // page's origin paints exactly those pixels.
    static const QImage tile = [] {
        QImage image(kGridPitch, kGridPitch, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        image.setPixel(0, 0, qRgb(0, 0, 0));
        return image;
    }();
    painter.save();
    painter.setBrushOrigin(0, 0);
    painter.fillRect(dots, QBrush(tile));
    painter.restore();
}

void PaintGuideBorders(QPainter& painter, MarkupUI::CControlUI& element, const QRect& area)
{
    if (!element.IsVisible()) {
        return;
    }
    const int kind = element.GetElementKind();
    if (kind >= MarkupUI::kElementHorizontalLine && kind <= MarkupUI::kElementCircle) {
        return;
    }
    const bool hasImage = kind == MarkupUI::kElementPicture && !element.GetBkImage().isEmpty();
    if (!hasImage && element.GetText().isEmpty()) {
        const Rect& pos = element.GetPos();
        const QRect outline = CutTo(pos.left, pos.top, pos.Width(), pos.Height(), area.adjusted(-1, -1, 1, 1));
        if (!outline.isEmpty()) {
            // Only the edges that lie inside what is painted are drawn: an
            // element far larger than the view keeps its outline where it is.
            QPen pen(Qt::black, 0, Qt::CustomDashLine);
            pen.setDashPattern({1, 1});
            painter.save();
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.setClipRect(area, Qt::IntersectClip);
            const int64_t right = int64_t(pos.right) - 1;
            const int64_t bottom = int64_t(pos.bottom) - 1;
            if (pos.Width() > 0 && pos.Height() > 0 && right < (1LL << 30) && bottom < (1LL << 30) &&
                pos.left > -(1 << 30) && pos.top > -(1 << 30)) {
                painter.drawRect(QRect(QPoint(pos.left, pos.top), QPoint(int(right), int(bottom))));
            }
            painter.restore();
        }
    }
    if (auto* container = static_cast<MarkupUI::IContainerUI*>(element.GetInterface(QStringLiteral("IContainer")))) {
        for (int i = 0; i < container->GetCount(); ++i) {
            if (MarkupUI::CControlUI* child = container->GetItemAt(i)) {
                PaintGuideBorders(painter, *child, area);
            }
        }
    }
}

} // namespace editor

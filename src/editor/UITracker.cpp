#include "editor/UITracker.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace editor {

using platform::Point;
using platform::Rect;
using platform::SaturatingAdd;

namespace {

// The corner each handle's square hangs from and how it is moved along the
// rectangle: X and Y pick an edge (0 left/top, 1 right/bottom), m centres
// along a side, h pulls the square back inside a right or bottom edge.
struct HandleInfo
{
    int xEdge;
    int yEdge;
    int mx;
    int my;
    int hx;
    int hy;
};

constexpr HandleInfo kHandles[8] = {
    {0, 0, 0, 0, 0, 0},  {1, 0, 0, 0, -1, 0}, {1, 1, 0, 0, -1, -1}, {0, 1, 0, 0, 0, -1},
    {0, 0, 1, 0, 0, 0},  {1, 0, 0, 1, -1, 0}, {0, 1, 1, 0, 0, -1},  {0, 0, 0, 1, 0, 0},
};

int64_t AbsWidth(const Rect& r)
{
    return std::llabs(r.Width());
}

int64_t AbsHeight(const Rect& r)
{
    return std::llabs(r.Height());
}

QRect ToQRect(const Rect& r)
{
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

} // namespace

Rect Inflated(const Rect& rect, int64_t by)
{
    return Rect{SaturatingAdd(rect.left, -by), SaturatingAdd(rect.top, -by), SaturatingAdd(rect.right, by),
                SaturatingAdd(rect.bottom, by)};
}

Rect Ordered(const Rect& rect)
{
    return Rect{std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
                std::max(rect.top, rect.bottom)};
}

void CUITracker::SetKind(int kind)
{
    m_kind = kind;
    // Bottom-right, right and bottom only.
    m_handleMask = kind == kFormElement ? 0x64 : 0xFF;
}

int CUITracker::EffectiveHandleSize() const
{
    if ((style & kResizeOutside) != 0) {
        return handleSize;
    }
    return static_cast<int>(std::min<int64_t>(handleSize, std::min(AbsWidth(rect), AbsHeight(rect)) / 2));
}

bool CUITracker::IsHandleVisible(int handle) const
{
    if (handle < 0 || handle > 7 || (m_handleMask & (1u << handle)) == 0) {
        return false;
    }
    const int64_t s = EffectiveHandleSize();
    if ((handle == 4 || handle == 6) && AbsWidth(rect) - 3 * s < 4) {
        return false;
    }
    if ((handle == 5 || handle == 7) && AbsHeight(rect) - 3 * s < 4) {
        return false;
    }
    return true;
}

int CUITracker::VisibleHandle(int handle) const
{
    static constexpr int kHorizontalSwap[8] = {1, 0, 3, 2, 4, 7, 6, 5};
    static constexpr int kVerticalSwap[8] = {3, 2, 1, 0, 6, 5, 4, 7};
    if (handle < 0 || handle > 7) {
        return handle;
    }
    if (rect.left > rect.right) {
        handle = kHorizontalSwap[handle];
    }
    if (rect.top > rect.bottom) {
        handle = kVerticalSwap[handle];
    }
    return handle;
}

Rect CUITracker::HandleFrame() const
{
    Rect frame = Ordered(rect);
    if ((style & (kSolidLine | kDottedLine)) != 0) {
        frame = Inflated(frame, 1);
    }
    if ((style & kResizeOutside) != 0) {
        frame = Inflated(frame, handleSize - 1);
    }
    return frame;
}

Rect CUITracker::HandleRect(int handle) const
{
    const HandleInfo& h = kHandles[VisibleHandle(handle)];
    const Rect frame = HandleFrame();
    const int64_t s = EffectiveHandleSize();
    const int64_t x = (h.xEdge == 0 ? frame.left : frame.right) + h.hx * s + h.mx * (frame.Width() - s) / 2;
    const int64_t y = (h.yEdge == 0 ? frame.top : frame.bottom) + h.hy * s + h.my * (frame.Height() - s) / 2;
    const Rect corner{SaturatingAdd(0, x), SaturatingAdd(0, y), 0, 0};
    return Rect{corner.left, corner.top, SaturatingAdd(corner.left, s), SaturatingAdd(corner.top, s)};
}

Rect CUITracker::GripRect() const
{
    const int64_t w = kGripWidth;
    const Rect first = HandleRect(0);
    const Rect top = HandleRect(4);
    const int64_t reach = int64_t(first.right) + w / 2 + 10;
    const int64_t centre = top.left < reach ? first.right : reach;
    const int64_t left = centre - w / 2;
    const int64_t upper = int64_t(first.bottom) - w / 2;
    return Rect{SaturatingAdd(0, left), SaturatingAdd(0, upper), SaturatingAdd(0, left + w),
                SaturatingAdd(0, upper + w)};
}

int CUITracker::HitTest(Point point) const
{
    const Rect ordered = Ordered(rect);
    int64_t grow = (style & (kHatchedBorder | kResizeOutside)) != 0 ? handleSize - 1 : 0;
    if ((style & (kSolidLine | kDottedLine)) != 0) {
        grow += 1;
    }
    if (!Inflated(ordered, grow).Contains(point)) {
        return -1;
    }
    if ((style & (kResizeInside | kResizeOutside)) == 0) {
        return kMoveHit;
    }
    if (m_kind == kContainerElement && GripRect().Contains(point)) {
        return kMoveHit;
    }
    for (int handle = 0; handle < 8; ++handle) {
        if (IsHandleVisible(handle) && HandleRect(handle).Contains(point)) {
            return handle;
        }
    }
    if ((style & kHatchedBorder) == 0 && !Inflated(ordered, 1).Contains(point)) {
        return -1;
    }
    // A container moves by its grip only, and the form never moves.
    return m_kind == kPlainElement ? kMoveHit : -1;
}

void CUITracker::Draw(QPainter& painter, bool primary) const
{
    const QColor handlePen = primary ? Qt::black : Qt::white;
    const QColor handleFill = primary ? Qt::white : Qt::black;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if ((style & (kSolidLine | kDottedLine)) != 0) {
        QPen pen(Qt::black, 0, (style & kDottedLine) != 0 ? Qt::CustomDashLine : Qt::SolidLine);
        if ((style & kDottedLine) != 0) {
            pen.setDashPattern({1, 1});
        }
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const Rect outline = Inflated(Ordered(rect), EffectiveHandleSize() / 2);
        if (!outline.IsEmpty()) {
            painter.drawRect(ToQRect(outline).adjusted(0, 0, -1, -1));
        }
    }
    if ((style & (kResizeInside | kResizeOutside)) != 0) {
        painter.setPen(QPen(handlePen, 0));
        for (int handle = 0; handle < 8; ++handle) {
            if (!IsHandleVisible(handle)) {
                continue;
            }
            const QRect square = ToQRect(HandleRect(handle));
            painter.fillRect(square, handleFill);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(square.adjusted(0, 0, -1, -1));
        }
    }
    if (m_kind == kContainerElement) {
        // The grip: a small ridged square to take hold of a container by.
        const QRect grip = ToQRect(GripRect());
        painter.fillRect(grip, QColor(212, 208, 200));
        painter.setPen(QPen(QColor(128, 128, 128), 0));
        for (int i = 3; i < grip.width() - 2; i += 3) {
            painter.drawLine(grip.left() + i, grip.top() + 3, grip.left() + i, grip.bottom() - 3);
        }
    }
    painter.restore();
}

Qt::CursorShape CUITracker::CursorOfHit(int hit)
{
    switch (hit) {
    case 0:
    case 2:
        return Qt::SizeFDiagCursor;
    case 1:
    case 3:
        return Qt::SizeBDiagCursor;
    case 4:
    case 6:
        return Qt::SizeVerCursor;
    case 5:
    case 7:
        return Qt::SizeHorCursor;
    default:
        return Qt::SizeAllCursor;
    }
}

} // namespace editor

#include "controls/ImageStringDrawing.h"

#include "controls/PaintManagerUI.h"

#include <algorithm>

namespace MarkupUI {

using platform::Point;
using platform::Rect;
using platform::Size;

namespace {

int32_t Width(const Rect& r)
{
    return static_cast<int32_t>(r.Width());
}

int32_t Height(const Rect& r)
{
    return static_cast<int32_t>(r.Height());
}

// Draws the source part of the image stretched over dest, computing only the
// pixels inside visible.
void DrawStretched(platform::DrawingContext& dc, CPaintManagerUI& manager,
                   const std::shared_ptr<const QImage>& image, const Rect& source, const Rect& dest,
                   const Rect& visible, int opacity)
{
    const Rect shown = platform::Intersect(dest, visible);
    if (source.IsEmpty() || shown.IsEmpty()) {
        return;
    }
    if (source.Width() == dest.Width() && source.Height() == dest.Height()) {
        const Rect part{source.left + (shown.left - dest.left), source.top + (shown.top - dest.top),
                        source.left + (shown.right - dest.left), source.top + (shown.bottom - dest.top)};
        dc.DrawImage(Point{shown.left, shown.top}, *image, part, opacity);
        return;
    }
    const Rect part{shown.left - dest.left, shown.top - dest.top, shown.right - dest.left,
                    shown.bottom - dest.top};
    const QImage stretched = manager.GetStretchedImage(image, source, Size{Width(dest), Height(dest)}, part);
    dc.DrawImage(Point{shown.left, shown.top}, stretched, opacity);
}

// Repeats the source part over dest, each tile `tile` in size; only tiles
// meeting visible are drawn, so a tiny tile over a large area costs no more
// than the visible pixels.
void DrawTiled(platform::DrawingContext& dc, CPaintManagerUI& manager,
               const std::shared_ptr<const QImage>& image, const Rect& source, const Rect& dest, Size tile,
               const Rect& visible, int opacity)
{
    const Rect shown = platform::Intersect(dest, visible);
    if (shown.IsEmpty() || tile.cx <= 0 || tile.cy <= 0) {
        return;
    }
    platform::ClipScope scope(dc);
    dc.IntersectClip(shown);
    const int64_t firstX = dest.left + (int64_t(shown.left) - dest.left) / tile.cx * tile.cx;
    const int64_t firstY = dest.top + (int64_t(shown.top) - dest.top) / tile.cy * tile.cy;
    for (int64_t y = firstY; y < shown.bottom; y += tile.cy) {
        for (int64_t x = firstX; x < shown.right; x += tile.cx) {
            const Rect cell{static_cast<int32_t>(x), static_cast<int32_t>(y),
                            static_cast<int32_t>(x + tile.cx), static_cast<int32_t>(y + tile.cy)};
            DrawStretched(dc, manager, image, source, cell, shown, opacity);
        }
    }
}

} // namespace

bool DrawImageItem(platform::DrawingContext& dc, CPaintManagerUI& manager, const Rect& controlPos,
                   const Rect& paintRect, const ImageDrawItem& item)
{
    const std::shared_ptr<const QImage> image = manager.GetImage(item.file, item.mask);
    if (!image) {
        return false;
    }
    const Rect dest = item.DestinationIn(controlPos);
    const Rect whole{0, 0, image->width(), image->height()};
    const Rect source = item.source ? platform::Intersect(*item.source, whole) : whole;
    const Rect visible = platform::Intersect(dest, paintRect);
    if (dest.IsEmpty() || source.IsEmpty() || visible.IsEmpty()) {
        return true; // nothing of it is on the page
    }
    const int opacity = item.fade;

    // Corners keep their size; they are shrunk only when they would not fit
    // the source or the destination.
    auto fit = [](int32_t a, int32_t b, int32_t room) {
        a = std::clamp(a, 0, room);
        b = std::clamp(b, 0, room - a);
        return std::make_pair(a, b);
    };
    const auto [cl, cr] = fit(item.corner.left, item.corner.right, std::min(Width(source), Width(dest)));
    const auto [ct, cb] = fit(item.corner.top, item.corner.bottom, std::min(Height(source), Height(dest)));

    const int32_t sx[4] = {source.left, source.left + cl, source.right - cr, source.right};
    const int32_t sy[4] = {source.top, source.top + ct, source.bottom - cb, source.bottom};
    const int32_t dx[4] = {dest.left, dest.left + cl, dest.right - cr, dest.right};
    const int32_t dy[4] = {dest.top, dest.top + ct, dest.bottom - cb, dest.bottom};

    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const Rect from{sx[column], sy[row], sx[column + 1], sy[row + 1]};
            const Rect to{dx[column], dy[row], dx[column + 1], dy[row + 1]};
            if (from.IsEmpty() || to.IsEmpty()) {
                continue;
            }
            const bool centre = row == 1 && column == 1;
            if (centre && item.hole) {
                continue;
            }
            if (centre && (item.xTiled || item.yTiled)) {
                const Size tile{item.xTiled ? Width(from) : Width(to),
                                item.yTiled ? Height(from) : Height(to)};
                DrawTiled(dc, manager, image, from, to, tile, visible, opacity);
            } else {
                DrawStretched(dc, manager, image, from, to, visible, opacity);
            }
        }
    }
    return true;
}

bool DrawImageString(platform::DrawingContext& dc, CPaintManagerUI& manager, const Rect& controlPos,
                     const Rect& paintRect, const QString& imageString)
{
    bool all = true;
    for (const ImageDrawItem& item : ParseImageString(imageString)) {
        all = DrawImageItem(dc, manager, controlPos, paintRect, item) && all;
    }
    return all;
}

} // namespace MarkupUI

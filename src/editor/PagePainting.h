#pragma once

#include "editor/ViewGeometry.h"

#include <QFont>
#include <QRect>

class QPainter;

namespace MarkupUI {
class CControlUI;
}

namespace editor {

// The view's colours.
inline constexpr unsigned kViewBackground = 0xBFBFBF; // 191,191,191
inline constexpr unsigned kMarginShade = 0xD3D3D3;    // 211,211,211

// What the view paints around the elements, in the order it paints it.
// The painters given are in the view's scrolled coordinates (window plus
// scroll position) or, where said, in page coordinates.
struct PageFrame
{
    platform::Size page;     // the form's size in page pixels
    int paperMm = 58;        // the paper width the page stands for
    ScreenDpi dpi;           // the screen's resolution
    platform::Rect margins;  // left, top, right, bottom margins in page pixels
};

// The rulers' texts: Times New Roman at 10 pixels; the size labels at 10 points.
struct ViewFonts
{
    QFont ruler;
    QFont label;
    static ViewFonts ForScreen(ScreenDpi dpi);
};

void PaintRulers(QPainter& painter, const PageFrame& frame, const ViewFonts& fonts, const QRect& area);
void PaintSizeLabels(QPainter& painter, const PageFrame& frame, const ViewFonts& fonts);
// Page coordinates from here on.
void PaintMargins(QPainter& painter, const PageFrame& frame, const QRect& area);
void PaintGrid(QPainter& painter, platform::Size page, const QRect& area);
// Dotted outlines around elements that would otherwise not show: no text
// and, for pictures, no image. Shapes always show and get none.
void PaintGuideBorders(QPainter& painter, MarkupUI::CControlUI& element, const QRect& area);

} // namespace editor

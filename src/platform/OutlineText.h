#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace platform {

// Text Qt draws as glyph outlines, which it does above 64 pixels.
//
// All font engines of one thread share a FreeType face per font file. Glyphs
// drawn from Qt's glyph cache set a sub-pixel offset on that face and leave
// it there; outlines are loaded without setting one, so they take over the
// offset of whatever text was drawn before, and large text came out a grey
// level different (a printer dot flipped) depending on the history of the
// program. Outline text is therefore drawn on a thread of its own whose
// engines draw nothing else: its faces never get an offset, and the text
// comes out as a freshly started program draws it.
class OutlineText
{
public:
    // Whether Qt draws text in this font, on an image of `dpi` without
    // scaling, as outlines rather than from its glyph cache.
    static bool IsDrawnAsOutlines(const QFont& font, int dpi);

    // Draws the text on `patch` as QPainter::drawText(rect, flags, text) with
    // text antialiasing, the pen colour and `offset` added to coordinates,
    // and gives the patch back. Drawn on the outline-text thread while there
    // is one (between the first call and the application's end), otherwise
    // on the calling thread. Any thread; calls wait their turn.
    static QImage Draw(QImage patch, QPoint offset, const QRect& rect, int flags, const QString& text,
                       const QFont& font, QColor color);
};

} // namespace platform

#pragma once

#include "platform/Geometry.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>

namespace platform {

// Measures text the way it will be drawn: on a raster image surface, so
// the designer, the command-line tool and the printer's page image agree
// whether or not a screen is present. UI thread only (Qt's font engines).
class TextMeasure
{
public:
    TextMeasure();

    // Extent of the text: with DT_SINGLELINE in style one line holding every
    // character, otherwise one line per line break; the height is a whole
    // number of cell heights (ascent plus descent). Empty text is (0, 0).
    Size MeasureText(const QFont& font, const QString& text, uint32_t style) const;

private:
    QImage m_surface;
};

} // namespace platform

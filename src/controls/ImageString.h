#pragma once

#include "platform/Geometry.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace MarkupUI {

// One image to draw, as collected from an image string such as
// "file='logo.png' dest='0,0,100,40' fade='128'".
struct ImageDrawItem
{
    QString file;     // archive entry or path ("file" or "res")
    QString resType;  // "restype"
    std::optional<platform::Rect> dest;   // relative to the control
    std::optional<platform::Rect> source; // part of the image
    platform::Rect corner;                // fixed borders of a nine-part stretch
    std::optional<uint32_t> mask;         // colour drawn transparent
    uint8_t fade = 255;
    bool hole = false;
    bool xTiled = false;
    bool yTiled = false;

    // The drawing rectangle inside the control's position: "dest" is clipped
    // to the control; without it the whole control.
    platform::Rect DestinationIn(const platform::Rect& controlPos) const;
};

// Parses an image string into the images it draws, in order. A bare name is
// one image with every default. A second "file" (or "restype") after an image
// was named yields the image collected so far and starts the next with the
// parameters collected so far. Parsing stops at the first malformed item and
// keeps what was collected.
std::vector<ImageDrawItem> ParseImageString(QStringView imageString);

} // namespace MarkupUI

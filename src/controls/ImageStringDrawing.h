#pragma once

#include "controls/ImageString.h"
#include "platform/DrawingContext.h"
#include "platform/Geometry.h"

#include <QString>

namespace MarkupUI {

class CPaintManagerUI;

// Draws an image string (see ParseImageString) for a control at controlPos,
// touching only pixels inside paintRect. Images come from the manager's
// image cache. Each image of the string is drawn on its own; true when all
// of them could be drawn, false when one was missing or undecodable (that
// one draws nothing).
bool DrawImageString(platform::DrawingContext& dc, CPaintManagerUI& manager, const platform::Rect& controlPos,
                     const platform::Rect& paintRect, const QString& imageString);

// One image: "source" part of the image into the "dest" rectangle, nine-part
// stretched by "corner" (corners keep their size, edges and centre stretch,
// or the centre tiles with "xtiled"/"ytiled", or is left out with "hole"),
// at "fade" opacity. Stretching averages areas.
bool DrawImageItem(platform::DrawingContext& dc, CPaintManagerUI& manager, const platform::Rect& controlPos,
                   const platform::Rect& paintRect, const ImageDrawItem& item);

} // namespace MarkupUI

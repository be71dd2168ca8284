#pragma once

#include "controls/ControlUI.h"

namespace MarkupUI {

// Base of every design element on the form: floating from the start, placed
// by its offset and size inside the form, and repainting a little more than
// its own rectangle so the design view's selection handles go with it.
class CDesignImpl : public CControlUI
{
public:
    CDesignImpl();

    void SetPos(platform::Rect rc) override;
    void Invalidate() override;
    // Design elements are part of the page image unless they say otherwise.
    void DoPaintStatic(platform::DrawingContext& dc, const platform::Rect& paint) override;

    // The size the element's content is drawn at; the fixed size unless a
    // text element limits it.
    virtual platform::Size GetDisplaySize();
    // The position, grown by the widest stroke the element draws.
    std::optional<platform::Rect> PaintReach() const override;

protected:
    // Passes a rectangle in form coordinates to the paint manager, moved by
    // the view's ruler offset and grown by the handle size.
    void InvalidateInView(const platform::Rect& rect);
};

} // namespace MarkupUI

#pragma once

#include "platform/Geometry.h"

#include <Qt>

#include <cstdint>

class QPainter;

namespace editor {

// One rectangle with eight resize handles: where the handles are, which
// are shown, what a point hits and how it is drawn. Page coordinates.
class CUITracker
{
public:
    enum Style : uint32_t
    {
        kSolidLine = 1,
        kDottedLine = 2,
        kHatchedBorder = 4,
        kResizeInside = 8,
        kResizeOutside = 16,
        kHatchInside = 32,
    };
    enum Kind : int
    {
        kPlainElement = 1,
        kContainerElement = 2,
        kFormElement = 3,
    };
    // Handles 0 to 7: the four corners clockwise from the top-left, then
    // the four side middles clockwise from the top; 8 is the body (move).
    static constexpr int kMoveHit = 8;
    static constexpr int kGripWidth = 15;

    CUITracker() = default;
    virtual ~CUITracker() = default;

    uint32_t style = 0;
    platform::Rect rect;
    platform::Size minimumSize{8, 8};
    int handleSize = 4;
    bool allowInvert = false;

    int GetKind() const { return m_kind; }
    // Also sets which handles exist: the form only has its right, bottom
    // and bottom-right handles, since its top-left corner never moves.
    void SetKind(int kind);
    uint8_t GetHandleMask() const { return m_handleMask; }

    // The handle size in effect for the rectangle.
    int EffectiveHandleSize() const;
    bool IsHandleVisible(int handle) const;
    // The square of a handle, where it is seen on an inverted rectangle.
    platform::Rect HandleRect(int handle) const;
    // The handle seen at a handle's place once the rectangle is inverted.
    int VisibleHandle(int handle) const;
    platform::Rect GripRect() const;

    // -1 nothing, 0 to 7 a handle, 8 the body.
    int HitTest(platform::Point point) const;

    // Draws the outline and handles; white handles for the primary element.
    void Draw(QPainter& painter, bool primary) const;

    // The resize cursor of a hit, after the inversion swap.
    static Qt::CursorShape CursorOfHit(int hit);

private:
    // The rectangle the handles sit on.
    platform::Rect HandleFrame() const;

    int m_kind = kPlainElement;
    uint8_t m_handleMask = 0xFF;
};

// Grows a rectangle on every side without overflowing.
platform::Rect Inflated(const platform::Rect& rect, int64_t by);
// Left <= right and top <= bottom, keeping both edges.
platform::Rect Ordered(const platform::Rect& rect);

} // namespace editor

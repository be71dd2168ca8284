#pragma once

#include "controls/Atomic.h"
#include "controls/ControlEvent.h"
#include "platform/Geometry.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace platform {
class DrawingContext;
}

namespace MarkupUI {

class CPaintManagerUI;

// FindControl flags.
enum : uint32_t
{
    UIFIND_ALL = 0x00000000,
    UIFIND_VISIBLE = 0x00000001,
    UIFIND_ENABLED = 0x00000002,
    UIFIND_HITTEST = 0x00000004,
    UIFIND_TOP_FIRST = 0x00000008,
    UIFIND_ME_FIRST = 0x80000000,
};

using FindControlProc = CControlUI* (*)(CControlUI* control, void* data);

// Position relative to the parent in percent; kept for the library's
// interactive widgets, templates never use it.
struct TRelativePosUI
{
    bool relative = false;
    platform::Size parentSize;
    int32_t moveXPercent = 0;
    int32_t moveYPercent = 0;
    int32_t zoomXPercent = 0;
    int32_t zoomYPercent = 0;
};

// Base of every template object: the common data, the common attribute
// vocabulary, and layout and invalidation rules. Lives on the UI thread; the
// reference count (in Atomic) may be dropped on any thread.
class CControlUI : public Atomic
{
public:
    CControlUI();
    ~CControlUI() override;

    virtual QString GetName() const { return m_name; }
    virtual void SetName(const QString& name) { m_name = name; }
    virtual QString GetClass() const;
    virtual void* GetInterface(const QString& name);
    virtual uint32_t GetControlFlags() const { return 0; }
    virtual bool Activate();

    virtual CPaintManagerUI* GetManager() const { return m_manager; }
    virtual void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true);
    virtual CControlUI* GetParent() const { return m_parent; }

    virtual QString GetText() const { return m_text; }
    virtual void SetText(const QString& text);

    virtual const platform::Rect& GetPos() const { return m_pos; }
    virtual void SetPos(platform::Rect rc);
    virtual int32_t GetWidth() const { return static_cast<int32_t>(m_pos.Width()); }
    virtual int32_t GetHeight() const { return static_cast<int32_t>(m_pos.Height()); }
    virtual int32_t GetX() const { return m_pos.left; }
    virtual int32_t GetY() const { return m_pos.top; }

    virtual platform::Rect GetPadding() const { return m_padding; }
    virtual void SetPadding(const platform::Rect& padding);
    virtual platform::Size GetFixedXY() const { return m_fixedXY; }
    virtual void SetFixedXY(platform::Size xy);
    virtual int32_t GetFixedWidth() const { return m_fixedSize.cx; }
    virtual void SetFixedWidth(int32_t cx);
    virtual int32_t GetFixedHeight() const { return m_fixedSize.cy; }
    virtual void SetFixedHeight(int32_t cy);
    virtual int32_t GetMinWidth() const { return m_minSize.cx; }
    virtual void SetMinWidth(int32_t cx);
    virtual int32_t GetMaxWidth() const { return m_maxSize.cx; }
    virtual void SetMaxWidth(int32_t cx);
    virtual int32_t GetMinHeight() const { return m_minSize.cy; }
    virtual void SetMinHeight(int32_t cy);
    virtual int32_t GetMaxHeight() const { return m_maxSize.cy; }
    virtual void SetMaxHeight(int32_t cy);

    virtual void SetRelativePos(platform::Size move, platform::Size zoom);
    virtual void SetRelativeParentSize(platform::Size size);
    virtual TRelativePosUI GetRelativePos() const { return m_relativePos; }
    virtual bool IsRelativePos() const { return m_relativePos.relative; }

    virtual QString GetToolTip() const { return m_toolTip; }
    virtual void SetToolTip(const QString& text) { m_toolTip = text; }
    virtual void SetToolTipWidth(int32_t width) { m_toolTipWidth = width; }
    virtual int32_t GetToolTipWidth() const { return m_toolTipWidth; }
    virtual char16_t GetShortcut() const { return m_shortcut; }
    virtual void SetShortcut(char16_t ch) { m_shortcut = ch; }
    virtual bool IsContextMenuUsed() const { return m_menuUsed; }
    virtual void SetContextMenuUsed(bool used) { m_menuUsed = used; }
    virtual QString GetUserData() const { return m_userData; }
    virtual void SetUserData(const QString& text) { m_userData = text; }
    virtual uintptr_t GetTag() const { return m_tag; }
    virtual void SetTag(uintptr_t tag) { m_tag = tag; }

    virtual bool IsVisible() const { return m_visible && m_internVisible; }
    virtual void SetVisible(bool visible = true);
    virtual void SetInternVisible(bool visible = true);
    virtual bool IsEnabled() const { return m_enabled; }
    virtual void SetEnabled(bool enabled = true);
    virtual bool IsMouseEnabled() const { return m_mouseEnabled; }
    virtual void SetMouseEnabled(bool enabled = true) { m_mouseEnabled = enabled; }
    virtual bool IsKeyboardEnabled() const { return m_keyboardEnabled; }
    virtual void SetKeyboardEnabled(bool enabled = true) { m_keyboardEnabled = enabled; }
    virtual bool IsFocused() const { return m_focused; }
    virtual void SetFocus();
    virtual bool IsFloat() const { return m_float; }
    virtual void SetFloat(bool isFloat = true);

    virtual CControlUI* FindControl(FindControlProc proc, void* data, uint32_t flags);
    virtual void Invalidate();
    void Init();
    virtual void DoInit() {}
    void Event(TEventUI& event);
    virtual void DoEvent(TEventUI& event);
    virtual void SetAttribute(const QString& name, const QString& value);
    virtual platform::Size EstimateSize(platform::Size available);

    // Painting, in form coordinates. DoPaint draws everything; DoPaintStatic
    // only what the template fixes, for the printer's page image (nothing
    // here: the printer knows no plain controls).
    virtual void DoPaintStatic(platform::DrawingContext& dc, const platform::Rect& paint);
    // The paint steps when paint meets the position: background colour and
    // image, status image, text, border.
    virtual void DoPaint(platform::DrawingContext& dc, const platform::Rect& paint);
    virtual void PaintBkColor(platform::DrawingContext& dc);
    virtual void PaintBkImage(platform::DrawingContext& dc);
    virtual void PaintStatusImage(platform::DrawingContext& dc);
    virtual void PaintText(platform::DrawingContext& dc);
    virtual void PaintBorder(platform::DrawingContext& dc);
    virtual void DoPostPaint(platform::DrawingContext& dc, const platform::Rect& paint);
    // How painting meets the page, so that a page can leave out what later
    // opaque controls paint over. PaintReach: a rectangle outside which
    // DoPaint and DoPaintStatic change no pixel; none when not known.
    // PaintOnlyChangesPixels: whether painting `paint` under a clip bounded
    // by clipBox does nothing but change pixels, so that leaving it out
    // changes nothing else. OpaqueCover: a rectangle whose pixels, once
    // painted, do not depend on what lay beneath; empty when none.
    virtual std::optional<platform::Rect> PaintReach() const;
    virtual bool PaintOnlyChangesPixels(const platform::Rect& paint, const platform::Rect& clipBox);
    virtual platform::Rect OpaqueCover();
    // Draws an image string over the position; false when an image of it
    // could not be read (the string is kept all the same).
    bool DrawImage(platform::DrawingContext& dc, const QString& imageString);

    // Applies name="value" pairs separated by one space, in order; stops
    // silently at the first pair that does not follow that form.
    void ApplyAttributeList(const QString& list);

    void NeedUpdate();
    void NeedParentUpdate();
    bool IsUpdateNeeded() const { return m_updateNeeded; }

    uint32_t GetBkColor() const { return m_bkColor; }
    void SetBkColor(uint32_t color);
    uint32_t GetBkColor2() const { return m_bkColor2; }
    void SetBkColor2(uint32_t color);
    uint32_t GetBkColor3() const { return m_bkColor3; }
    void SetBkColor3(uint32_t color);
    uint32_t GetBorderColor() const { return m_borderColor; }
    void SetBorderColor(uint32_t color);
    uint32_t GetFocusBorderColor() const { return m_focusBorderColor; }
    void SetFocusBorderColor(uint32_t color);
    bool IsColorHSL() const { return m_colorHSL; }
    void SetColorHSL(bool hsl);
    int32_t GetBorderSize() const { return m_borderSize; }
    void SetBorderSize(int32_t size);
    platform::Rect GetSideBorderSizes() const { return m_sideBorderSizes; }
    void SetBorderSize(const platform::Rect& sides);
    int32_t GetLeftBorderSize() const { return m_sideBorderSizes.left; }
    void SetLeftBorderSize(int32_t size);
    int32_t GetTopBorderSize() const { return m_sideBorderSizes.top; }
    void SetTopBorderSize(int32_t size);
    int32_t GetRightBorderSize() const { return m_sideBorderSizes.right; }
    void SetRightBorderSize(int32_t size);
    int32_t GetBottomBorderSize() const { return m_sideBorderSizes.bottom; }
    void SetBottomBorderSize(int32_t size);
    int32_t GetBorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int32_t style);
    platform::Size GetBorderRound() const { return m_borderRound; }
    void SetBorderRound(platform::Size round);
    QString GetBkImage() const { return m_bkImage; }
    void SetBkImage(const QString& image);
    QString GetForeImage() const { return m_foreImage; }
    QString GetVirtualWnd() const { return m_virtualWnd; }
    void SetVirtualWnd(const QString& name);
    const platform::Rect& GetPaintRect() const { return m_paintRect; }
    bool IsSetPosInProgress() const { return m_setPosInProgress; }

    CEventSource OnInit;
    CEventSource OnDestroy;
    CEventSource OnSize;
    CEventSource OnEvent;
    CEventSource OnNotify;

protected:
    // The position clipped successively by every ancestor's position.
    platform::Rect ClipByAncestors(platform::Rect rc) const;
    // Steps shared by every SetPos: normalise, store, size event, and, with
    // a manager, the old rectangle to invalidate.
    platform::Rect StorePos(platform::Rect rc);
    void FireSizeEvent();

    CPaintManagerUI* m_manager = nullptr;
    CControlUI* m_parent = nullptr;
    QString m_virtualWnd;
    QString m_name;
    bool m_updateNeeded = true;
    bool m_menuUsed = false;
    platform::Rect m_pos;
    platform::Rect m_padding;
    platform::Size m_fixedXY;
    platform::Size m_fixedSize;
    platform::Size m_minSize;
    platform::Size m_maxSize{9999, 9999};
    bool m_visible = true;
    bool m_internVisible = true;
    bool m_enabled = true;
    bool m_mouseEnabled = true;
    bool m_keyboardEnabled = true;
    bool m_focused = false;
    bool m_float = false;
    bool m_setPosInProgress = false;
    TRelativePosUI m_relativePos;
    QString m_text;
    QString m_toolTip;
    char16_t m_shortcut = 0;
    QString m_userData;
    uintptr_t m_tag = 0;
    uint32_t m_bkColor = 0;
    uint32_t m_bkColor2 = 0;
    uint32_t m_bkColor3 = 0;
    QString m_bkImage;
    QString m_foreImage;
    uint32_t m_borderColor = 0;
    uint32_t m_focusBorderColor = 0;
    bool m_colorHSL = false;
    int32_t m_borderSize = 0;
    int32_t m_borderStyle = 0;
    int32_t m_toolTipWidth = 300;
    platform::Size m_borderRound;
    platform::Rect m_paintRect;
    platform::Rect m_sideBorderSizes;
};

using ControlPtr = boost::intrusive_ptr<CControlUI>;

} // namespace MarkupUI

#pragma once

#include "elements/DesignImpl.h"
#include "platform/FontDescription.h"

#include <QFont>
#include <QImage>

#include <cstdint>
#include <optional>

namespace MarkupUI {

// Base of the text-bearing elements: the font, the text style (DrawText
// flags), the number length, and the fitting of the font to the box.
class CDesignLabelUI : public CDesignImpl
{
public:
    CDesignLabelUI();

    QString GetClass() const override;
    void* GetInterface(const QString& name) override;

    void SetText(const QString& text) override;
    void SetPos(platform::Rect rc) override;
    void DoInit() override;
    void SetAttribute(const QString& name, const QString& value) override;
    // The text, measured, drawn and stretched to fill the display size from
    // the top-left corner; its white background leaves what lies beneath.
    void PaintText(platform::DrawingContext& dc) override;
    // Making a text image draws text through Qt's font engines, whose state
    // carries over to the next text drawn: a label whose image is still to
    // be made for this paint is never left out, so the same texts are drawn
    // in the same order whatever lies over them.
    bool PaintOnlyChangesPixels(const platform::Rect& paint, const platform::Rect& clipBox) override;

    // Number elements: digits shown. Every text element: the per-character
    // size limit of GetDisplaySize.
    virtual void SetNumLength(int32_t length);
    int32_t GetNumLength() const { return m_numLength; }

    // The fixed size, scaled down so that one of numLength character cells
    // is at most 64 by 64 printer dots: the printer's glyph limit.
    platform::Size GetDisplaySize() override;

    uint32_t GetTextStyle() const { return m_textStyle; }
    void SetTextStyle(uint32_t style) { m_textStyle = style; }

    const platform::FontDescription& GetFontDescription() const { return m_fontDescription; }
    // Replaces the description and makes the element's own font from it.
    void SetFontDescription(const platform::FontDescription& description);
    // Whether the element has its own font; without one it draws with the
    // paint manager's default font.
    bool HasOwnFont() const { return m_font.has_value(); }
    // The font the text is drawn and measured with.
    QFont GetDrawingFont() const;

    // Makes the font height follow the box: the text fills the display
    // height, or its width when the text is relatively wide; never below 10.
    void AutoFitFont();

protected:
    platform::Size DisplaySizeForCells(int32_t cells) const;

private:
    // The text box's part shown when painting under `visible` (the paint
    // rectangle within the position, and the clip), relative to the box.
    platform::Rect TextPart(platform::Size display, const platform::Rect& visible) const;
    // Whether the held text image is the one for this text, style, display
    // size, part and the font given (the drawing font when none is).
    bool HoldsTextImage(platform::Size display, const platform::Rect& part, const QFont* font = nullptr) const;

    uint32_t m_textStyle;
    std::optional<QFont> m_font;
    platform::FontDescription m_fontDescription;
    int32_t m_numLength = 4;

    // The last stretched text image and what it was made from; repainting an
    // unchanged element reuses it.
    struct TextImage
    {
        QString text;
        QFont font;
        uint32_t style = 0;
        platform::Size display;
        platform::Rect part;
        bool held = false;
        // Keyed ink (white keyed out, grey text held a byte a pixel), cut
        // to the ink: the page shows through everywhere else, so only this
        // part is ever drawn.
        QImage ink;
        platform::Point inkAt;
    };
    TextImage m_textImage;
};

} // namespace MarkupUI

#pragma once

#include <QFont>
#include <QString>
#include <QStringView>

#include <cstdint>

namespace platform {

// Weights and character sets templates use; the numbers are the ones
// stored in template files and sent to the printer.
constexpr int32_t kFontWeightDontCare = 0;
constexpr int32_t kFontWeightNormal = 400;
constexpr int32_t kFontWeightBold = 700;
constexpr uint8_t kCharSetAnsi = 0;
constexpr uint8_t kCharSetDefault = 1;
constexpr uint8_t kCharSetGb2312 = 134;

// A font as templates describe it, field for field the record the designer
// first kept: a negative height is the character (em) height in pixels, a
// positive one the cell height (ascent plus descent), 0 the default size.
struct FontDescription
{
    // Room for 31 UTF-16 units and the terminator of the original record.
    static constexpr qsizetype kMaxFaceLength = 31;

    int32_t height = 0;
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = kFontWeightDontCare;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    uint8_t charSet = kCharSetAnsi;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;

    const QString& FaceName() const { return m_faceName; }
    // Keeps at most kMaxFaceLength units and never half of a surrogate pair.
    void SetFaceName(QStringView face);

    friend bool operator==(const FontDescription&, const FontDescription&) = default;

private:
    QString m_faceName;
};

// The default pixel height when a description leaves the height at 0.
constexpr int kDefaultFontPixelHeight = 12;

// The Qt font that draws and measures like the described one.
QFont ToQFont(const FontDescription& description);

} // namespace platform
